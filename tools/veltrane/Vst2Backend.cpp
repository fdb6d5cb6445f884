#include "Vst2Backend.h"

#include "Text.h"
#include "ToolError.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <algorithm>

namespace Veltrane {

namespace {

// VST 2 hosts get names cut to a few bytes, so a name also matches the
// title it begins.
bool namesTitle(const std::string& vst2Name, const std::string& title, bool exactly)
{
	if (exactly)
		return vst2Name == title;
	return !vst2Name.empty() && title.compare(0, vst2Name.size(), vst2Name) == 0;
}

} // namespace

Vst2Backend::Vst2Backend(const std::string& path)
: describer(path), face(describer.module.binaryPath())
{
	matchParameters();
}

void Vst2Backend::matchParameters()
{
	std::vector<ParameterDescription> unmatched = describeParameters(describer.instance.controller());
	for (int index = 0; index < face.parameterCount(); ++index)
	{
		const std::string name = face.parameterName(index);
		auto found = unmatched.end();
		for (const bool exactly : {true, false})
		{
			found = std::find_if(unmatched.begin(), unmatched.end(),
				[&](const ParameterDescription& parameter) { return namesTitle(name, parameter.title, exactly); });
			if (found != unmatched.end())
				break;
		}
		if (found == unmatched.end())
			continue; // a parameter only VST 2 has cannot be described
		vst2IndexById[found->id] = index;
		described.push_back(std::move(*found));
		unmatched.erase(found);
	}
}

std::vector<ParameterDescription> Vst2Backend::parameters() const
{
	return described;
}

std::vector<std::string> Vst2Backend::presetNames() const
{
	std::vector<std::string> names;
	for (int program = 0; program < face.programCount(); ++program)
	{
		const std::optional<std::string> name = face.programName(program);
		if (!name)
			break;
		names.push_back(*name);
	}
	return names;
}

// VST 2 knows no class ids; the VST 3 face of the same binary names the plug-in.
VeltraneHost::ClassId Vst2Backend::classId() const
{
	return describer.instance.classId();
}

void Vst2Backend::configure(double sampleRate, int channels, int maxBlock)
{
	if (face.inputCount() < 2 || face.outputCount() < 2)
		throw ToolError("the plug-in's VST 2 face has " + std::to_string(face.inputCount()) + " inputs and " +
			std::to_string(face.outputCount()) + " outputs; it needs two of each");
	// VST 2 cannot refuse a sample rate; the VST 3 face of the same code can.
	if (describer.instance.setupProcessing(sampleRate, maxBlock, Steinberg::Vst::kOffline) != Steinberg::kResultOk)
		throw ToolError("the plug-in cannot run at " + formatNumber(sampleRate) + " Hz");
	face.setSampleRate(sampleRate);
	face.setBlockSize(maxBlock);
	channelCount = channels;
	rightInput.assign(static_cast<size_t>(maxBlock), 0.0f);
	rightOutput.assign(static_cast<size_t>(maxBlock), 0.0f);
}

bool Vst2Backend::loadState(const std::vector<std::uint8_t>& state)
{
	return face.setChunk(state);
}

std::vector<std::uint8_t> Vst2Backend::saveState() const
{
	std::vector<std::uint8_t> state = face.chunk();
	if (state.empty())
		throw ToolError("the plug-in's VST 2 face gave no state");
	return state;
}

void Vst2Backend::selectPreset(int index)
{
	face.setProgram(index);
}

void Vst2Backend::setParameter(std::uint32_t id, double plainValue)
{
	const auto found = vst2IndexById.find(id);
	if (found == vst2IndexById.end())
		throw ToolError("the plug-in's VST 2 face has no parameter " + std::to_string(id));
	const double normalized = describer.instance.controller().plainParamToNormalized(id, plainValue);
	// Reaches the controller now and the processor with the first block.
	face.setParameter(found->second, static_cast<float>(normalized));
}

void Vst2Backend::start()
{
	face.resume();
}

void Vst2Backend::process(float* const* inputs, float* const* outputs, int frames)
{
	const bool mono = channelCount == 1;
	if (mono)
		std::copy(inputs[0], inputs[0] + frames, rightInput.begin());
	float* stereoIn[2] = {inputs[0], mono ? rightInput.data() : inputs[1]};
	float* stereoOut[2] = {outputs[0], mono ? rightOutput.data() : outputs[1]};
	face.processReplacing(stereoIn, stereoOut, frames);
}

void Vst2Backend::stop()
{
	face.suspend();
}

} // namespace Veltrane
