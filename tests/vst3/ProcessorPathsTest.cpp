// What initialize builds for an effect unlike the stereo delay, and the
// controller-side services: conversions, MIDI mapping, text messages, identity.
#include "PathsTestHost.h"

#include "LogParameter.h"
#include "PeakParameter.h"
#include "VoltOctaveParameter.h"

#include "pluginterfaces/vst/ivstmidicontrollers.h"

#include <cmath>
#include <vector>

using namespace PathsTest;
using namespace Steinberg::Vst::Doru2VST3;

namespace {

std::vector<ParamID> parameterIds(Processor& processor)
{
	std::vector<ParamID> ids;
	for (int32 i = 0; i < processor.getParameterCount(); ++i)
	{
		ParameterInfo info{};
		EXPECT_EQ(processor.getParameterInfo(i, info), kResultTrue);
		ids.push_back(info.id);
	}
	return ids;
}

std::string busName(Processor& processor, MediaType type, BusDirection direction, int32 index)
{
	BusInfo info{};
	if (processor.getBusInfo(type, direction, index, info) != kResultOk)
		return "<none>";
	return narrow(info.name);
}

} // namespace

TEST_F(ProcessorPaths, ParameterSetFollowsTheEffectsWishes)
{
	start();
	// The kind-101 control (id 2) leaves a gap; empty button labels and an
	// empty preset list leave 0x8000..0x8002 and the program change out.
	const std::vector<ParamID> expected = {0, 1, 3, 4, 5, 6, JOYSTICK_X, JOYSTICK_Y, kParamBypass,
	                                       kParamPitchBend, kParamMidiVolume, kParamMidiPan, kParamModWheel,
	                                       kParamExpression, kParamChannelPressure, kParamSustainPedal,
	                                       kParamAllNotesOff};
	EXPECT_EQ(parameterIds(*processor), expected);
	EXPECT_EQ(processor->getParameterObject(PathsTestEffect::kHidden), nullptr);
	EXPECT_EQ(processor->getUnitCount(), 1);
	UnitInfo root{};
	ASSERT_EQ(processor->getUnitInfo(0, root), kResultTrue);
	EXPECT_EQ(narrow(root.name), "RootUnit");
	EXPECT_EQ(processor->getProgramListCount(), 0);
	ProgramListInfo list{};
	EXPECT_EQ(processor->getProgramListInfo(0, list), kResultFalse);
}

TEST_F(ProcessorPaths, LabelledButtonsBecomeParameters)
{
	start(&makeWithButtons);
	ParameterInfo info{};
	ASSERT_EQ(processor->getParameterInfoByTag(ASSIGNBUTTON_1, info), kResultTrue);
	EXPECT_EQ(narrow(info.title), "Tap");
	ASSERT_EQ(processor->getParameterInfoByTag(ASSIGNBUTTON_3, info), kResultTrue);
	EXPECT_EQ(narrow(info.title), "Reset");
	EXPECT_EQ(info.flags, ParameterInfo::kCanAutomate);
}

TEST_F(ProcessorPaths, MetersAreReadOnlyPeakParametersAtZero)
{
	start();
	EXPECT_EQ(processor->meterParamIds, (std::vector<int32>{PathsTestEffect::kLevel, PathsTestEffect::kPeak}));
	for (ParamID id : {PathsTestEffect::kLevel, PathsTestEffect::kPeak})
	{
		SCOPED_TRACE(id);
		ParameterInfo info{};
		ASSERT_EQ(processor->getParameterInfoByTag(id, info), kResultTrue);
		EXPECT_EQ(info.flags, ParameterInfo::kIsReadOnly);
		EXPECT_EQ(narrow(info.title), id == PathsTestEffect::kLevel ? "Level" : "Peak");
		EXPECT_NE(dynamic_cast<PeakParameter*>(processor->getParameterObject(id)), nullptr);
		EXPECT_EQ(processor->getParamNormalized(id), 0.0);
		EXPECT_EQ(text(id, 0.5), "-6.021");
	}
}

