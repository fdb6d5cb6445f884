// The audio face: the module's output against the in-process effect, bypass,
// flush calls, silence, and what the processor agrees to.
#include "ModuleTestSupport.h"

#include "host/Transport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ModuleTest {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

// Normalized values: "Delay" in the Delay State switch, a 100 ms delay.
constexpr HostChange kDelayMode{8, 1.0};
constexpr HostChange kDelay100ms{0, 0.05};
constexpr HostChange kDelay20ms{0, 0.01};

std::vector<std::vector<float>> stereoSignal(int32 length)
{
	return {testSignal(length, 11), testSignal(length, 12)};
}

// Blocks of several lengths, with changes of every kind of control.
std::vector<BlockPlan> busyPlan()
{
	return {
		{256, {{0, 0.4}, {1, 0.6}, {6, 0.8}}},
		{100, {}},
		{1, {{2, 0.3}, {3, 0.7}}},
		{37, {kDelayMode}},
		{512, {{4, 0.25}, {5, 1.0}, {7, 0.9}}},
		{512, {{0, 0.05}, {kJoystickXId, 0.9}, {0x800, 0.2}, {0x8000, 1.0}}},
		{300, {{9, 1.0}}},
		{300, {{9, 0.0}, {8, 0.0}}},
		{512, {{1, 0.95}, {kProgramId, 0.5}}},
		{512, {}},
	};
}

int32 planLength(const std::vector<BlockPlan>& plan)
{
	int32 length = 0;
	for (const BlockPlan& block : plan)
		length += block.frames;
	return length;
}

TEST(ModuleProcess, StereoOutputMatchesTheEffect)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const std::vector<BlockPlan> plan = busyPlan();
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan))));
}

TEST(ModuleProcess, HostTimeDoesNotChangeTheSound)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	VeltraneHost::Transport transport;
	RenderOptions options;
	options.transport = &transport;
	const std::vector<BlockPlan> plan = busyPlan();
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan)), 0, options));
}

TEST(ModuleProcess, MonoOutputMatchesTheEffectsLeftVoice)
{
	PlugIn plugIn;
	plugIn.start(SpeakerArr::kMono);
	ASSERT_EQ(plugIn.instance.busArrangement(kOutput, 0), SpeakerArr::kMono);
	ReferenceEffect reference(1);
	const std::vector<BlockPlan> plan = busyPlan();
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, {testSignal(planLength(plan), 13)}));
}

TEST(ModuleProcess, BypassCopiesTheInput)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	std::vector<BlockPlan> plan = {
		{512, {kDelayMode, kDelay20ms, {1, 0.5}}},
		{256, {{kBypassId, 1.0}}},
		{512, {{6, 1.0}}},
		{256, {{kBypassId, 0.0}}},
	};
	plan.resize(plan.size() + 8, BlockPlan{kMaxBlock, {}});
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan))));
}

TEST(ModuleProcess, BypassChangeDoesNotHoldBackLaterChanges)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	std::vector<BlockPlan> plan = {
		{256, {}},
		{256, {{kBypassId, 1.0}, {0, 0.01}, {8, 1.0}, {1, 0.5}}},
		{512, {{kBypassId, 0.0}}},
	};
	plan.resize(plan.size() + 8, BlockPlan{kMaxBlock, {}});
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan))));
}

TEST(ModuleProcess, QueueWithoutPointsDoesNotHoldBackLaterChanges)
{
	PlugIn plugIn;
	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	int32 index = 0;
	ASSERT_NE(block.inputParameterChanges().addParameterData(5, index), nullptr);
	block.inputParameterChanges().addPoint(9, 0, 1.0); // Active "Off": output = input x volume
	const std::vector<float> noise = testSignal(kMaxBlock, 14);
	std::copy(noise.begin(), noise.end(), block.input(0));
	std::copy(noise.begin(), noise.end(), block.input(1));
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	for (int32 i = 0; i < kMaxBlock; ++i)
		ASSERT_EQ(block.output(0)[i], noise[static_cast<size_t>(i)] * 0.7f) << "frame " << i;
}

