// Settings leaving and re-entering the module: the component state hosts keep
// in projects, and factory presets chosen through the program parameter.
#include "ModuleTestSupport.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace ModuleTest {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

struct ControlRange
{
	float minimum, maximum;
};

constexpr ControlRange kRanges[kControlCount] = {
	{0, 2000}, {0, 100}, {100, 16000}, {0.5f, 10}, {1, 20}, {0, 1}, {0, 100}, {0, 1}, {0, 1}, {0, 1},
};

// Delay, Feedback, Cutoff, Resonance, Delay Ratio, Offset, Wet/Dry, Volume, Delay State, Active.
constexpr double kPresets[kPresetCount][kControlCount] = {
	{0, 0, 16000, 0.5, 1, 0, 50, 0.7, 0, 0},
	{139.999985, 58.499996, 16000, 0.69, 15.44, 0, 100, 0.635, 0, 0},
	{1140, 82.499992, 16000, 0.69, 14.775, 0, 64, 0.635, 0, 0},
	{740, 100, 5108.500488, 3.35, 6.224999, 0.41, 61, 0.635, 0, 0},
	{2000, 81.000008, 1133.50061, 8.7175, 2.33, 0.105, 100, 0.635, 0, 0},
	{1550, 79, 4949.500488, 2.352499, 14.68, 0, 27.000002, 0.635, 1, 0},
	{750, 88.499992, 13058.5, 9.192499, 19.240002, 0, 15.000002, 0.635, 1, 0},
	{1300.000122, 91.999992, 8129.5, 6.152499, 12.305001, 1, 33, 0.52, 1, 0},
	{850.000061, 66.999992, 3995.5, 7.054999, 2.330002, 1, 37.5, 0.52, 1, 0},
	{850.000061, 78.499992, 12979, 7.3875, 20, 0.15, 37.5, 0.52, 1, 0},
	{830.000122, 73.999992, 12979, 5.915, 20, 0.07, 55, 0.52, 0, 0},
};

constexpr int kBanking = 3;
// Long enough for every glide to land on its target.
constexpr int32 kSettleBlocks = 200;

float linearNormalized(int32 index, double plain)
{
	const ControlRange range = kRanges[index];
	return (static_cast<float>(plain) - range.minimum) / (range.maximum - range.minimum);
}

ParamValue programValue(int slot)
{
	return slot / static_cast<double>(kPresetCount - 1);
}

// A state unlike the defaults in every field.
StateFields sampleState()
{
	StateFields fields;
	fields.floats = {1234.5f, 40, 5000, 2, 2, 0.25f, 70, 0.9f};
	fields.enums = {1, 1};
	fields.bypass = 1;
	fields.joystickX = 0.5f;
	fields.joystickY = -0.25f;
	return fields;
}

std::vector<ParamValue> controllerValues(IEditController& controller)
{
	std::vector<ParamValue> values;
	for (ParamID id = 0; id < static_cast<ParamID>(kControlCount); ++id)
		values.push_back(controller.getParamNormalized(id));
	for (ParamID id : {kBypassId, kJoystickXId, kJoystickYId})
		values.push_back(controller.getParamNormalized(id));
	return values;
}

void expectPresetValues(const StateFields& state, int slot)
{
	SCOPED_TRACE("preset slot " + std::to_string(slot));
	for (int32 i = 0; i < 8; ++i)
		EXPECT_FLOAT_EQ(state.floats[i], static_cast<float>(kPresets[slot][i])) << "control " << i;
	EXPECT_EQ(state.enums[0], static_cast<uint32_t>(kPresets[slot][8]));
	EXPECT_EQ(state.enums[1], static_cast<uint32_t>(kPresets[slot][9]));
	EXPECT_EQ(state.joystickX, 0.0f);
	EXPECT_EQ(state.joystickY, 0.0f);
}

TEST(ModuleState, FreshInstanceWritesTheDefaults)
{
	PlugIn plugIn;
	const std::vector<uint8_t> expected = {
		0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // version
		0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // Delay 0, Feedback 0
		0x00, 0x00, 0x7A, 0x46, 0x00, 0x00, 0x00, 0x3F, // Cutoff 16000, Resonance 0.5
		0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, // Delay Ratio 1, Offset 0
		0x00, 0x00, 0x48, 0x42, 0x33, 0x33, 0x33, 0x3F, // Wet/Dry 50, Volume 0.7
		0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // Delay State 0, Active 0
		0x00, 0x00,                                     // not bypassed
		0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // joystick X and Y
	};
	EXPECT_EQ(plugIn.instance.getState(), expected);
}