TEST_F(ProcessorPaths, LogTaperParameterConvertsOnTheHostSide)
{
	start();
	const ParamID id = PathsTestEffect::kCutoff;
	EXPECT_NE(dynamic_cast<LogParameter*>(processor->getParameterObject(id)), nullptr);
	EXPECT_NEAR(processor->normalizedParamToPlain(id, 0.5), 17493.9255, 1e-3);
	EXPECT_DOUBLE_EQ(processor->normalizedParamToPlain(id, 1.0), 20000.0);
	EXPECT_NEAR(processor->plainParamToNormalized(id, 17493.9255), 0.5, 1e-6);
	EXPECT_EQ(text(id, 0.5), "17493.93");
	EXPECT_EQ(text(id, 1.0), "20000.00");
	ParamValue typed = -1;
	String128 input = u"20000";
	ASSERT_EQ(processor->getParamValueByString(id, input, typed), kResultTrue);
	EXPECT_DOUBLE_EQ(typed, 1.0);
	// The default is the control's value when the parameter was made.
	EXPECT_NEAR(processor->normalizedParamToPlain(id, processor->getParamNormalized(id)), 1000.0, 1e-2);
}

TEST_F(ProcessorPaths, VoltOctaveParameterConvertsOnTheHostSide)
{
	start();
	const ParamID id = PathsTestEffect::kPitch;
	EXPECT_NE(dynamic_cast<VoltOctaveParameter*>(processor->getParameterObject(id)), nullptr);
	EXPECT_NEAR(processor->normalizedParamToPlain(id, 0.5), 632.4414, 1e-3);
	EXPECT_NEAR(processor->normalizedParamToPlain(id, 0.0), 20.0, 1e-9);
	EXPECT_NEAR(processor->plainParamToNormalized(id, 632.455532), 0.5, 1e-5);
	EXPECT_EQ(text(id, 0.5), "632.44");
	ParamValue typed = -1;
	String128 input = u"440";
	ASSERT_EQ(processor->getParamValueByString(id, input, typed), kResultTrue);
	EXPECT_DOUBLE_EQ(typed, processor->plainParamToNormalized(id, 440.0));
	EXPECT_NEAR(processor->normalizedParamToPlain(id, processor->getParamNormalized(id)), 440.0, 1e-2);
}

TEST_F(ProcessorPaths, BusesFollowTheEffectsWishes)
{
	start();
	EXPECT_EQ(processor->getBusCount(kAudio, kInput), 1);
	EXPECT_EQ(busName(*processor, kAudio, kInput, 0), "AudioInput");
	EXPECT_EQ(busName(*processor, kAudio, kOutput, 0), "Audio Output");
	EXPECT_EQ(busName(*processor, kEvent, kInput, 0), "Event Input");
}

TEST_F(ProcessorPaths, SideChainAddsAnAuxInput)
{
	start(&makeSideChain);
	ASSERT_EQ(processor->getBusCount(kAudio, kInput), 2);
	BusInfo aux{};
	ASSERT_EQ(processor->getBusInfo(kAudio, kInput, 1, aux), kResultOk);
	EXPECT_EQ(narrow(aux.name), "AuxInput");
	EXPECT_EQ(aux.busType, kAux);
	EXPECT_EQ(aux.channelCount, 2);
}

TEST_F(ProcessorPaths, OutputOnlyEffectHasNoAudioInput)
{
	start(&makeOutputOnly);
	EXPECT_EQ(processor->getBusCount(kAudio, kInput), 0);
	EXPECT_EQ(processor->getBusCount(kAudio, kOutput), 1);
	EXPECT_EQ(busName(*processor, kAudio, kOutput, 0), "Audio Output");
	EXPECT_EQ(processor->getBusCount(kEvent, kInput), 1);
	EXPECT_EQ(busName(*processor, kEvent, kInput, 0), "Event Input");
}

