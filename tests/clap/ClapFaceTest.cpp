// The module's CLAP face, loaded as a CLAP host loads it, held to its VST 3 face.
#include "host/clap/ClapHost.h"

#include "AllocationCounter.h"
#include "TestSignals.h"

#include "host/Module.h"
#include "host/PlugInstance.h"
#include "host/ProcessBlock.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vstspeaker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace VeltraneHost;
using Steinberg::Vst::ParamID;

namespace {

constexpr double kRate = 48000.0;
constexpr uint32_t kBlock = 256;
constexpr ParamID kDelay = 0, kFeedback = 1, kCutoff = 2, kWetDry = 6, kDelayState = 8, kBypass = 0x808;
constexpr ParamID kModWheel = 0x801, kMidiVolume = 0x802, kPitchBend = 0x800, kPresets = 0x70727374;

struct ClapFace
{
	ClapLibrary library {VELTRANE_CLAP};
	ClapHostContext host;
	ClapInstance instance {library, host};
};

struct Vst3Face
{
	Vst3Face()
	{
		using namespace Steinberg::Vst;
		instance.setBusArrangements({SpeakerArr::kStereo}, {SpeakerArr::kStereo});
		instance.activateBus(kAudio, kInput, 0, true);
		instance.activateBus(kAudio, kOutput, 0, true);
	}
	VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	VeltraneHost::PlugInstance instance = module.createInstance();
};

// One scheduled change: a parameter in plain units, or a MIDI message.
struct Change
{
	uint32_t block, offset;
	ParamID id;
	double plain;
	uint8_t status = 0, data1 = 0, data2 = 0; // MIDI when status is set
};

TEST(ClapFace, RendersBitIdenticalToTheVst3FaceWithParameterEventsAndControllers)
{
	ClapFace clap;
	Vst3Face vst3;
	ASSERT_EQ(vst3.instance.setupProcessing(kRate, kBlock, Steinberg::Vst::kRealtime), Steinberg::kResultOk);
	VeltraneHost::ProcessBlock block = vst3.instance.makeBlock(kBlock);
	ASSERT_EQ(vst3.instance.setActive(true), Steinberg::kResultOk);
	vst3.instance.setProcessing(true);
	ASSERT_TRUE(clap.instance.activate(kRate, kBlock));

	const std::vector<Change> changes = {
		{0, 0, kDelay, 120.0},
		{0, 37, kFeedback, 60.0},
		{0, 37, kWetDry, 80.0},
		{1, 10, kModWheel, 64 / 127.0, 0xB0, 1, 64},
		{1, 200, kCutoff, 2500.0},
		{2, 50, kMidiVolume, 100 / 127.0, 0xB3, 7, 100},
		{3, 0, kPitchBend, 8192 / 16383.0, 0xE0, 0, 64},
		{3, 255, kDelayState, 1.0},
		{5, 128, kDelay, 33.5},
		{6, 1, kFeedback, 85.0},
	};
	constexpr uint32_t kBlocks = 12;
	const std::vector<float> left = noise(kBlock * kBlocks, 1), right = noise(kBlock * kBlocks, 2);
	std::vector<float> clapLeft(left.size()), clapRight(left.size()), vst3Left(left.size()), vst3Right(left.size());
	InputEvents in;
	OutputEvents out;
	for (uint32_t b = 0; b < kBlocks; ++b)
	{
		in.clear();
		const size_t at = b * kBlock;
		for (const Change& change : changes)
		{
			if (change.block != b)
				continue;
			if (change.status)
				in.midi(change.offset, change.status, change.data1, change.data2);
			else
				in.paramValue(change.offset, change.id, change.plain);
			const double normalized =
				change.status ? change.plain : vst3.instance.controller().plainParamToNormalized(change.id, change.plain);
			block.inputParameterChanges().addPoint(change.id, static_cast<int32_t>(change.offset), normalized);
		}
		float* inputs[2] = {const_cast<float*>(&left[at]), const_cast<float*>(&right[at])};
		float* clapOutputs[2] = {&clapLeft[at], &clapRight[at]};
		ASSERT_TRUE(clap.instance.process(inputs, clapOutputs, kBlock, in, out));

		block.setInput(0, inputs[0]);
		block.setInput(1, inputs[1]);
		block.setOutput(0, &vst3Left[at]);
		block.setOutput(1, &vst3Right[at]);
		block.setNumSamples(kBlock);
		ASSERT_EQ(vst3.instance.process(block), Steinberg::kResultOk);
		block.clearInputs();
	}
	EXPECT_EQ(0, std::memcmp(clapLeft.data(), vst3Left.data(), left.size() * sizeof(float)));
	EXPECT_EQ(0, std::memcmp(clapRight.data(), vst3Right.data(), left.size() * sizeof(float)));
	EXPECT_NE(0, std::memcmp(clapLeft.data(), left.data(), left.size() * sizeof(float))); // the effect ran

	// Controllers moved parameters through the MIDI mapping; the host hears of it, not for recording.
	bool modWheelReported = false;
	for (const clap_event_param_value_t& event : out.values)
		if (event.param_id == kModWheel)
			modWheelReported = std::fabs(event.value - 64 / 127.0) < 1e-12 && (event.header.flags & CLAP_EVENT_DONT_RECORD);
	EXPECT_TRUE(modWheelReported);
}

TEST(ClapFace, DescribesItsParametersAndConvertsTheirTexts)
{
	ClapFace clap;
	const clap_plugin_params_t& params = clap.instance.params();
	const clap_plugin_t* plugin = clap.instance.plugin();
	ASSERT_EQ(params.count(plugin), 25u);
	const std::vector<clap_id> ids = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x8005, 0x8006, 0x8000, 0x8001, 0x8002, 0x808,
		0x800, 0x802, 0x803, 0x801, 0x804, 0x806, 0x805, 0x807, kPresets};
	for (uint32_t i = 0; i < ids.size(); ++i)
	{
		clap_param_info_t info {};
		ASSERT_TRUE(params.get_info(plugin, i, &info));
		EXPECT_EQ(info.id, ids[i]);
		const bool list = info.id == kDelayState || info.id == 9 || info.id == kPresets;
		EXPECT_EQ((info.flags & CLAP_PARAM_IS_STEPPED) != 0, list || info.id == kBypass) << info.name;
		EXPECT_EQ((info.flags & CLAP_PARAM_IS_AUTOMATABLE) != 0, info.id != kPresets) << info.name;
		EXPECT_EQ((info.flags & CLAP_PARAM_IS_BYPASS) != 0, info.id == kBypass) << info.name;
		if (info.id == kCutoff)
		{
			EXPECT_STREQ(info.name, "Cutoff");
			EXPECT_EQ(info.min_value, 100.0);
			EXPECT_EQ(info.max_value, 16000.0);
			EXPECT_EQ(info.default_value, 16000.0);
		}
		if (info.id == kPresets)
			EXPECT_EQ(info.max_value, 10.0);
	}
	clap_param_info_t info {};
	EXPECT_FALSE(params.get_info(plugin, 25, &info));