TEST(ModuleState, RestoredStateReadsBackAndReachesTheController)
{
	PlugIn plugIn;
	const std::vector<uint8_t> bytes = encodeState(sampleState());
	ASSERT_EQ(plugIn.instance.setState(bytes), kResultOk);
	EXPECT_EQ(plugIn.instance.getState(), bytes);

	IEditController& controller = plugIn.controller();
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(0), 1234.5 / 2000);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(2), (5000.0 - 100) / 15900);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(7), static_cast<double>(0.9f));
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(8), 1.0);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(9), 1.0);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kBypassId), 1.0);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kJoystickXId), 0.75);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kJoystickYId), 0.375);

	PlugIn other;
	ASSERT_EQ(other.instance.setState(plugIn.instance.getState()), kResultOk);
	EXPECT_EQ(other.instance.getState(), bytes);
}

TEST(ModuleState, DefaultStateGivesTheControllerItsDefaults)
{
	PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.setState(encodeState(StateFields{})), kResultOk);
	IEditController& controller = plugIn.controller();
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(2), 1.0);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kJoystickXId), 0.5);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kJoystickYId), 0.5);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(kBypassId), 0.0);
}

TEST(ModuleState, VersionTwoReadsLikeVersionOne)
{
	PlugIn plugIn;
	StateFields fields = sampleState();
	fields.version = 2;
	ASSERT_EQ(plugIn.instance.setState(encodeState(fields)), kResultOk);
	fields.version = 1; // this build always writes 1
	EXPECT_EQ(plugIn.instance.getState(), encodeState(fields));
}

TEST(ModuleState, VersionZeroWithoutJoystickKeepsTheJoystick)
{
	PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.setState(encodeState(sampleState())), kResultOk);

	StateFields older;
	older.version = 0;
	older.hasJoystick = false;
	older.floats[1] = 25;
	const std::vector<uint8_t> bytes = encodeState(older);
	ASSERT_EQ(bytes.size(), 50u);
	ASSERT_EQ(plugIn.instance.setState(bytes), kResultOk);

	const StateFields restored = decodeState(plugIn.instance.getState());
	EXPECT_EQ(restored.floats, older.floats);
	EXPECT_EQ(restored.enums, older.enums);
	EXPECT_EQ(restored.bypass, 0);
	EXPECT_EQ(restored.joystickX, 0.5f);
	EXPECT_EQ(restored.joystickY, -0.25f);
	EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(kJoystickXId), 0.75);
	EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(1), 0.25);
}

TEST(ModuleState, AnyNonzeroBypassFieldBypasses)
{
	PlugIn plugIn;
	StateFields fields;
	fields.bypass = 0x0002;
	ASSERT_EQ(plugIn.instance.setState(encodeState(fields)), kResultOk);
	EXPECT_EQ(decodeState(plugIn.instance.getState()).bypass, 1);
	EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(kBypassId), 1.0);

	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	const std::vector<float> left = testSignal(kMaxBlock, 1), right = testSignal(kMaxBlock, 2);
	std::copy(left.begin(), left.end(), block.input(0));
	std::copy(right.begin(), right.end(), block.input(1));
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	EXPECT_EQ(std::vector<float>(block.output(0), block.output(0) + kMaxBlock), left);
	EXPECT_EQ(std::vector<float>(block.output(1), block.output(1) + kMaxBlock), right);
}

TEST(ModuleState, StreamEndingEarlyChangesNothing)
{
	PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.setState(encodeState(sampleState())), kResultOk);
	const std::vector<uint8_t> before = plugIn.instance.getState();
	const std::vector<ParamValue> controllerBefore = controllerValues(plugIn.controller());

	StateFields other;
	other.floats = {10, 20, 300, 4, 5, 0.5f, 60, 0.1f};
	const std::vector<uint8_t> whole = encodeState(other);
	// 26 bytes: the stream ends inside the fifth control value.
	for (size_t length : {0, 4, 26, 48, 50, 54, 57})
	{
		SCOPED_TRACE("stream of " + std::to_string(length) + " bytes");
		std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
		EXPECT_EQ(plugIn.instance.setState(cut), kResultFalse);
		EXPECT_EQ(plugIn.instance.getState(), before);

		MemoryStream stream(cut.data(), static_cast<TSize>(cut.size()));
		EXPECT_EQ(plugIn.controller().setComponentState(&stream), kResultFalse);
		EXPECT_EQ(controllerValues(plugIn.controller()), controllerBefore);
	}
}

