#pragma once

#include "ParameterSetting.h"
#include "RenderBackend.h"
#include "Renderer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrane {

// How the plug-in is set up before the first sample, applied in this
// order: state, preset, then the assignments as given.
struct PluginSetup
{
	std::optional<std::vector<std::uint8_t>> state;
	// The file the state came from, for the error when the plug-in refuses it.
	std::string stateSource;
	// A preset file's state, loaded after the state and instead of a preset.
	std::optional<std::vector<std::uint8_t>> presetState;
	std::string presetSource;
	std::optional<int> preset;
	std::vector<ParameterAssignment> assignments;
};

// Reads the state file (see StateFile.h) and resolves the preset name and the TITLE=VALUE
// pairs against the backend's presets and parameters. Throws ToolError.
PluginSetup resolveSetup(const std::optional<std::string>& stateIn, const std::optional<std::string>& preset,
	const std::vector<std::pair<std::string, std::string>>& assignments, const RenderBackend& backend);

// Applies the setup to a configured backend; throws ToolError when the
// plug-in refuses the state.
void applySetup(RenderBackend& backend, const PluginSetup& setup);

// Configures the backend for the settings, applies the setup, renders
// source to sink with a progress bar for long renders, and stops the
// backend. Throws ToolError.
RenderResult runRenderJob(RenderBackend& backend, const PluginSetup& setup, FrameSource& source, FrameSink& sink,
	const RenderSettings& settings, std::int64_t expectedInputFrames);

} // namespace Veltrane
