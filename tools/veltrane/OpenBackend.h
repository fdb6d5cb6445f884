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
};

struct PluginChoice
{
	PluginFormat format = PluginFormat::vst3;
	std::string path;
};

// The options every plug-in command takes: --plugin PATH, --vst2 and --clap.
extern const OptionSpec kPluginOptions[3];

// --plugin PATH, else $VELTRANE_PLUGIN, else the default bundle (the one this
// build made, or the installed one); --vst2 picks the VST 2 face of the same binary,
// --clap its CLAP face.
PluginChoice choosePlugin(const ParsedCommandLine& commandLine);

// Throws ToolError when the plug-in cannot be loaded.
std::unique_ptr<RenderBackend> openBackend(const PluginChoice& choice);

} // namespace Veltrane
