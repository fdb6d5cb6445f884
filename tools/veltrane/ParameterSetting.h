#pragma once

#include "RenderBackend.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrane {

// A parameter value the user asked for, checked against what the plug-in reports.
struct ParameterAssignment
{
	std::uint32_t id;
	std::string title;
	double plainValue;
};

// "TITLE=VALUE" split at the first '=' with spaces around both parts
// trimmed; nothing when there is no '=' or no title.
std::optional<std::pair<std::string, std::string>> splitAssignment(const std::string& text);

// Finds the parameter by title (any case) and reads the value in its plain
// units; list parameters take an entry's label (any case) or index.
// Throws ToolError naming the problem: unknown title, unreadable value,
// a value outside the range or off the steps, a read-only parameter.
ParameterAssignment resolveAssignment(const std::string& title, const std::string& value,
	const std::vector<ParameterDescription>& parameters);

// The index of a preset named in any case; ToolError listing the presets otherwise.
int resolvePreset(const std::string& name, const std::vector<std::string>& presets);

// "0 .. 2000 mSec", "Comb | Delay": a parameter's accepted values, for listings and errors.
std::string describeRange(const ParameterDescription& parameter);

} // namespace Veltrane
