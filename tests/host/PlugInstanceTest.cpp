#include "host/HostError.h"
#include "host/Module.h"
#include "host/NoteEvents.h"
#include "host/Transport.h"

#include "ProbeAccess.h"

#include "pluginterfaces/vst/ivstunits.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Steinberg;
using VeltraneHost::HostError;
using VeltraneHost::Module;
using VeltraneHost::PlugInstance;

namespace {

const Vst::ParamID gainId = 1;
const Vst::ParamID peakId = 2;

void fillRamp(VeltraneHost::ProcessBlock& block)
{
	for (int32 channel = 0; channel < block.inputChannelCount(); ++channel)
		for (int32 sample = 0; sample < block.maxSamples(); ++sample)
			block.input(channel)[sample] = static_cast<float>(sample + channel) / 64.0f;
}

} // namespace

TEST(PlugInstance, DrivesASingleComponentThroughItsLifeInOrder)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	{
		std::optional<PlugInstance> plug = Module::load(FAKE_PLUG_BUNDLE).createInstance();
		EXPECT_EQ(probe->moduleExits, 0) << "the instance must keep its module loaded";
		EXPECT_TRUE(plug->controllerIsComponent());
		EXPECT_EQ(probe->componentHandler, static_cast<Vst::IComponentHandler*>(&plug->componentHandler()));
		EXPECT_EQ(plug->activateAllBuses(), kResultOk);
		EXPECT_EQ(plug->setupProcessing(48000, 64), kResultOk);
		EXPECT_EQ(plug->setActive(true), kResultOk);
		plug->setProcessing(true);
		auto block = plug->makeBlock(64);
		EXPECT_EQ(plug->process(block), kResultOk);
		plug.reset();
		EXPECT_STREQ(probe->log,
			"initialize;setupProcessing;setActive(1);setProcessing(1);process;setProcessing(0);setActive(0);terminate;");
	}
	EXPECT_EQ(probe->initializeCalls, 1);
	EXPECT_EQ(probe->moduleExits, 1);
	EXPECT_EQ(probe->liveObjects, 0) << "a reference was leaked";
}

TEST(PlugInstance, ProcessHandsTheBlockToThePlugIn)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	PlugInstance plug = Module::load(FAKE_PLUG_BUNDLE).createInstance();
	plug.setupProcessing(44100, 64, Vst::kOffline);
	plug.setActive(true);
	plug.setProcessing(true);
	auto block = plug.makeBlock(64);
	ASSERT_EQ(block.inputChannelCount(), 2);
	ASSERT_EQ(block.outputChannelCount(), 2);
	fillRamp(block);
	block.setNumSamples(48);
	block.inputParameterChanges().addPoint(gainId, 0, 0.25);
	block.inputEvents().add(VeltraneHost::noteOn(3, 0, 60, 1.0f));
	block.inputEvents().add(VeltraneHost::noteOff(9, 0, 60));
	VeltraneHost::Transport transport;
	transport.tempo = 90.0;
	block.setContext(transport.context());
	block.setInputSilenceFlags(0b10);

	ASSERT_EQ(plug.process(block), kResultOk);
	EXPECT_EQ(probe->lastNumSamples, 48);
	EXPECT_EQ(probe->lastProcessMode, Vst::kOffline);
	EXPECT_EQ(probe->lastEventCount, 2);
	EXPECT_EQ(probe->lastTempo, 90.0);
	EXPECT_EQ(probe->lastInputSilence, 0b10u);
	EXPECT_EQ(block.outputSilenceFlags(), 0b10u);
	for (int32 sample = 0; sample < 48; ++sample)
		EXPECT_FLOAT_EQ(block.output(1)[sample], block.input(1)[sample] * 0.25f);
	EXPECT_FLOAT_EQ(block.outputParameterChanges().lastValue(peakId).value_or(-1), block.output(1)[47]);

	block.clearInputs();
	block.clearContext();
	ASSERT_EQ(plug.process(block), kResultOk);
	EXPECT_EQ(probe->lastEventCount, 0);
	EXPECT_EQ(probe->lastTempo, 0.0);
	EXPECT_EQ(block.outputParameterChanges().getParameterCount(), 1) << "outputs are emptied before each call";
}