	char text[64] = {};
	ASSERT_TRUE(params.value_to_text(plugin, kDelay, 750.0, text, sizeof(text)));
	EXPECT_STREQ(text, "750.00 mSec");
	double value = 0.0;
	ASSERT_TRUE(params.text_to_value(plugin, kDelay, text, &value));
	EXPECT_DOUBLE_EQ(value, 750.0);
	ASSERT_TRUE(params.text_to_value(plugin, kDelay, "12.5", &value));
	EXPECT_DOUBLE_EQ(value, 12.5);
	ASSERT_TRUE(params.value_to_text(plugin, kDelayState, 1.0, text, sizeof(text)));
	EXPECT_STREQ(text, "Delay");
	ASSERT_TRUE(params.text_to_value(plugin, kDelayState, "Comb", &value));
	EXPECT_EQ(value, 0.0);
	ASSERT_TRUE(params.value_to_text(plugin, kPresets, 5.0, text, sizeof(text)));
	EXPECT_STREQ(text, "Crude Verb");
	ASSERT_TRUE(params.value_to_text(plugin, kDelay, 750.0, text, 4)); // cut to the room given
	EXPECT_STREQ(text, "750");

	EXPECT_FALSE(params.value_to_text(plugin, 0xDEAD, 1.0, text, sizeof(text)));
	EXPECT_FALSE(params.value_to_text(plugin, kDelay, std::nan(""), text, sizeof(text)));
	EXPECT_FALSE(params.text_to_value(plugin, 0xDEAD, "1", &value));
	EXPECT_FALSE(params.get_value(plugin, 0xDEAD, &value));
}