TEST(ModuleState, ValuesOutsideTheRangesAreClamped)
{
	PlugIn plugIn;
	const float nan = std::numeric_limits<float>::quiet_NaN();
	const float infinity = std::numeric_limits<float>::infinity();
	StateFields damaged;
	damaged.floats = {nan, infinity, -infinity, 1e30f, 0.5f, -1, 1000, -0.5f};
	damaged.enums = {7, 0xFFFFFFFF};
	damaged.joystickX = nan;
	damaged.joystickY = -9;
	ASSERT_EQ(plugIn.instance.setState(encodeState(damaged)), kResultOk);

	StateFields clamped;
	clamped.floats = {0, 100, 100, 10, 1, 0, 100, 0};
	clamped.enums = {1, 1};
	clamped.joystickX = 0;
	clamped.joystickY = -1;
	EXPECT_EQ(plugIn.instance.getState(), encodeState(clamped));

	const std::vector<ParamValue> expected = {0, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 0.5, 0};
	const std::vector<ParamValue> actual = controllerValues(plugIn.controller());
	ASSERT_EQ(actual.size(), expected.size());
	for (size_t i = 0; i < expected.size(); ++i)
		EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "value " << i;

	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	const std::vector<float> noise = testSignal(kMaxBlock, 3);
	std::copy(noise.begin(), noise.end(), block.input(0));
	std::copy(noise.begin(), noise.end(), block.input(1));
	ASSERT_EQ(plugIn.instance.process(block), kResultOk);
	for (int32 c = 0; c < 2; ++c)
		for (int32 i = 0; i < kMaxBlock; ++i)
			ASSERT_TRUE(std::isfinite(block.output(c)[i])) << "channel " << c << ", frame " << i;
}

TEST(ModuleState, ProgramChangeLoadsThePresetAndTheSoundFollows)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const int32 frames = 256;
	const std::vector<std::vector<float>> input = {testSignal(400 * frames, 4), testSignal(400 * frames, 5)};
	ASSERT_TRUE(rendersLikeReference(plugIn, reference, std::vector<BlockPlan>(2, BlockPlan{frames, {}}), input));

	plugIn.instance.componentHandler().clear();
	ASSERT_EQ(plugIn.controller().setParamNormalized(kProgramId, programValue(kBanking)), kResultOk);
	EXPECT_NE(plugIn.instance.componentHandler().restartFlags() & kParamValuesChanged, 0);
	for (int32 i = 0; i < kControlCount; ++i)
	{
		const float u = linearNormalized(i, kPresets[kBanking][i]);
		EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(static_cast<ParamID>(i)), static_cast<double>(u))
			<< "parameter " << i;
		reference.effect.setNormalized(static_cast<uint32>(i), u, false); // presets glide
	}
	EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(kJoystickXId), 0.5);
	EXPECT_DOUBLE_EQ(plugIn.controller().getParamNormalized(kJoystickYId), 0.5);

	EXPECT_TRUE(rendersLikeReference(plugIn, reference, std::vector<BlockPlan>(398, BlockPlan{frames, {}}), input,
	                                 2 * frames));
	expectPresetValues(decodeState(plugIn.instance.getState()), kBanking);
}

TEST(ModuleState, EveryFactoryPresetLandsOnItsValues)
{
	PlugIn plugIn;
	plugIn.start();
	for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0})
	{
		ASSERT_EQ(plugIn.controller().setParamNormalized(kProgramId, programValue(slot)), kResultOk);
		ASSERT_TRUE(processSilence(plugIn, kSettleBlocks));
		expectPresetValues(decodeState(plugIn.instance.getState()), slot);
	}
}

TEST(ModuleState, ProgramChosenBeforeActivationReachesTheSound)
{
	PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.setupProcessing(kSampleRate, kMaxBlock), kResultOk);
	ASSERT_EQ(plugIn.controller().setParamNormalized(kProgramId, programValue(kBanking)), kResultOk);
	ASSERT_EQ(plugIn.instance.setActive(true), kResultOk);
	plugIn.instance.setProcessing(true);
	ASSERT_TRUE(processSilence(plugIn, kSettleBlocks));
	expectPresetValues(decodeState(plugIn.instance.getState()), kBanking);
}

TEST(ModuleState, StateRestoredWhileProcessingLandsAtOnceAndStays)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	const int32 frames = 256;
	const std::vector<std::vector<float>> input = {testSignal(120 * frames, 6), testSignal(120 * frames, 7)};
	ASSERT_TRUE(rendersLikeReference(plugIn, reference, std::vector<BlockPlan>(4, BlockPlan{frames, {}}), input));

	StateFields restored;
	restored.floats = {300, 40, 5000, 2, 2, 0.3f, 70, 0.9f};
	restored.enums = {1, 0};
	restored.joystickX = 0.2f;
	restored.joystickY = -0.4f;
	const std::vector<uint8_t> bytes = encodeState(restored);
	ASSERT_EQ(plugIn.instance.setState(bytes), kResultOk);
	EXPECT_EQ(plugIn.instance.getState(), bytes); // before the audio thread has picked it up

	for (uint32 i = 0; i < 8; ++i)
		reference.landAt(i, restored.floats[i]);
	for (uint32 i = 0; i < 2; ++i)
		reference.landAt(8 + i, static_cast<float>(restored.enums[i]));

	ASSERT_TRUE(rendersLikeReference(plugIn, reference, {BlockPlan{frames, {}}}, input, 4 * frames));
	EXPECT_EQ(plugIn.instance.getState(), bytes);
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, std::vector<BlockPlan>(115, BlockPlan{frames, {}}), input,
	                                 5 * frames));
	EXPECT_EQ(plugIn.instance.getState(), bytes);
}

} // namespace
} // namespace ModuleTest
