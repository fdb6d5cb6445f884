// veltrane presets, veltrane params: what the module reports, as tables.
#include "Commands.h"

#include "OpenBackend.h"
#include "ParameterSetting.h"
#include "Text.h"
#include "ToolError.h"
#include "Usage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace Veltrane {

namespace {

// Parses a command that takes no operands, only the plug-in options.
// Empty when --help was asked for and answered.
std::optional<PluginChoice> parseListCommand(const std::string& command, const std::vector<std::string>& arguments,
	const char* usage)
{
	const ParsedCommandLine line =
		parseCommandLine(command, arguments, {std::begin(kPluginOptions), std::end(kPluginOptions)});
	if (line.has("help"))
	{
		std::fputs(usage, stdout);
		return std::nullopt;
	}
	if (!line.operands.empty())
		throw UsageError(command, "unexpected argument '" + line.operands.front() + "'");
	return choosePlugin(line);
}

std::string hexId(std::uint32_t id)
{
	char text[16];
	std::snprintf(text, sizeof(text), "0x%x", id);
	return text;
}

std::string defaultText(const ParameterDescription& parameter)
{
	if (parameter.isList())
	{
		const size_t index = static_cast<size_t>(std::lround(parameter.defaultValue));
		return index < parameter.labels.size() ? parameter.labels[index] : formatNumber(parameter.defaultValue);
	}
	return formatNumber(parameter.defaultValue);
}

} // namespace

int runPresets(const std::vector<std::string>& arguments)
{
	const std::optional<PluginChoice> plugin = parseListCommand("presets", arguments, kPresetsUsage);
	if (!plugin)
		return 0;
	const std::vector<std::string> presets = openBackend(*plugin)->presetNames();
	for (size_t index = 0; index < presets.size(); ++index)
		std::printf("%2zu  %s\n", index, presets[index].c_str());
	return 0;
}

int runParams(const std::vector<std::string>& arguments)
{
	const std::optional<PluginChoice> plugin = parseListCommand("params", arguments, kParamsUsage);
	if (!plugin)
		return 0;
	const std::vector<ParameterDescription> parameters = openBackend(*plugin)->parameters();

	struct Row
	{
		std::string id, title, byDefault, range;
	};
	// The values column comes last: a long list must not widen the others.
	std::vector<Row> rows{{"ID", "TITLE", "DEFAULT", "VALUES"}};
	for (const ParameterDescription& parameter : parameters)
		rows.push_back({hexId(parameter.id), parameter.title, defaultText(parameter),
			describeRange(parameter) + (parameter.readOnly ? " (read-only)" : "")});

	size_t idWidth = 0, titleWidth = 0, defaultWidth = 0;
	for (const Row& row : rows)
	{
		idWidth = std::max(idWidth, row.id.size());
		titleWidth = std::max(titleWidth, row.title.size());
		defaultWidth = std::max(defaultWidth, row.byDefault.size());
	}
	for (const Row& row : rows)
		std::printf("%-*s  %-*s  %-*s  %s\n", static_cast<int>(idWidth), row.id.c_str(), static_cast<int>(titleWidth),
			row.title.c_str(), static_cast<int>(defaultWidth), row.byDefault.c_str(), row.range.c_str());
	return 0;
}

} // namespace Veltrane
