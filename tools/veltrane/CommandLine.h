#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrane {

// One long option a command accepts, named without the leading "--".
struct OptionSpec
{
	std::string name;
	bool takesValue;
};

// The arguments of one command in the order given. Options may come before,
// between or after the operands; "--" ends the options.
class ParsedCommandLine
{
public:
	std::vector<std::string> operands;
	std::vector<std::pair<std::string, std::string>> options;

	bool has(const std::string& name) const;
	// Every value of a repeatable option, in order.
	std::vector<std::string> all(const std::string& name) const;
	// A single-valued option: the last occurrence wins, as in most tools.
	std::optional<std::string> last(const std::string& name) const;
};

// "--help" and "-h" are always accepted and recorded as "help". Throws
// UsageError naming the command for unknown options and missing values.
ParsedCommandLine parseCommandLine(const std::string& command, const std::vector<std::string>& arguments,
	const std::vector<OptionSpec>& accepted);

// Whole-text number parsing for option values; UsageError when the text is
// not a number or lies outside [minimum, maximum].
long parseIntegerOption(const std::string& command, const std::string& option, const std::string& text,
	long minimum, long maximum);
double parseNumberOption(const std::string& command, const std::string& option, const std::string& text,
	double minimum, double maximum);

} // namespace Veltrane
