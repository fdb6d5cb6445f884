#include "ClapBackend.h"

#include "host/Module.h"

#include "Text.h"
#include "ToolError.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace Veltrane {

namespace {

namespace fs = std::filesystem;

// The CLAP face is the bundle's binary itself.
std::string clapBinary(const std::string& path)
{
	std::error_code error;
	if (!fs::is_directory(path, error))
		return path;
	for (const auto& entry : fs::directory_iterator(fs::path(path) / "Contents" / "x86_64-linux", error))
		if (entry.path().extension() == ".so")
			return entry.path().string();
	throw ToolError("'" + path + "' holds no binary to load as CLAP");
}

std::string text(const clap_plugin_params_t& params, const clap_plugin_t* plugin, clap_id id, double value)
{
	char display[256] = {};
	return params.value_to_text(plugin, id, value, display, sizeof(display)) ? display : std::string();
}

} // namespace

// CLAP knows no class ids; the VST 3 face of the same binary names the
// plug-in, so preset files written through either face are the same.
VeltraneHost::ClassId ClapBackend::classId() const
{
	try
	{
		for (const VeltraneHost::ClassInfo& info : VeltraneHost::Module::load(binaryPath).classes())
			if (info.category == kVstAudioEffectClass)
				return info.id;
	}
	catch (const std::runtime_error& error)
	{
		throw ToolError("cannot read the VST 3 class of '" + binaryPath + "': " + error.what());
	}
	throw ToolError("'" + binaryPath + "' carries no VST 3 audio effect class");
}

ClapBackend::ClapBackend(const std::string& path)
{
	try
	{
		binaryPath = clapBinary(path);
		library = std::make_unique<VeltraneHost::ClapLibrary>(binaryPath);
		instance = std::make_unique<VeltraneHost::ClapInstance>(*library, host);
	}
	catch (const std::runtime_error& error)
	{
		throw ToolError("cannot load '" + path + "' as CLAP: " + error.what());
	}
	const clap_plugin_params_t& params = instance->params();
	const clap_plugin_t* plugin = instance->plugin();
	for (uint32_t i = 0; i < params.count(plugin); ++i)
	{
		clap_param_info_t info {};
		if (!params.get_info(plugin, i, &info))
			continue;
		ParameterDescription parameter;
		parameter.id = info.id;
		parameter.title = info.name;
		parameter.minimum = info.min_value;
		parameter.maximum = info.max_value;
		parameter.defaultValue = info.default_value;
		parameter.readOnly = info.flags & CLAP_PARAM_IS_READONLY;
		// CLAP names no units: they are what follows the number in the parameter's text.
		const std::string sample = text(params, plugin, info.id, info.max_value);
		if (const auto space = sample.rfind(' '); space != std::string::npos && !(info.flags & CLAP_PARAM_IS_STEPPED))
			parameter.units = sample.substr(space + 1);
		// A stepped parameter other than the bypass switch is a list of labels.
		if ((info.flags & CLAP_PARAM_IS_STEPPED) && !(info.flags & CLAP_PARAM_IS_BYPASS))
		{
			parameter.stepCount = static_cast<std::int32_t>(info.max_value - info.min_value);
			for (double value = info.min_value; value <= info.max_value && parameter.labels.size() < 1024; value += 1.0)
				parameter.labels.push_back(text(params, plugin, info.id, value));
		}
		described.push_back(std::move(parameter));
	}
}

std::vector<ParameterDescription> ClapBackend::parameters() const
{
	return described;
}

std::optional<ParameterDescription> ClapBackend::presetParameter() const
{
	// The one list the host may not automate: the program change.
	const clap_plugin_params_t& params = instance->params();
	for (uint32_t i = 0; i < params.count(instance->plugin()); ++i)
	{
		clap_param_info_t info {};
		if (params.get_info(instance->plugin(), i, &info) && (info.flags & CLAP_PARAM_IS_STEPPED) &&
			!(info.flags & (CLAP_PARAM_IS_AUTOMATABLE | CLAP_PARAM_IS_READONLY)))
			for (const ParameterDescription& parameter : described)
				if (parameter.id == info.id)
					return parameter;
	}
	return std::nullopt;
}

std::vector<std::string> ClapBackend::presetNames() const
{
	const std::optional<ParameterDescription> presets = presetParameter();
	return presets ? presets->labels : std::vector<std::string>{};
}

void ClapBackend::configure(double rate, int channels, int frames)
{
	const auto* ports = instance->extension<clap_plugin_audio_ports_t>(CLAP_EXT_AUDIO_PORTS);
	clap_audio_port_info_t input {}, output {};
	if (!ports || !ports->get(instance->plugin(), 0, true, &input) || !ports->get(instance->plugin(), 0, false, &output) ||
		input.channel_count != 2 || output.channel_count != 2)
		throw ToolError("the plug-in's CLAP face has no stereo input and output");
	if (!(rate >= 1.0 && rate <= 3072000.0))
		throw ToolError("the plug-in cannot run at " + formatNumber(rate) + " Hz");
	sampleRate = rate;
	maxBlock = frames;
	channelCount = channels;
	rightInput.assign(static_cast<size_t>(frames), 0.0f);
	rightOutput.assign(static_cast<size_t>(frames), 0.0f);
}

void ClapBackend::flush(const VeltraneHost::InputEvents& events)
{
	const int callbacks = host.callbackRequests;
	output.clear();
	instance->params().flush(instance->plugin(), events.list(), output.list());
	if (host.callbackRequests != callbacks)
		instance->plugin()->on_main_thread(instance->plugin());
}

bool ClapBackend::loadState(const std::vector<std::uint8_t>& state)
{
	return instance->loadState(state);
}

std::vector<std::uint8_t> ClapBackend::saveState() const
{
	std::vector<std::uint8_t> state = instance->saveState();
	if (state.empty())
		throw ToolError("the plug-in's CLAP face gave no state");
	return state;
}

void ClapBackend::selectPreset(int index)
{
	const std::optional<ParameterDescription> presets = presetParameter();
	if (!presets)
		throw ToolError("the plug-in offers no program-change parameter to select presets with");
	VeltraneHost::InputEvents events;
	events.paramValue(0, presets->id, presets->minimum + index);
	flush(events);
	initialChanges.clear(); // the preset replaces what was set before it
}

void ClapBackend::setParameter(std::uint32_t id, double plainValue)
{
	VeltraneHost::InputEvents events;
	events.paramValue(0, id, plainValue);
	flush(events);
	initialChanges.paramValue(0, id, plainValue);
}

void ClapBackend::start()
{
	if (maxBlock <= 0)
		throw ToolError("the plug-in was started before it was configured");
	if (!instance->activate(sampleRate, static_cast<uint32_t>(maxBlock)))
		throw ToolError("the plug-in refused to activate");
	firstBlock = true;
}

void ClapBackend::process(float* const* inputs, float* const* outputs, int frames)
{
	const bool mono = channelCount == 1;
	if (mono)
		std::copy(inputs[0], inputs[0] + frames, rightInput.begin());
	float* stereoIn[2] = {inputs[0], mono ? rightInput.data() : inputs[1]};
	float* stereoOut[2] = {outputs[0], mono ? rightOutput.data() : outputs[1]};
	output.clear();
	if (!instance->process(stereoIn, stereoOut, static_cast<uint32_t>(frames), firstBlock ? initialChanges : noEvents,
			output))
		throw ToolError("the plug-in failed to process audio");
	firstBlock = false;
}

void ClapBackend::stop()
{
	instance->deactivate();
}

} // namespace Veltrane
