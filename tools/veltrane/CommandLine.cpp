#include "CommandLine.h"

#include "Text.h"
#include "ToolError.h"

#include <algorithm>
#include <cmath>

namespace Veltrane {

bool ParsedCommandLine::has(const std::string& name) const
{
	return std::any_of(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
}

std::vector<std::string> ParsedCommandLine::all(const std::string& name) const
{
	std::vector<std::string> values;
	for (const auto& option : options)
		if (option.first == name)
			values.push_back(option.second);
	return values;
}

std::optional<std::string> ParsedCommandLine::last(const std::string& name) const
{
	std::optional<std::string> value;
	for (const auto& option : options)
		if (option.first == name)
			value = option.second;
	return value;
}

ParsedCommandLine parseCommandLine(const std::string& command, const std::vector<std::string>& arguments,
	const std::vector<OptionSpec>& accepted)
{
	ParsedCommandLine parsed;
	bool optionsEnded = false;
	for (size_t i = 0; i < arguments.size(); ++i)
	{
		const std::string& argument = arguments[i];
		if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-')
		{
			parsed.operands.push_back(argument);
			continue;
		}
		if (argument == "--")
		{
			optionsEnded = true;
			continue;
		}
		if (argument == "--help" || argument == "-h")
		{
			parsed.options.emplace_back("help", "");
			continue;
		}
		if (argument.compare(0, 2, "--") != 0)
			throw UsageError(command, "unknown option '" + argument + "'");

		const size_t equals = argument.find('=');
		const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
		const auto option = std::find_if(accepted.begin(), accepted.end(),
			[&](const OptionSpec& candidate) { return candidate.name == name; });
		if (option == accepted.end())
			throw UsageError(command, "unknown option '--" + name + "'");

		if (!option->takesValue)
		{
			if (equals != std::string::npos)
				throw UsageError(command, "option '--" + name + "' takes no value");
			parsed.options.emplace_back(name, "");
		}
		else if (equals != std::string::npos)
			parsed.options.emplace_back(name, argument.substr(equals + 1));
		else if (i + 1 < arguments.size())
			parsed.options.emplace_back(name, arguments[++i]);
		else
			throw UsageError(command, "option '--" + name + "' needs a value");
	}
	return parsed;
}

long parseIntegerOption(const std::string& command, const std::string& option, const std::string& text,
	long minimum, long maximum)
{
	const std::optional<double> value = parseNumber(text);
	if (!value || *value != std::floor(*value))
		throw UsageError(command, "--" + option + " wants a whole number, not '" + text + "'");
	// Range first: converting a huge double to long is undefined.
	if (*value < static_cast<double>(minimum) || *value > static_cast<double>(maximum))
		throw UsageError(command, "--" + option + " must lie in " + std::to_string(minimum) + ".." +
			std::to_string(maximum) + ", not " + text);
	return static_cast<long>(*value);
}

double parseNumberOption(const std::string& command, const std::string& option, const std::string& text,
	double minimum, double maximum)
{
	const std::optional<double> value = parseNumber(text);
	if (!value)
		throw UsageError(command, "--" + option + " wants a number, not '" + text + "'");
	if (*value < minimum || *value > maximum)
		throw UsageError(command, "--" + option + " must lie in " + formatNumber(minimum) + ".." +
			formatNumber(maximum) + ", not " + text);
	return *value;
}

} // namespace Veltrane