TEST_F(ProcessorPaths, MidiMappingPrefersTheLastMatchingControl)
{
	start();
	auto assigned = [this](int32 bus, int16 channel, CtrlNumber controller, ParamID& id) {
		return processor->getMidiControllerAssignment(bus, channel, controller, id);
	};
	for (int16 channel : {0, 9, 15})
	{
		ParamID id = 1234;
		EXPECT_EQ(assigned(0, channel, 20, id), kResultOk);
		EXPECT_EQ(id, static_cast<ParamID>(PathsTestEffect::kMix));
	}
	ParamID id = 1234;
	EXPECT_EQ(assigned(0, 0, 21, id), kResultFalse);
	EXPECT_EQ(id, 0u);
	id = 1234;
	EXPECT_EQ(assigned(1, 0, 20, id), kResultFalse);
	EXPECT_EQ(id, 1234u);
	// The fixed controllers win over the effect's own bindings.
	EXPECT_EQ(assigned(0, 0, kPitchBend, id), kResultOk);
	EXPECT_EQ(id, kParamPitchBend);
	EXPECT_EQ(assigned(0, 0, kCtrlSustainOnOff, id), kResultOk);
	EXPECT_EQ(id, kParamSustainPedal);
}

TEST_F(ProcessorPaths, EditorTextsReachTheEffectAsMessages)
{
	start();
	effect().editorCodes.clear();
	EXPECT_EQ(processor->receiveText("VSTGUITimerPing"), kResultOk);
	EXPECT_EQ(effect().editorCodes, std::vector<int32_t>{2});
	EXPECT_EQ(processor->receiveText("RecreateView"), kResultOk);
	EXPECT_EQ(effect().editorCodes, (std::vector<int32_t>{2, 0}));
	EXPECT_STREQ(processor->guiMessage.viewName, "");
	EXPECT_EQ(processor->receiveText("Something else"), kResultOk);
	EXPECT_EQ(processor->receiveText(nullptr), kResultOk);
	EXPECT_EQ(effect().editorCodes.size(), 2u);
}

TEST(ProcessorObject, TextBeforeInitializeIsIgnored)
{
	IPtr<Processor> processor = Steinberg::owned(new Processor(&makePlain));
	EXPECT_EQ(processor->receiveText("VSTGUITimerPing"), kResultOk);
	EXPECT_EQ(processor->effect, nullptr);
}

TEST(ProcessorObject, ClassIdentity)
{
	IPtr<Processor> processor = Steinberg::owned(new Processor(&makePlain));
	EXPECT_STREQ(processor->isA(), "Processor");
	EXPECT_TRUE(processor->isA("Processor"));
	EXPECT_FALSE(processor->isA("EditController"));
	for (const char* base : {"Processor", "SingleComponentEffect", "EditControllerEx1", "EditController",
	                         "ComponentBase", "FObject"})
		EXPECT_TRUE(processor->isTypeOf(base, true)) << base;
	EXPECT_FALSE(processor->isTypeOf("EditController", false));
	EXPECT_FALSE(processor->isTypeOf(nullptr, true));
	EXPECT_FALSE(processor->isTypeOf("Parameter", true));
}

TEST(ProcessorObject, TerminateKeepsTheEffectUntilTheLastRelease)
{
	const int destroyedBefore = PathsTestEffect::destroyed();
	HostApplication host;
	{
		IPtr<Processor> processor = Steinberg::owned(new Processor(&makeQueued<1>));
		ASSERT_EQ(processor->initialize(&host), kResultOk);
		ASSERT_FALSE(processor->meterParamIds.empty());
		EXPECT_EQ(processor->terminate(), kResultOk);
		EXPECT_TRUE(processor->meterParamIds.empty());
		EXPECT_EQ(processor->paramQueues, nullptr);
		EXPECT_EQ(processor->midiEvents, nullptr);
		ASSERT_NE(processor->effect, nullptr);
		EXPECT_EQ(PathsTestEffect::destroyed(), destroyedBefore);
	}
	EXPECT_EQ(PathsTestEffect::destroyed(), destroyedBefore + 1);
}