TEST(ModuleProcess, FlushCallsApplyTheirChanges)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const int32 blocks = 10;
	const std::vector<std::vector<float>> input = stereoSignal(blocks * kMaxBlock);
	ASSERT_TRUE(rendersLikeReference(plugIn, reference, {{kMaxBlock, {}}}, input));

	// No buffers at all.
	VeltraneHost::ProcessBlock bare(0, 0, kMaxBlock);
	bare.inputParameterChanges().addPoint(0, 0, 0.005);
	bare.inputParameterChanges().addPoint(8, 0, 1.0);
	ASSERT_EQ(plugIn.instance.process(bare), kResultOk);
	reference.hostChange(0, 0.005);
	reference.hostChange(8, 1.0);

	// Buffers, but no samples.
	VeltraneHost::ProcessBlock empty = plugIn.instance.makeBlock(kMaxBlock);
	empty.setNumSamples(0);
	empty.inputParameterChanges().addPoint(1, 0, 0.7);
	ASSERT_EQ(plugIn.instance.process(empty), kResultOk);
	reference.hostChange(1, 0.7);

	EXPECT_TRUE(rendersLikeReference(plugIn, reference, std::vector<BlockPlan>(blocks - 1, BlockPlan{kMaxBlock, {}}),
	                                 input, kMaxBlock));
}

// A value that is not a number is dropped and one outside 0..1 is bounded:
// either would otherwise spoil a smoother or push a control past its range.
TEST(ModuleProcess, HostileValuesNeitherPoisonNorOverdriveTheControls)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const double nan = std::numeric_limits<double>::quiet_NaN();
	std::vector<BlockPlan> plan = {
		{kMaxBlock, {{1, nan}, {7, 1e6}, kDelayMode, kDelay20ms}},
		{kMaxBlock, {{1, nan}, {6, -3.0}}},
		{kMaxBlock, {{1, 0.5}}},
	};
	plan.resize(plan.size() + 6, BlockPlan{kMaxBlock, {}});
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan))));
	EXPECT_EQ(reference.effect.m_fVolume, 1.0f);
}

// A host passing an output bus without channels gets nothing written.
TEST(ModuleProcess, OutputBusWithoutChannelsIsLeftAlone)
{
	PlugIn plugIn;
	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	Steinberg::Vst::ProcessData& data = block.assemble();
	data.outputs[0].numChannels = 0;
	data.outputs[0].channelBuffers32 = nullptr;
	EXPECT_EQ(plugIn.instance.processor().process(data), kResultOk);
}

TEST(ModuleProcess, SilentInputStillLetsEchoesRingOut)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const int32 blocks = 24;
	std::vector<std::vector<float>> input(2, std::vector<float>(static_cast<size_t>(blocks * kMaxBlock), 0.0f));
	input[0][10] = input[1][20] = 1.0f;
	std::vector<BlockPlan> plan(blocks, BlockPlan{kMaxBlock, {}, 3});
	plan[0] = {kMaxBlock, {kDelayMode, kDelay100ms, {1, 0.6}}};
	std::vector<std::vector<float>> output(2);
	RenderOptions options;
	options.output = &output;
	ASSERT_TRUE(rendersLikeReference(plugIn, reference, plan, input, 0, options));

	// Long after the clicks, in blocks flagged silent, the echoes still sound.
	for (const std::vector<float>& channel : output)
	{
		const auto late = channel.begin() + (blocks / 2) * kMaxBlock;
		EXPECT_TRUE(std::any_of(late, channel.end(), [](float sample) { return sample != 0.0f; }));
	}
}

TEST(ModuleProcess, SilenceIsFlaggedOnlyForSilentOutputChannels)
{
	PlugIn plugIn;
	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	EXPECT_EQ(block.outputSilenceFlags(), 3u);

	const std::vector<float> noise = testSignal(kMaxBlock, 15);
	std::copy(noise.begin(), noise.end(), block.input(1));
	block.setInputSilenceFlags(1);
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	EXPECT_EQ(block.outputSilenceFlags(), 1u);

	// A wrong flag from the host must not silence a channel that carries sound.
	block.setInputSilenceFlags(3);
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	EXPECT_EQ(block.outputSilenceFlags(), 1u);
	EXPECT_NE(block.output(1)[100], 0.0f);
}