TEST(ClapFace, StateIsTheComponentStreamAndADamagedOneIsRefused)
{
	ClapFace clap;
	Vst3Face vst3;
	const std::vector<uint8_t> fresh = clap.instance.saveState();
	EXPECT_EQ(fresh, vst3.instance.getState());
	ASSERT_EQ(fresh.size(), 58u);

	// Set while inactive through flush; bad values are ignored or bounded.
	InputEvents in;
	OutputEvents out;
	in.paramValue(0, kDelay, 750.0);
	in.paramValue(0, kCutoff, 1e9);
	in.paramValue(0, kFeedback, std::nan(""));
	in.paramValue(0, 0xDEAD, 1.0);
	clap.instance.params().flush(clap.instance.plugin(), in.list(), out.list());
	double value = 0.0;
	ASSERT_TRUE(clap.instance.params().get_value(clap.instance.plugin(), kDelay, &value));
	EXPECT_EQ(value, 750.0);
	ASSERT_TRUE(clap.instance.params().get_value(clap.instance.plugin(), kCutoff, &value));
	EXPECT_EQ(value, 16000.0);
	ASSERT_TRUE(clap.instance.params().get_value(clap.instance.plugin(), kFeedback, &value));
	EXPECT_EQ(value, 0.0);
	const std::vector<uint8_t> saved = clap.instance.saveState();
	ASSERT_EQ(saved.size(), 58u);
	EXPECT_NE(saved, fresh);

	ClapFace other;
	const int rescans = other.host.rescans;
	ASSERT_TRUE(other.instance.loadState(saved));
	EXPECT_GT(other.host.rescans, rescans); // the host rereads the values
	ASSERT_TRUE(other.instance.params().get_value(other.instance.plugin(), kDelay, &value));
	EXPECT_EQ(value, 750.0);
	EXPECT_EQ(other.instance.saveState(), saved);

	// Cut inside the fifth control, or empty: refused, and nothing of it stays.
	EXPECT_FALSE(other.instance.loadState(std::vector<uint8_t>(fresh.begin(), fresh.begin() + 25)));
	EXPECT_FALSE(other.instance.loadState({}));
	EXPECT_EQ(other.instance.saveState(), saved);
}

TEST(ClapFace, ProgramChangesAndOddHostInputGetBoundedAnswers)
{
	ClapFace clap;
	const clap_plugin_t* plugin = clap.instance.plugin();
	// A preset picked by the host reaches the controller on the main thread,
	// and its values come back as a rescan and as events.
	InputEvents in;
	OutputEvents out;
	in.paramValue(0, kPresets, 5.0);
	clap.instance.params().flush(plugin, in.list(), out.list());
	EXPECT_GT(clap.host.callbackRequests, 0);
	plugin->on_main_thread(plugin);
	EXPECT_GT(clap.host.rescans, 0);
	EXPECT_GT(clap.host.flushRequests, 0);
	out.clear();
	clap.instance.params().flush(plugin, nullptr, out.list());
	EXPECT_FALSE(out.values.empty());
	double delay = 0.0;
	clap.instance.params().get_value(plugin, kDelay, &delay);
	EXPECT_GT(delay, 0.0);

	// Main-thread calls from another thread are refused, as the host's thread check tells.
	bool refused = false;
	std::thread([&] { refused = clap.instance.saveState().empty() && !plugin->activate(plugin, 48000.0, 1, 256); }).join();
	EXPECT_TRUE(refused);

	EXPECT_FALSE(plugin->activate(plugin, 0.0, 1, 256));
	EXPECT_FALSE(plugin->activate(plugin, std::nan(""), 1, 256));
	EXPECT_FALSE(plugin->activate(plugin, 1e12, 1, 256));
	ASSERT_TRUE(clap.instance.activate(11025.0, 0)); // no block size: the smallest one

	// Longer than announced, events out of order and beyond the block, unknown ids.
	std::vector<float> left(3000, 0.5f), right(3000, -0.5f), outLeft(3000), outRight(3000);
	float* inputs[2] = {left.data(), right.data()};
	float* outputs[2] = {outLeft.data(), outRight.data()};
	in.clear();
	in.paramValue(2000, kDelay, 10.0);
	in.paramValue(5, kFeedback, 50.0);
	in.paramValue(99999, kWetDry, 100.0);
	in.paramValue(7, 0xDEAD, 1.0);
	in.paramValue(8, kCutoff, -std::numeric_limits<double>::infinity());
	in.midi(9000, 0xB0, 200, 200);
	ASSERT_TRUE(clap.instance.process(inputs, outputs, 3000, in, out));
	{
		// The audio thread's calls allocate nothing, whatever they are handed.
		AllocationCounter::Window window;
		for (int i = 0; i < 3; ++i)
			ASSERT_TRUE(clap.instance.process(inputs, outputs, 3000, in, out));
		clap.instance.params().flush(plugin, in.list(), out.list()); // flush while active, between blocks
		EXPECT_EQ(window.count(), 0);
	}
	for (const float sample : outLeft)
		ASSERT_TRUE(std::isfinite(sample));

	// No audio buffers: an error and nothing touched.
	clap_process_t bare {};
	bare.frames_count = 64;
	EXPECT_EQ(plugin->process(plugin, &bare), CLAP_PROCESS_ERROR);
}

} // namespace
