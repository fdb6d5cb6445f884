#include "ParameterSetting.h"

#include "Text.h"
#include "ToolError.h"

#include <algorithm>
#include <cmath>

namespace Veltrane {

namespace {

std::string trimmed(const std::string& text)
{
	const size_t first = text.find_first_not_of(" \t");
	if (first == std::string::npos)
		return "";
	const size_t last = text.find_last_not_of(" \t");
	return text.substr(first, last - first + 1);
}

std::string joined(const std::vector<std::string>& items, const char* separator)
{
	std::string text;
	for (const std::string& item : items)
		text += (text.empty() ? "" : separator) + item;
	return text;
}

double listValue(const ParameterDescription& parameter, const std::string& value)
{
	for (size_t index = 0; index < parameter.labels.size(); ++index)
		if (equalsIgnoringCase(parameter.labels[index], value))
			return static_cast<double>(index);
	const std::optional<double> index = parseNumber(value);
	if (index && *index >= 0.0 && *index < static_cast<double>(parameter.labels.size()) && *index == std::floor(*index))
		return *index;
	throw ToolError("'" + value + "' is not a value of " + parameter.title + "; it takes " +
		joined(parameter.labels, ", ") + " or their index 0.." + std::to_string(parameter.labels.size() - 1));
}

double numericValue(const ParameterDescription& parameter, const std::string& value)
{
	const std::optional<double> number = parseNumber(value);
	if (!number)
		throw ToolError("cannot read '" + value + "' as a value of " + parameter.title + "; it takes " +
			describeRange(parameter));
	const double low = std::min(parameter.minimum, parameter.maximum);
	const double high = std::max(parameter.minimum, parameter.maximum);
	if (*number < low || *number > high)
		throw ToolError(parameter.title + "=" + value + " is out of range; " + parameter.title + " takes " +
			describeRange(parameter));
	if (parameter.stepCount > 0 && high > low)
	{
		const double step = (*number - low) / (high - low) * parameter.stepCount;
		if (std::fabs(step - std::round(step)) > 1e-9)
			throw ToolError(parameter.title + "=" + value + " falls between steps; " + parameter.title + " takes " +
				describeRange(parameter));
	}
	return *number;
}

} // namespace

std::optional<std::pair<std::string, std::string>> splitAssignment(const std::string& text)
{
	const size_t equals = text.find('=');
	if (equals == std::string::npos)
		return std::nullopt;
	std::string title = trimmed(text.substr(0, equals));
	if (title.empty())
		return std::nullopt;
	return std::make_pair(std::move(title), trimmed(text.substr(equals + 1)));
}

ParameterAssignment resolveAssignment(const std::string& title, const std::string& value,
	const std::vector<ParameterDescription>& parameters)
{
	const auto found = std::find_if(parameters.begin(), parameters.end(),
		[&](const ParameterDescription& parameter) { return equalsIgnoringCase(parameter.title, title); });
	if (found == parameters.end())
		throw ToolError("unknown parameter '" + title + "' (see 'veltrane params')");
	if (found->readOnly)
		throw ToolError("parameter '" + found->title + "' is read-only");
	const double plain = found->isList() ? listValue(*found, value) : numericValue(*found, value);
	return {found->id, found->title, plain};
}

int resolvePreset(const std::string& name, const std::vector<std::string>& presets)
{
	for (size_t index = 0; index < presets.size(); ++index)
		if (equalsIgnoringCase(presets[index], name))
			return static_cast<int>(index);
	if (presets.empty())
		throw ToolError("unknown preset '" + name + "'; the plug-in has no presets");
	throw ToolError("unknown preset '" + name + "'; the presets are: " + joined(presets, ", "));
}

std::string describeRange(const ParameterDescription& parameter)
{
	if (parameter.isList())
		return joined(parameter.labels, " | ");
	std::string text = formatNumber(parameter.minimum) + " .. " + formatNumber(parameter.maximum);
	if (!parameter.units.empty())
		text += " " + parameter.units;
	if (parameter.stepCount > 0)
		text += " in " + std::to_string(parameter.stepCount) + " steps";
	return text;
}

} // namespace Veltrane