// Hosts reactivate to change block size; a change still gliding must not be lost.
TEST(ModuleProcess, GlideCutShortByReactivationStillLands)
{
	PlugIn plugIn;
	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	block.inputParameterChanges().addPoint(0, 0, 0.5);
	block.inputParameterChanges().addPoint(2, 0, 0.0);
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	ASSERT_EQ(plugIn.instance.setActive(false), kResultOk);
	ASSERT_EQ(plugIn.instance.setActive(true), kResultOk);
	ASSERT_TRUE(processSilence(plugIn, 10));
	const StateFields state = decodeState(plugIn.instance.getState());
	EXPECT_EQ(state.floats[0], 1000.0f);
	EXPECT_EQ(state.floats[2], 100.0f);
}

TEST(ModuleProcess, ReportsLatencyTailAndSampleSize)
{
	PlugIn plugIn;
	plugIn.start();
	EXPECT_EQ(plugIn.instance.latencySamples(), 0u);
	EXPECT_EQ(plugIn.instance.tailSamples(), kInfiniteTail);
	EXPECT_EQ(plugIn.instance.tailSamples(), 0xFFFFFFFFu);
	EXPECT_EQ(plugIn.instance.processor().canProcessSampleSize(kSample32), kResultTrue);
	EXPECT_EQ(plugIn.instance.processor().canProcessSampleSize(kSample64), kResultFalse);
}

TEST(ModuleProcess, OffersStereoBusesAndEvents)
{
	PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.busCount(kAudio, kInput), 1);
	ASSERT_EQ(plugIn.instance.busCount(kAudio, kOutput), 1);
	ASSERT_EQ(plugIn.instance.busCount(kEvent, kInput), 1);
	EXPECT_EQ(plugIn.instance.busCount(kEvent, kOutput), 0);
	const BusInfo input = plugIn.instance.busInfo(kAudio, kInput, 0);
	const BusInfo output = plugIn.instance.busInfo(kAudio, kOutput, 0);
	const BusInfo events = plugIn.instance.busInfo(kEvent, kInput, 0);
	EXPECT_EQ(toAscii(input.name), "AudioInput");
	EXPECT_EQ(toAscii(output.name), "Audio Output");
	EXPECT_EQ(toAscii(events.name), "Event Input");
	EXPECT_EQ(input.channelCount, 2);
	EXPECT_EQ(output.channelCount, 2);
	EXPECT_EQ(events.channelCount, 16);
	EXPECT_EQ(input.busType, kMain);
	EXPECT_EQ(output.busType, kMain);
	EXPECT_EQ(input.flags & BusInfo::kDefaultActive, BusInfo::kDefaultActive);
	EXPECT_EQ(plugIn.instance.busArrangement(kInput, 0), SpeakerArr::kStereo);
	EXPECT_EQ(plugIn.instance.busArrangement(kOutput, 0), SpeakerArr::kStereo);
}

// An exception must not cross the interface into the host.
TEST(ModuleProcess, BusIndexesOutsideTheListsAreRefused)
{
	PlugIn plugIn;
	IComponent& component = plugIn.instance.component();
	IAudioProcessor& processor = plugIn.instance.processor();
	for (MediaType type : {MediaType(kAudio), MediaType(kEvent)})
	{
		for (BusDirection direction : {BusDirection(kInput), BusDirection(kOutput)})
		{
			for (int32 index : {-1, 1, 100})
			{
				SCOPED_TRACE("type " + std::to_string(type) + ", direction " + std::to_string(direction) +
				             ", bus " + std::to_string(index));
				BusInfo info{};
				tresult answer = kResultOk;
				EXPECT_NO_THROW(answer = component.getBusInfo(type, direction, index, info));
				EXPECT_NE(answer, kResultOk);
				EXPECT_NO_THROW(answer = component.activateBus(type, direction, index, true));
				EXPECT_NE(answer, kResultOk);
			}
		}
	}
	for (BusDirection direction : {BusDirection(kInput), BusDirection(kOutput)})
	{
		SpeakerArrangement arrangement = 0;
		tresult answer = kResultOk;
		EXPECT_NO_THROW(answer = processor.getBusArrangement(direction, 1, arrangement));
		EXPECT_NE(answer, kResultOk);
		EXPECT_NO_THROW(answer = processor.getBusArrangement(direction, -1, arrangement));
		EXPECT_NE(answer, kResultOk);
	}
}

