#include "OpenBackend.h"

#include "ClapBackend.h"
#include "DefaultBundle.h"
#include "Lv2Backend.h"
#include "Vst2Backend.h"
#include "Vst3Backend.h"

#include <cstdlib>

namespace Veltrane {

const OptionSpec kPluginOptions[4] = {{"plugin", true}, {"vst2", false}, {"clap", false}, {"lv2", false}};

PluginChoice choosePlugin(const ParsedCommandLine& commandLine)
{
	PluginChoice choice;
	choice.format = commandLine.has("vst2") ? PluginFormat::vst2 : PluginFormat::vst3;
	if (commandLine.has("clap"))
		choice.format = PluginFormat::clap;
	if (commandLine.has("lv2"))
		choice.format = PluginFormat::lv2;
	if (const auto path = commandLine.last("plugin"))
		choice.path = *path;
	else if (const char* fromEnvironment = std::getenv("VELTRANE_PLUGIN"); fromEnvironment && *fromEnvironment)
		choice.path = fromEnvironment;
	else
		choice.path = defaultBundlePath();
	return choice;
}

std::unique_ptr<RenderBackend> openBackend(const PluginChoice& choice)
{
	if (choice.format == PluginFormat::vst2)
		return std::make_unique<Vst2Backend>(choice.path);
	if (choice.format == PluginFormat::clap)
		return std::make_unique<ClapBackend>(choice.path);
	if (choice.format == PluginFormat::lv2)
		return std::make_unique<Lv2Backend>(choice.path);
	return std::make_unique<Vst3Backend>(choice.path);
}

} // namespace Veltrane
