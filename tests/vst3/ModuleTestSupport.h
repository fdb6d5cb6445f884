// Shared pieces of the module tests: the built bundle loaded as a DAW loads
// it, the in-process effect as the reference for its audio, and the bytes
// of the component state.
#pragma once

#include "host/Module.h"
#include "host/PlugInstance.h"
#include "host/ProcessBlock.h"
#include "host/Transport.h"

#include "ZuVurazOva.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ModuleTest {

using Steinberg::int32;
using Steinberg::uint32;
using Steinberg::Vst::ParamID;
using Steinberg::Vst::ParamValue;
using Steinberg::Vst::SpeakerArrangement;

constexpr ParamID kBypassId = 0x808;
constexpr ParamID kProgramId = 0x70727374;
constexpr ParamID kJoystickXId = 0x8005;
constexpr ParamID kJoystickYId = 0x8006;
constexpr int32 kControlCount = 10;
constexpr int32 kPresetCount = 11;
constexpr double kSampleRate = 48000.0;
constexpr int32 kMaxBlock = 512;

inline const char* bundlePath()
{
	return VELTRANE_BUNDLE;
}

std::string toAscii(const Steinberg::Vst::TChar* text);

// A fresh instance of the module; start() brings it to processing at
// 48 kHz with the given main-bus arrangement.
struct PlugIn
{
	PlugIn();
	void start(SpeakerArrangement arrangement = Steinberg::Vst::SpeakerArr::kStereo);
	Steinberg::Vst::IEditController& controller() const { return instance.controller(); }

	VeltraneHost::Module module;
	VeltraneHost::PlugInstance instance;
};

// Runs `blocks` process calls of `frames` silent frames; false when one is refused.
bool processSilence(PlugIn& plugIn, int32 blocks, int32 frames = kMaxBlock);

// Noise with a few full-scale clicks, the same for every run.
std::vector<float> testSignal(int32 length, uint32 seed);

// The effect run in-process, driven the way the module drives it.
class ReferenceEffect
{
public:
	explicit ReferenceEffect(int32 channels = 2);

	// A host change as it reaches the effect at the start of a block.
	void hostChange(ParamID id, ParamValue value);
	// A restored value, landing at once even on a smoothed control.
	void landAt(uint32 index, float plain);
	// Frames of `channels` samples; a bypassed block copies its input.
	void process(const float* const* in, float* const* out, int32 frames);

	CZuVurazOva effect;
	int32 channels;
	bool bypassed = false;
	bool firstBlock = true; // of the module's activation the reference stands for
};

struct HostChange
{
	ParamID id;
	ParamValue value;
};

// One block of a render: its length and the changes it carries.
struct BlockPlan
{
	int32 frames;
	std::vector<HostChange> changes;
	Steinberg::uint64 inputSilenceFlags = 0;
};

// What a render may add to each block, and what it may keep.
struct RenderOptions
{
	VeltraneHost::Transport* transport = nullptr;    // gives every block a context when set
	std::vector<std::vector<float>>* output = nullptr; // the module's output, appended per channel
};

// Runs the plan through the module and the reference on the same input,
// from sample `start` of `input` (one vector per channel). Fails at the
// first output sample whose bits differ, and at the first block whose
// output silence flags do not mark exactly the all-zero channels.
::testing::AssertionResult rendersLikeReference(PlugIn& plugIn, ReferenceEffect& reference,
	const std::vector<BlockPlan>& plan, const std::vector<std::vector<float>>& input, int32 start = 0,
	const RenderOptions& options = {});

// The component state of the stereo delay, field by field.
struct StateFields
{
	uint64_t version = 1;
	std::array<float, 8> floats{0, 0, 16000, 0.5f, 1, 0, 50, 0.7f};
	std::array<uint32_t, 2> enums{0, 0};
	uint16_t bypass = 0;
	bool hasJoystick = true;
	float joystickX = 0, joystickY = 0;
};

std::vector<uint8_t> encodeState(const StateFields& fields);
// Fails the test and answers default fields when the bytes are not 58 long.
StateFields decodeState(const std::vector<uint8_t>& bytes);

} // namespace ModuleTest
