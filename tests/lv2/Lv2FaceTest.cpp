// The module's LV2 face, loaded through lilv from a private LV2_PATH as LV2
// hosts load it, held to its VST 3 face.
#include "host/lv2/Lv2Host.h"

#include "lv2/midi/midi.h"

#include "AllocationCounter.h"
#include "TestSignals.h"

#include "host/HostError.h"
#include "host/Module.h"
#include "host/PlugInstance.h"
#include "host/ProcessBlock.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vstspeaker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

using namespace VeltraneHost;
using Steinberg::Vst::ParamID;

namespace {

namespace fs = std::filesystem;

constexpr const char* kUri = "urn:tallowridge:veltranefree";
constexpr double kRate = 48000.0;
constexpr uint32_t kBlock = 256;
constexpr ParamID kModWheel = 0x801, kBypass = 0x808;

// A folder holding nothing but a link to the built bundle, as LV2_PATH.
std::string privatePath()
{
	static const std::string path = [] {
		const fs::path folder = fs::temp_directory_path() / ("veltrane-lv2-" + std::to_string(::getpid()));
		fs::create_directories(folder);
		fs::remove(folder / "VeltraneFree.lv2");
		fs::create_directory_symlink(VELTRANE_LV2_BUNDLE, folder / "VeltraneFree.lv2");
		return folder.string();
	}();
	return path;
}

struct Lv2Face
{
	Lv2World world {Lv2World::Source::path, privatePath()};
	Lv2Instance instance {world, kUri, kRate, kBlock};
	uint32_t port(const char* symbol) const { return static_cast<uint32_t>(instance.portIndex(symbol)); }
};

struct Vst3Face
{
	Vst3Face()
	{
		using namespace Steinberg::Vst;
		instance.setBusArrangements({SpeakerArr::kStereo}, {SpeakerArr::kStereo});
		instance.activateBus(kAudio, kInput, 0, true);
		instance.activateBus(kAudio, kOutput, 0, true);
		instance.setupProcessing(kRate, kBlock, kRealtime);
		instance.setActive(true);
		instance.setProcessing(true);
	}
	VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	VeltraneHost::PlugInstance instance = module.createInstance();
	VeltraneHost::ProcessBlock block = instance.makeBlock(kBlock);

	void set(ParamID id, double plain, int32_t offset = 0)
	{
		block.inputParameterChanges().addPoint(id, offset, instance.controller().plainParamToNormalized(id, plain));
	}
	void run(const float* const* in, float* const* out)
	{
		block.setInput(0, const_cast<float*>(in[0]));
		block.setInput(1, const_cast<float*>(in[1]));
		block.setOutput(0, out[0]);
		block.setOutput(1, out[1]);
		block.setNumSamples(kBlock);
		ASSERT_EQ(instance.process(block), Steinberg::kResultOk);
		block.clearInputs();
	}
};

const Lv2Port& portNamed(const std::vector<Lv2Port>& ports, const std::string& symbol)
{
	for (const Lv2Port& port : ports)
		if (port.symbol == symbol)
			return port;
	throw std::runtime_error("no port " + symbol);
}

} // namespace

TEST(Lv2Face, DataParsesWithEveryPortAndPreset)
{
	Lv2World world(Lv2World::Source::path, privatePath());
	const LilvPlugin* plugin = world.plugin(kUri);
	const std::vector<Lv2Port> ports = describePorts(world, plugin);
	const std::vector<std::string> symbols = {"in_l", "in_r", "out_l", "out_r", "events", "delay", "feedback", "cutoff",
		"resonance", "delay_ratio", "offset", "wet_dry", "volume", "delay_state", "active", "vectorjoystick_x",
		"vectorjoystick_y", "b1", "b2", "b3", "enabled"};
	ASSERT_EQ(ports.size(), symbols.size());
	for (size_t i = 0; i < ports.size(); ++i)
	{
		EXPECT_EQ(ports[i].symbol, symbols[i]);
		EXPECT_EQ(ports[i].audio, i < 4);
		EXPECT_EQ(ports[i].input, i < 2 || i >= 4);
		EXPECT_EQ(ports[i].control, i > 4);
	}
	EXPECT_TRUE(ports[4].atom);

	const Lv2Port& delay = portNamed(ports, "delay");
	EXPECT_EQ(delay.name, "Delay");
	EXPECT_EQ(delay.unit, "ms");
	EXPECT_EQ(delay.maximum, 2000.0f);
	EXPECT_EQ(portNamed(ports, "cutoff").unit, "Hz");
	EXPECT_EQ(portNamed(ports, "cutoff").defaultValue, 16000.0f);
	EXPECT_EQ(portNamed(ports, "wet_dry").unit, "%");
	for (const char* toggle : {"delay_state", "active"})
	{
		const Lv2Port& port = portNamed(ports, toggle);
		EXPECT_TRUE(port.integer && port.enumeration) << toggle;
		ASSERT_EQ(port.scalePoints.size(), 2u) << toggle;
	}
	EXPECT_EQ(portNamed(ports, "delay_state").scalePoints[1].second, "Delay");
	EXPECT_EQ(portNamed(ports, "active").scalePoints[0].second, "On");
	const Lv2Port& enabled = ports.back();
	EXPECT_TRUE(enabled.enabled);
	EXPECT_EQ(enabled.defaultValue, 1.0f);

	std::vector<std::string> names;
	for (const auto& preset : presetsOf(world, plugin))
		names.push_back(preset.second);
	EXPECT_EQ(names, (std::vector<std::string> {"Automate Me", "Banking", "Beats as Bass", "Crude Verb", "Factory Preset",
		"Good on Atmos", "Heavy", "Hollow Ring", "Padding for Pads", "Pipes", "Some Space"}));
}

