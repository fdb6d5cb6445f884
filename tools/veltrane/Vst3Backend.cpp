#include "Vst3Backend.h"

#include "Text.h"
#include "ToolError.h"

#include "host/HostError.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstunits.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <algorithm>
#include <iterator>

namespace Veltrane {

using namespace Steinberg;
using namespace Steinberg::Vst;

Vst3Backend::Vst3Backend(const std::string& path) : loaded(path)
{
}

std::vector<ParameterDescription> Vst3Backend::parameters() const
{
	return describeParameters(loaded.instance.controller());
}

std::vector<std::string> Vst3Backend::presetNames() const
{
	std::vector<std::string> names;
	IPtr<IUnitInfo> units = loaded.instance.queryInterface<IUnitInfo>();
	ProgramListInfo list{};
	if (!units || units->getProgramListCount() < 1 || units->getProgramListInfo(0, list) != kResultOk)
		return names;
	for (int32 program = 0; program < list.programCount; ++program)
	{
		String128 name{};
		if (units->getProgramName(list.id, program, name) != kResultOk)
			break;
		names.push_back(VST3::StringConvert::convert(name, std::size(name)));
	}
	return names;
}

VeltraneHost::ClassId Vst3Backend::classId() const
{
	return loaded.instance.classId();
}

std::optional<ParamID> Vst3Backend::findPresetParameter() const
{
	IEditController& controller = loaded.instance.controller();
	const int32 count = controller.getParameterCount();
	for (int32 index = 0; index < count; ++index)
	{
		ParameterInfo info{};
		if (controller.getParameterInfo(index, info) == kResultOk && (info.flags & ParameterInfo::kIsProgramChange))
			return info.id;
	}
	return std::nullopt;
}

ParamID Vst3Backend::presetParameterId() const
{
	if (const std::optional<ParamID> id = findPresetParameter())
		return *id;
	throw ToolError("the plug-in offers no program-change parameter to select presets with");
}

void Vst3Backend::configure(double sampleRate, int channels, int maxBlock)
{
	const SpeakerArrangement arrangement = channels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo;
	if (loaded.instance.setBusArrangements({arrangement}, {arrangement}) != kResultOk)
		throw ToolError(std::string("the plug-in refuses ") + (channels == 1 ? "mono" : "stereo") + " audio");
	// Only the main buses: no buffers are passed for any other.
	loaded.instance.activateBus(kAudio, kInput, 0, true);
	loaded.instance.activateBus(kAudio, kOutput, 0, true);
	if (loaded.instance.setupProcessing(sampleRate, maxBlock, processMode) != kResultOk)
		throw ToolError("the plug-in cannot run at " + formatNumber(sampleRate) + " Hz");
	try
	{
		// ProcessBlock cannot move; new takes the returned block in place.
		block.reset(new VeltraneHost::ProcessBlock(loaded.instance.makeBlock(maxBlock)));
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError(std::string("the plug-in reports no usable audio bus: ") + error.what());
	}
	if (block->inputChannelCount() != channels || block->outputChannelCount() != channels)
		throw ToolError("the plug-in did not take a " + std::to_string(channels) + "-channel bus");
	channelCount = channels;
}

bool Vst3Backend::loadState(const std::vector<std::uint8_t>& state)
{
	return loaded.instance.setState(state) == kResultOk;
}

std::vector<std::uint8_t> Vst3Backend::saveState() const
{
	try
	{
		return loaded.instance.getState();
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError(error.what());
	}
}

void Vst3Backend::selectPreset(int index)
{
	const ParamID id = presetParameterId();
	IEditController& controller = loaded.instance.controller();
	controller.setParamNormalized(id, controller.plainParamToNormalized(id, index));
}

void Vst3Backend::setParameter(std::uint32_t id, double plainValue)
{
	IEditController& controller = loaded.instance.controller();
	const ParamValue normalized = controller.plainParamToNormalized(id, plainValue);
	controller.setParamNormalized(id, normalized);
	// A preset chosen this way replaces every value set before it; those must
	// not reach the first block after it.
	if (id == findPresetParameter())
		initialChanges.clear();
	else
		initialChanges.emplace_back(id, normalized);
}

void Vst3Backend::start()
{
	if (!block)
		throw ToolError("the plug-in was started before it was configured");
	if (loaded.instance.setActive(true) != kResultOk)
		throw ToolError("the plug-in refused to activate");
	loaded.instance.setProcessing(true);
	firstBlock = true;
}

void Vst3Backend::process(float* const* inputs, float* const* outputs, int frames)
{
	for (int channel = 0; channel < channelCount; ++channel)
	{
		block->setInput(channel, inputs[channel]);
		block->setOutput(channel, outputs[channel]);
	}
	block->setNumSamples(frames);
	if (firstBlock)
	{
		for (const auto& [id, value] : initialChanges)
			if (!block->inputParameterChanges().addPoint(id, 0, value))
				throw ToolError("too many parameter changes for one block");
	}

	const tresult result = loaded.instance.process(*block);
	if (result != kResultOk)
		throw ToolError("the plug-in failed to process audio (result " + std::to_string(result) + ")");

	// A channel flagged silent need not hold zeros; make it hold them.
	const uint64 silent = block->outputSilenceFlags();
	for (int channel = 0; channel < channelCount; ++channel)
		if (silent & (uint64(1) << channel))
			std::fill(outputs[channel], outputs[channel] + frames, 0.0f);

	if (firstBlock || editsQueued)
	{
		block->clearInputs();
		firstBlock = false;
		editsQueued = false;
	}
}

bool Vst3Backend::queueEdit(std::uint32_t id, double normalized)
{
	// The block's queues are allocated up front, so this never allocates.
	if (!block || !block->inputParameterChanges().addPoint(id, 0, normalized))
		return false;
	editsQueued = true;
	return true;
}

void Vst3Backend::stop()
{
	loaded.instance.setProcessing(false);
	loaded.instance.setActive(false);
}

} // namespace Veltrane