TEST(PlugInstance, RefusesBlocksTheSetupDoesNotAllow)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	PlugInstance plug = Module::load(FAKE_PLUG_BINARY).createInstance();
	auto block = plug.makeBlock(128);
	EXPECT_EQ(plug.process(block), kNotInitialized);
	plug.setupProcessing(48000, 64);
	EXPECT_EQ(plug.process(block), kInvalidArgument);
	block.setNumSamples(64);
	EXPECT_EQ(plug.process(block), kResultOk);
	EXPECT_EQ(probe->lastNumSamples, 64);
}

TEST(PlugInstance, SetsAndReportsBuses)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	PlugInstance plug = Module::load(FAKE_PLUG_BINARY).createInstance();
	EXPECT_EQ(plug.busCount(Vst::kEvent, Vst::kInput), 1);
	EXPECT_EQ(plug.busInfo(Vst::kAudio, Vst::kOutput, 0).channelCount, 2);
	EXPECT_THROW(plug.busInfo(Vst::kAudio, Vst::kOutput, 1), HostError);

	EXPECT_EQ(plug.setBusArrangements({Vst::SpeakerArr::kMono}, {Vst::SpeakerArr::kMono}), kResultTrue);
	EXPECT_EQ(plug.busArrangement(Vst::kOutput, 0), Vst::SpeakerArr::kMono);
	EXPECT_EQ(plug.makeBlock(16).outputChannelCount(), 1);
	EXPECT_EQ(plug.setBusArrangements({Vst::SpeakerArr::kMono}, {Vst::SpeakerArr::kStereo}), kResultFalse);
	EXPECT_EQ(plug.latencySamples(), 7u);
}

TEST(PlugInstance, StateRestoresIntoAFreshInstanceAndItsController)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	const Module module = Module::load(FAKE_PLUG_BUNDLE);
	std::vector<std::uint8_t> state;
	{
		PlugInstance first = module.createInstance();
		first.setupProcessing(48000, 16);
		auto block = first.makeBlock(16);
		block.inputParameterChanges().addPoint(gainId, 0, 0.125);
		first.process(block);
		state = first.getState();
	}
	EXPECT_EQ(state.size(), sizeof(double));

	PlugInstance second = module.createInstance();
	EXPECT_EQ(second.setState(state), kResultOk);
	EXPECT_EQ(probe->setComponentStateCalls, 1);
	EXPECT_EQ(second.controller().getParamNormalized(gainId), 0.125);
	EXPECT_EQ(second.getControllerState(), state);
	EXPECT_EQ(second.setState({1, 2}), kResultFalse) << "a short state must be refused";
}

TEST(PlugInstance, CreatesAndConnectsASeparateController)
{
	ProbeAccess probe(FAKE_SPLIT_BINARY);
	{
		const Module module = Module::load(FAKE_SPLIT_BINARY);
		ASSERT_EQ(module.classes().size(), 2u);
		PlugInstance plug = module.createInstance();
		EXPECT_FALSE(plug.controllerIsComponent());
		EXPECT_EQ(probe->initializeCalls, 2);
		EXPECT_EQ(probe->setComponentStateCalls, 1) << "the controller must learn the component state";
		EXPECT_EQ(plug.controller().getParamNormalized(gainId), 0.5);
		EXPECT_TRUE(plug.queryInterface<Vst::IEditController>());
		EXPECT_TRUE(plug.queryInterface<Vst::IAudioProcessor>());
		EXPECT_FALSE(plug.queryInterface<Vst::IUnitInfo>());
	}
	EXPECT_EQ(probe->terminateCalls, 2);
	EXPECT_EQ(probe->liveObjects, 0) << "a reference was leaked";
}

TEST(PlugInstance, MovedInstanceTearsDownOnce)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	{
		PlugInstance first = Module::load(FAKE_PLUG_BINARY).createInstance();
		PlugInstance second = std::move(first);
		second.setupProcessing(48000, 16);
	}
	EXPECT_EQ(probe->terminateCalls, 1);
	EXPECT_EQ(probe->liveObjects, 0);
}

TEST(PlugInstance, UnknownClassIsRefused)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	const Module module = Module::load(FAKE_PLUG_BINARY);
	EXPECT_THROW(module.createInstance(VeltraneHost::ClassId{}), HostError);
	EXPECT_EQ(probe->liveObjects, 1) << "only the factory should be alive";
}