// Control ports changed before the first run and between runs, the bypass
// through lv2:enabled and a MIDI controller on the atom port, against the
// same changes given to the VST 3 face as a VST 3 host gives them.
TEST(Lv2Face, RendersBitIdenticalToTheVst3Face)
{
	Lv2Face lv2;
	Vst3Face vst3;
	constexpr uint32_t kBlocks = 14;
	const std::vector<float> left = noise(kBlock * kBlocks, 1), right = noise(kBlock * kBlocks, 2);
	std::vector<float> lv2Left(left.size()), lv2Right(left.size()), vst3Left(left.size()), vst3Right(left.size());

	lv2.instance.setControl(lv2.port("delay"), 120.0f);
	lv2.instance.setControl(lv2.port("feedback"), 60.0f);
	vst3.set(0, 120.0);
	vst3.set(1, 60.0);
	lv2.instance.activate();
	for (uint32_t b = 0; b < kBlocks; ++b)
	{
		switch (b)
		{
			case 2:
				lv2.instance.setControl(lv2.port("cutoff"), 2500.0f);
				lv2.instance.setControl(lv2.port("wet_dry"), 80.0f);
				vst3.set(2, 2500.0);
				vst3.set(6, 80.0);
				break;
			case 4:
				lv2.instance.midi(10, 0xB0, 1, 64);
				vst3.block.inputParameterChanges().addPoint(kModWheel, 10, 64 / 127.0);
				lv2.instance.setControl(lv2.port("delay_state"), 1.0f);
				vst3.set(8, 1.0);
				break;
			case 6:
				lv2.instance.setControl(lv2.port("delay"), 33.5f);
				vst3.set(0, 33.5);
				break;
			case 8:
				lv2.instance.setControl(lv2.port("enabled"), 0.0f);
				vst3.set(kBypass, 1.0);
				break;
			case 10:
				lv2.instance.setControl(lv2.port("enabled"), 1.0f);
				vst3.set(kBypass, 0.0);
				break;
			default:
				break;
		}
		const size_t at = b * kBlock;
		const float* in[2] = {&left[at], &right[at]};
		float* lv2Out[2] = {&lv2Left[at], &lv2Right[at]};
		float* vst3Out[2] = {&vst3Left[at], &vst3Right[at]};
		lv2.instance.run(in, lv2Out, kBlock);
		vst3.run(in, vst3Out);
	}
	EXPECT_EQ(0, std::memcmp(lv2Left.data(), vst3Left.data(), left.size() * sizeof(float)));
	EXPECT_EQ(0, std::memcmp(lv2Right.data(), vst3Right.data(), left.size() * sizeof(float)));
	EXPECT_NE(0, std::memcmp(lv2Left.data(), left.data(), left.size() * sizeof(float))); // the effect ran
}

