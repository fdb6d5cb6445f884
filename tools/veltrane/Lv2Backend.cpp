#include "Lv2Backend.h"

#include "host/HostError.h"

#include "Text.h"
#include "ToolError.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace Veltrane {

namespace {

namespace fs = std::filesystem;

std::unique_ptr<VeltraneHost::Lv2World> openWorld(const std::string& path)
{
	using VeltraneHost::Lv2World;
	std::error_code error;
	const fs::path given(path);
	if (given.extension() == ".lv2" && fs::is_directory(given, error))
		return std::make_unique<Lv2World>(Lv2World::Source::bundle, path);
	// The LV2 bundle this build or installation put beside the VST 3 one.
	const fs::path beside = given.parent_path() / VELTRANE_LV2_BUNDLE_NAME;
	if (given.extension() == ".vst3" && fs::is_directory(beside, error))
		return std::make_unique<Lv2World>(Lv2World::Source::bundle, beside.string());
	return std::make_unique<Lv2World>(Lv2World::Source::path, "");
}

} // namespace

Lv2Backend::Lv2Backend(const std::string& path)
{
	try
	{
		world = openWorld(path);
		const LilvPlugin* plugin = world->plugin(VELTRANE_LV2_URI);
		ports = VeltraneHost::describePorts(*world, plugin);
		presets = VeltraneHost::presetsOf(*world, plugin);
	}
	catch (const std::runtime_error& error)
	{
		throw ToolError("cannot load '" + path + "' as LV2: " + error.what());
	}
}

std::vector<ParameterDescription> Lv2Backend::parameters() const
{
	std::vector<ParameterDescription> described;
	for (const VeltraneHost::Lv2Port& port : ports)
	{
		if (!port.control || !port.input)
			continue;
		ParameterDescription parameter;
		parameter.id = port.index;
		parameter.title = port.name;
		parameter.units = port.unit;
		parameter.minimum = port.minimum;
		parameter.maximum = port.maximum;
		parameter.defaultValue = port.defaultValue;
		if (port.integer)
			parameter.stepCount = static_cast<std::int32_t>(port.maximum - port.minimum);
		if (port.enumeration)
			for (const auto& point : port.scalePoints)
				parameter.labels.push_back(point.second);
		described.push_back(std::move(parameter));
	}
	return described;
}

std::vector<std::string> Lv2Backend::presetNames() const
{
	std::vector<std::string> names;
	for (const auto& preset : presets)
		names.push_back(preset.second);
	return names;
}

// The LV2 face's state is the host's Turtle of port values, not the VST 3
// component state a preset file carries: no class id, so no preset files.
VeltraneHost::ClassId Lv2Backend::classId() const
{
	return {};
}

VeltraneHost::Lv2Instance& Lv2Backend::configured() const
{
	if (!instance)
		throw ToolError("the plug-in was used before it was configured");
	return *instance;
}

void Lv2Backend::configure(double rate, int channels, int frames)
{
	if (!(rate >= 1.0 && rate <= 3072000.0))
		throw ToolError("the plug-in cannot run at " + formatNumber(rate) + " Hz");
	try
	{
		instance = std::make_unique<VeltraneHost::Lv2Instance>(*world, VELTRANE_LV2_URI, rate,
			static_cast<uint32_t>(frames));
	}
	catch (const std::runtime_error& error)
	{
		throw ToolError(error.what());
	}
	channelCount = channels;
	rightInput.assign(static_cast<size_t>(frames), 0.0f);
	rightOutput.assign(static_cast<size_t>(frames), 0.0f);
}

bool Lv2Backend::loadState(const std::vector<std::uint8_t>& state)
{
	try
	{
		configured().restoreState(std::string(state.begin(), state.end()));
		return true;
	}
	catch (const VeltraneHost::HostError&)
	{
		return false;
	}
}

std::vector<std::uint8_t> Lv2Backend::saveState() const
{
	try
	{
		const std::string turtle = configured().saveState();
		return {turtle.begin(), turtle.end()};
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError(error.what());
	}
}

void Lv2Backend::selectPreset(int index)
{
	if (index < 0 || index >= static_cast<int>(presets.size()) ||
		!configured().loadPreset(presets[static_cast<size_t>(index)].first))
		throw ToolError("the plug-in's LV2 face has no preset " + std::to_string(index));
}

void Lv2Backend::setParameter(std::uint32_t id, double plainValue)
{
	if (id >= ports.size() || !ports[id].control)
		throw ToolError("the plug-in's LV2 face has no control port " + std::to_string(id));
	configured().setControl(id, static_cast<float>(plainValue));
}

void Lv2Backend::start()
{
	configured().activate();
}

void Lv2Backend::process(float* const* inputs, float* const* outputs, int frames)
{
	const bool mono = channelCount == 1;
	if (mono)
		std::copy(inputs[0], inputs[0] + frames, rightInput.begin());
	const float* stereoIn[2] = {inputs[0], mono ? rightInput.data() : inputs[1]};
	float* stereoOut[2] = {outputs[0], mono ? rightOutput.data() : outputs[1]};
	configured().run(stereoIn, stereoOut, static_cast<uint32_t>(frames));
}

void Lv2Backend::stop()
{
	configured().deactivate();
}

} // namespace Veltrane
