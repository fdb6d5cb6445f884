// veltrane: renders audio files through the plug-in bundle, loaded as a host
// loads it, and shows its editor.
#include "Commands.h"
#include "ToolError.h"
#include "Usage.h"

#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

namespace {

using Command = int (*)(const std::vector<std::string>&);

const std::map<std::string, Command>& commands()
{
	static const std::map<std::string, Command> table = {
		{"render", Veltrane::runRender},
		{"demo", Veltrane::runDemo},
		{"presets", Veltrane::runPresets},
		{"params", Veltrane::runParams},
		{"snapshot", Veltrane::runSnapshot},
		{"edit", Veltrane::runEdit},
		{"live", Veltrane::runLive},
	};
	return table;
}

int dispatch(const std::vector<std::string>& arguments)
{
	if (arguments.empty())
		throw Veltrane::UsageError("", "missing command");
	const std::string& name = arguments.front();
	const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
	if (name == "--help" || name == "-h")
	{
		std::fputs(Veltrane::kMainUsage, stdout);
		return 0;
	}
	if (name == "--version")
	{
		std::printf("veltrane (VeltraneFree) %s\n", VELTRANE_VERSION);
		return 0;
	}
	if (name == "help")
	{
		if (rest.empty())
		{
			std::fputs(Veltrane::kMainUsage, stdout);
			return 0;
		}
		return dispatch({rest.front(), "--help"});
	}
	const auto command = commands().find(name);
	if (command == commands().end())
		throw Veltrane::UsageError("", (name[0] == '-' ? "unknown option '" : "unknown command '") + name + "'");
	return command->second(rest);
}

} // namespace

int main(int argc, char** argv)
{
	try
	{
		return dispatch(std::vector<std::string>(argv + 1, argv + argc));
	}
	catch (const Veltrane::UsageError& error)
	{
		const std::string command = error.command().empty() ? "veltrane" : "veltrane " + error.command();
		std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", command.c_str(), error.what(),
			command.c_str());
		return 2;
	}
	catch (const std::exception& error)
	{
		std::fprintf(stderr, "veltrane: %s\n", error.what());
		return 1;
	}
}