// The host's state of the port values brings back the sound exactly; a
// factory preset sets the ports the presets file names.
TEST(Lv2Face, StateAndPresetsRoundTrip)
{
	Lv2Face first;
	ASSERT_TRUE(first.instance.loadPreset(std::string(kUri) + "#preset-heavy"));
	EXPECT_NE(first.instance.control(first.port("delay")), 0.0f);
	EXPECT_EQ(first.instance.control(first.port("enabled")), 1.0f); // presets leave the bypass alone
	first.instance.setControl(first.port("resonance"), 3.25f);
	first.instance.setControl(first.port("delay_state"), 1.0f);
	const std::string state = first.instance.saveState();

	Lv2Face second;
	second.instance.restoreState(state);
	for (const Lv2Port& port : first.instance.ports())
	{
		if (port.control)
		{
			EXPECT_EQ(first.instance.control(port.index), second.instance.control(port.index)) << port.symbol;
		}
	}

	const std::vector<float> left = noise(kBlock * 8, 3), right = noise(kBlock * 8, 4);
	std::vector<float> outputs[2][2];
	Lv2Face* faces[2] = {&first, &second};
	for (int f = 0; f < 2; ++f)
	{
		outputs[f][0].resize(left.size());
		outputs[f][1].resize(left.size());
		faces[f]->instance.activate();
		for (size_t at = 0; at < left.size(); at += kBlock)
		{
			const float* in[2] = {&left[at], &right[at]};
			float* out[2] = {&outputs[f][0][at], &outputs[f][1][at]};
			faces[f]->instance.run(in, out, kBlock);
		}
	}
	EXPECT_EQ(outputs[0][0], outputs[1][0]);
	EXPECT_EQ(outputs[0][1], outputs[1][1]);
	EXPECT_THROW(second.instance.restoreState("this is no Turtle @@@"), HostError);
}

// Block length 0, unconnected ports, values no control takes, damaged atoms
// and the host's transport: bounded answers, finite audio, no allocation.
TEST(Lv2Face, OddHostInputGetsBoundedAnswersWithoutAllocating)
{
	Lv2Face lv2;
	lv2.instance.activate();
	std::vector<float> in(kBlock, 0.25f), outL(kBlock), outR(kBlock);
	const float* inputs[2] = {in.data(), in.data()};
	float* outputs[2] = {outL.data(), outR.data()};
	const float* noInputs[2] = {nullptr, in.data()};
	float* noOutput[2] = {outL.data(), nullptr};

	lv2.instance.midi(0, 0xB0, 7, 100);
	lv2.instance.position(0, 140.0f, 3.0f, 4, 1.5f, 1.0f);
	{
		AllocationCounter::Window window;
		lv2.instance.run(inputs, outputs, 0);
		std::fill(outL.begin(), outL.end(), 9.0f);
		lv2.instance.run(noInputs, outputs, kBlock);
		EXPECT_EQ(outL[0], 0.0f); // silence where an input is missing
		lv2.instance.run(inputs, noOutput, kBlock);
		lv2.instance.setControl(lv2.port("delay"), std::numeric_limits<float>::quiet_NaN());
		lv2.instance.setControl(lv2.port("feedback"), std::numeric_limits<float>::infinity());
		lv2.instance.setControl(lv2.port("cutoff"), -1.0e30f);
		lv2.instance.setControl(lv2.port("delay_state"), 7.6f);
		for (int k = 0; k < 8; ++k)
			lv2.instance.run(inputs, outputs, kBlock);
		EXPECT_EQ(window.count(), 0);
	}
	for (size_t i = 0; i < kBlock; ++i)
		ASSERT_TRUE(std::isfinite(outL[i]) && std::isfinite(outR[i])) << i;

	// Sequences whose events claim more bytes than the sequence holds, or hold garbage.
	const uint32_t sequence = lv2.instance.urid(LV2_ATOM__Sequence), midi = lv2.instance.urid(LV2_MIDI__MidiEvent);
	std::mt19937 random(5);
	for (int round = 0; round < 200; ++round)
	{
		std::vector<uint8_t> bytes(512);
		for (uint8_t& byte : bytes)
			byte = static_cast<uint8_t>(random());
		const uint32_t header[2] = {static_cast<uint32_t>(round % 3 == 0 ? 40 : random() % 600), sequence};
		std::memcpy(bytes.data(), header, sizeof(header));
		if (round % 2)
		{
			const uint32_t body[2] = {static_cast<uint32_t>(round * 7), midi}; // a MIDI event's size and type
			std::memcpy(bytes.data() + 24, body, sizeof(body));
		}
		lv2.instance.rawEvents(bytes);
		lv2.instance.run(inputs, outputs, kBlock);
	}
	for (size_t i = 0; i < kBlock; ++i)
		ASSERT_TRUE(std::isfinite(outL[i]) && std::isfinite(outR[i])) << i;
}
