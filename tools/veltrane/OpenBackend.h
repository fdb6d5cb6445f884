#pragma once

#include "CommandLine.h"
#include "RenderBackend.h"

#include <memory>
#include <string>

namespace Veltrane {

enum class PluginFormat
{
	vst3,
	vst2,
	clap,
	lv2,
};

struct PluginChoice
{
	PluginFormat format = PluginFormat::vst3;
	std::string path;
};

// The options every plug-in command takes: --plugin PATH, --vst2, --clap and --lv2.
extern const OptionSpec kPluginOptions[4];

// --plugin PATH, else $VELTRANE_PLUGIN, else the default bundle (the one this
// build made, or the installed one); --vst2 picks the VST 2 face of the same binary,
// --clap its CLAP face, --lv2 its LV2 face (the LV2 bundle beside the VST 3 one, or on the LV2 path).
PluginChoice choosePlugin(const ParsedCommandLine& commandLine);

// Throws ToolError when the plug-in cannot be loaded.
std::unique_ptr<RenderBackend> openBackend(const PluginChoice& choice);

} // namespace Veltrane
