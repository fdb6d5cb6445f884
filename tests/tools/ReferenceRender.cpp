#include "ReferenceRender.h"

#include "host/Module.h"
#include "host/PlugInstance.h"

#include "pluginterfaces/vst/vstspeaker.h"

#include <stdexcept>

namespace ToolTests {

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr ParamID kPresetParameter = 0x70727374;
constexpr int kPresetCount = 11;

void require(bool condition, const char* step)
{
	if (!condition)
		throw std::runtime_error(std::string("reference render: ") + step + " failed");
}

} // namespace

Audio referenceRender(const Audio& input, const ReferenceSetup& setup, std::int64_t totalFrames)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	VeltraneHost::PlugInstance plug = module.createInstance();
	const SpeakerArrangement arrangement = input.channels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo;
	require(plug.setBusArrangements({arrangement}, {arrangement}) == kResultOk, "setBusArrangements");
	plug.activateBus(kAudio, kInput, 0, true);
	plug.activateBus(kAudio, kOutput, 0, true);
	require(plug.setupProcessing(input.sampleRate, setup.blockSize, kOffline) == kResultOk, "setupProcessing");

	IEditController& controller = plug.controller();
	if (setup.state)
		require(plug.setState(*setup.state) == kResultOk, "setState");
	if (setup.preset)
		controller.setParamNormalized(kPresetParameter, *setup.preset / double(kPresetCount - 1));
	std::vector<std::pair<ParamID, ParamValue>> normalized;
	for (const auto& [id, plain] : setup.parameters)
	{
		normalized.emplace_back(id, controller.plainParamToNormalized(id, plain));
		controller.setParamNormalized(id, normalized.back().second);
	}

	require(plug.setActive(true) == kResultOk, "setActive");
	plug.setProcessing(true);
	VeltraneHost::ProcessBlock block = plug.makeBlock(setup.blockSize);

	Audio output = input;
	output.samples.assign(static_cast<size_t>(totalFrames * input.channels), 0.0f);
	for (std::int64_t start = 0; start < totalFrames; start += setup.blockSize)
	{
		for (int channel = 0; channel < input.channels; ++channel)
			for (int frame = 0; frame < setup.blockSize; ++frame)
				block.input(channel)[frame] = start + frame < input.frames() ? input.at(start + frame, channel) : 0.0f;
		if (start == 0)
			for (const auto& [id, value] : normalized)
				block.inputParameterChanges().addPoint(id, 0, value);
		require(plug.process(block) == kResultOk, "process");
		block.clearInputs();
		for (int channel = 0; channel < input.channels; ++channel)
			for (int frame = 0; frame < setup.blockSize && start + frame < totalFrames; ++frame)
				output.samples[static_cast<size_t>((start + frame) * input.channels + channel)] = block.output(channel)[frame];
	}
	return output;
}

} // namespace ToolTests
