#pragma once

#include <stdexcept>
#include <string>

namespace Veltrane {

// Bad input or a failed step: main prints "veltrane: <what>" and exits 1.
class ToolError : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

// A command line that does not parse: main prints the text and a pointer to
// the command's --help, and exits 2.
class UsageError : public std::runtime_error
{
public:
	UsageError(const std::string& command, const std::string& what)
	: std::runtime_error(what), commandName(command)
	{
	}

	// Empty for the top level.
	const std::string& command() const { return commandName; }

private:
	std::string commandName;
};

} // namespace Veltrane