TEST(ModuleProcess, AcceptsOnlyEqualMonoOrStereoArrangements)
{
	PlugIn plugIn;
	VeltraneHost::PlugInstance& instance = plugIn.instance;
	const SpeakerArrangement mono = SpeakerArr::kMono, stereo = SpeakerArr::kStereo;
	const struct
	{
		std::vector<SpeakerArrangement> inputs, outputs;
	} refused[] = {
		{{stereo}, {mono}},
		{{mono}, {stereo}},
		{{stereo, stereo}, {stereo}},
		{{stereo}, {stereo, stereo}},
		{{}, {stereo}},
		{{stereo}, {}},
		{{SpeakerArr::k51}, {SpeakerArr::k51}},
		{{SpeakerArr::k30Cine}, {SpeakerArr::k30Cine}},
		{{SpeakerArr::kEmpty}, {SpeakerArr::kEmpty}},
	};
	for (const auto& request : refused)
	{
		EXPECT_EQ(instance.setBusArrangements(request.inputs, request.outputs), kResultFalse)
			<< request.inputs.size() << " in, " << request.outputs.size() << " out";
		EXPECT_EQ(instance.busArrangement(kInput, 0), stereo);
		EXPECT_EQ(instance.busArrangement(kOutput, 0), stereo);
	}

	EXPECT_EQ(instance.setBusArrangements({mono}, {mono}), kResultOk);
	EXPECT_EQ(instance.busArrangement(kOutput, 0), mono);
	EXPECT_EQ(instance.setBusArrangements({stereo}, {stereo}), kResultOk);
	EXPECT_EQ(instance.busArrangement(kOutput, 0), stereo);
}

TEST(ModuleProcess, RefusedSetupLeavesTheRateAsItWas)
{
	PlugIn plugIn;
	IAudioProcessor& processor = plugIn.instance.processor();
	ASSERT_EQ(plugIn.instance.setupProcessing(kSampleRate, kMaxBlock), kResultOk);
	for (double rate : {0.0, 0.5, -48000.0, 1536001.0, std::numeric_limits<double>::quiet_NaN(),
	                    std::numeric_limits<double>::infinity()})
	{
		ProcessSetup setup{kRealtime, kSample32, kMaxBlock, rate};
		EXPECT_EQ(processor.setupProcessing(setup), kResultFalse) << "rate " << rate;
	}
	ProcessSetup wide{kRealtime, kSample64, kMaxBlock, 44100.0};
	EXPECT_EQ(processor.setupProcessing(wide), kResultFalse);

	// A 100 ms echo lands where 48 kHz puts it only if the rate stayed.
	ASSERT_EQ(plugIn.instance.setActive(true), kResultOk);
	ReferenceEffect reference;
	const std::vector<BlockPlan> plan = {{kMaxBlock, {kDelayMode, kDelay100ms, {6, 1.0}}}, {kMaxBlock, {}},
	                                     {kMaxBlock, {}}, {kMaxBlock, {}}, {kMaxBlock, {}},
	                                     {kMaxBlock, {}}, {kMaxBlock, {}}, {kMaxBlock, {}},
	                                     {kMaxBlock, {}}, {kMaxBlock, {}}, {kMaxBlock, {}}};
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, stereoSignal(planLength(plan))));
}

TEST(ModuleProcess, AcceptsTheExtremeRates)
{
	PlugIn plugIn;
	IAudioProcessor& processor = plugIn.instance.processor();
	for (double rate : {1.0, 1536000.0})
	{
		ProcessSetup setup{kRealtime, kSample32, kMaxBlock, rate};
		EXPECT_EQ(processor.setupProcessing(setup), kResultOk) << "rate " << rate;
	}
}

} // namespace
} // namespace ModuleTest
