// veltrane presets, params, demo, help and the progress bar, end to end.
#include "TestAudio.h"
#include "ToolProcess.h"

#include "host/Module.h"
#include "host/PlugInstance.h"

#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ToolTests {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

std::string ascii(const char16* text)
{
	std::string result;
	for (; *text; ++text)
		result += static_cast<char>(*text);
	return result;
}

std::vector<std::string> lines(const std::string& text)
{
	std::vector<std::string> result;
	std::istringstream stream(text);
	for (std::string line; std::getline(stream, line);)
		result.push_back(line);
	return result;
}

TEST(ListingTest, PresetsListsTheModulesProgramListInOrder)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	const VeltraneHost::PlugInstance plug = module.createInstance();
	IPtr<IUnitInfo> units = plug.queryInterface<IUnitInfo>();
	ASSERT_TRUE(units);
	ProgramListInfo list{};
	ASSERT_EQ(units->getProgramListInfo(0, list), kResultOk);

	const ToolRun run = runVeltrane({"presets"});
	ASSERT_EQ(run.status, 0) << run.err;
	const std::vector<std::string> listed = lines(run.out);
	ASSERT_EQ(listed.size(), static_cast<size_t>(list.programCount));
	for (int32 program = 0; program < list.programCount; ++program)
	{
		String128 name{};
		ASSERT_EQ(units->getProgramName(list.id, program, name), kResultOk);
		char expected[160];
		std::snprintf(expected, sizeof(expected), "%2d  %s", program, ascii(name).c_str());
		EXPECT_EQ(listed[static_cast<size_t>(program)], expected);
	}
}

// A table row's columns, which are separated by two spaces or more.
std::vector<std::string> columns(const std::string& row)
{
	std::vector<std::string> fields;
	size_t start = 0;
	while (start < row.size())
	{
		size_t gap = row.find("  ", start);
		if (gap == std::string::npos)
			gap = row.size();
		fields.push_back(row.substr(start, gap - start));
		start = row.find_first_not_of(' ', gap);
	}
	return fields;
}

TEST(ListingTest, ParamsListsEveryParameterWithIdTitleDefaultAndValues)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	const VeltraneHost::PlugInstance plug = module.createInstance();
	IEditController& controller = plug.controller();

	const ToolRun run = runVeltrane({"params"});
	ASSERT_EQ(run.status, 0) << run.err;
	const std::vector<std::string> listed = lines(run.out);
	ASSERT_EQ(listed.size(), static_cast<size_t>(controller.getParameterCount()) + 1);
	EXPECT_EQ(columns(listed[0]), (std::vector<std::string>{"ID", "TITLE", "DEFAULT", "VALUES"}));
	for (int32 index = 0; index < controller.getParameterCount(); ++index)
	{
		ParameterInfo info{};
		ASSERT_EQ(controller.getParameterInfo(index, info), kResultOk);
		const std::vector<std::string> row = columns(listed[static_cast<size_t>(index) + 1]);
		ASSERT_EQ(row.size(), 4u) << listed[static_cast<size_t>(index) + 1];
		EXPECT_EQ(row[0], (std::ostringstream() << "0x" << std::hex << info.id).str());
		EXPECT_EQ(row[1], ascii(info.title));
		if (info.flags & ParameterInfo::kIsList)
			continue;
		const double plainDefault = controller.normalizedParamToPlain(info.id, info.defaultNormalizedValue);
		EXPECT_NEAR(std::stod(row[2]), plainDefault, 1e-6 * std::max(1.0, std::fabs(plainDefault))) << row[1];
	}
	const auto rowOf = [&](const char* title) {
		for (const std::string& line : listed)
			if (columns(line).size() == 4 && columns(line)[1] == title)
				return columns(line);
		return std::vector<std::string>{};
	};
	EXPECT_EQ(rowOf("Delay"), (std::vector<std::string>{"0x0", "Delay", "0", "0 .. 2000 mSec"}));
	EXPECT_EQ(rowOf("Cutoff"), (std::vector<std::string>{"0x2", "Cutoff", "16000", "100 .. 16000 Hz"}));
	EXPECT_EQ(rowOf("Delay State"), (std::vector<std::string>{"0x8", "Delay State", "Comb", "Comb | Delay"}));
	EXPECT_EQ(rowOf("Factory Presets")[3].rfind("Factory Preset | Heavy | ", 0), 0u);
}

TEST(DemoTest, WritesTheSynthesisedPhraseThroughAPreset)
{
	TempDir dir;
	const ToolRun run = runVeltrane({"demo", dir / "demo.wav"});
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_NE(run.out.find("\"Crude Verb\""), std::string::npos) << run.out;
	EXPECT_LE(lines(run.out).size(), 2u);
	const Audio demo = readAudio(dir / "demo.wav");
	EXPECT_EQ(demo.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
	EXPECT_EQ(demo.sampleRate, 48000);
	EXPECT_EQ(demo.channels, 2);
	EXPECT_GE(demo.frames(), 3 * 48000);
	EXPECT_GT(peak(demo, 0, demo.frames()), 0.05f);

	const ToolRun other = runVeltrane({"demo", dir / "pipes.wav", "--preset", "pipes"});
	ASSERT_EQ(other.status, 0) << other.err;
	EXPECT_NE(other.out.find("\"Pipes\""), std::string::npos) << other.out;
	EXPECT_NE(readBytes(dir / "pipes.wav"), readBytes(dir / "demo.wav"));

	const ToolRun unknown = runVeltrane({"demo", dir / "x.wav", "--preset", "Nope"});
	EXPECT_EQ(unknown.status, 1);
	EXPECT_NE(unknown.err.find("unknown preset 'Nope'"), std::string::npos) << unknown.err;
}

TEST(HelpTest, EveryCommandAnswersHelpOnStdout)
{
	const ToolRun main = runVeltrane({"--help"});
	EXPECT_EQ(main.status, 0);
	EXPECT_EQ(main.out.rfind("Usage: veltrane COMMAND", 0), 0u);
	for (const char* command : {"render", "demo", "presets", "params"})
	{
		EXPECT_NE(main.out.find(std::string("  ") + command + " "), std::string::npos) << command;
		const ToolRun help = runVeltrane({command, "--help"});
		EXPECT_EQ(help.status, 0) << command;
		EXPECT_EQ(help.out.rfind(std::string("Usage: veltrane ") + command, 0), 0u) << help.out;
		EXPECT_TRUE(help.err.empty());
		EXPECT_EQ(runVeltrane({"help", command}).out, help.out);
	}
	EXPECT_EQ(runVeltrane({"render", "-h"}).out, runVeltrane({"render", "--help"}).out);
	const ToolRun version = runVeltrane({"--version"});
	EXPECT_EQ(version.status, 0);
	EXPECT_EQ(version.out.rfind("veltrane (VeltraneFree) ", 0), 0u);
}

// Runs veltrane with stderr (and stdout) on a pseudo-terminal and answers what it wrote there.
std::string runOnTerminal(const std::vector<std::string>& arguments, int& status)
{
	std::vector<std::string> argv{VELTRANE_BINARY};
	argv.insert(argv.end(), arguments.begin(), arguments.end());
	std::vector<char*> pointers;
	for (std::string& argument : argv)
		pointers.push_back(argument.data());
	pointers.push_back(nullptr);

	int terminal = -1;
	const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
	if (child == 0)
	{
		execv(VELTRANE_BINARY, pointers.data());
		_exit(127);
	}
	std::string written;
	char chunk[4096];
	for (;;)
	{
		const ssize_t got = read(terminal, chunk, sizeof(chunk));
		if (got > 0)
			written.append(chunk, static_cast<size_t>(got));
		else if (got < 0 && errno == EINTR)
			continue;
		else
			break; // EIO once the child has closed its side
	}
	close(terminal);
	int waited = 0;
	waitpid(child, &waited, 0);
	status = WIFEXITED(waited) ? WEXITSTATUS(waited) : -1;
	return written;
}

TEST(ProgressTest, LongRenderOnATerminalShowsAndClearsAProgressBar)
{
	TempDir dir;
	writeAudio(dir / "in.wav", testSignal(0.5));
	// One frame a call through a minute of endless echoes: well over a second.
	const std::vector<std::string> slow = {"--block", "1", "--tail", "60", "--set", "Delay State=Delay",
		"--set", "Feedback=100", "--set", "Delay=50"};
	const auto withFiles = [&](const std::string& out, std::vector<std::string> options) {
		options.insert(options.begin(), {"render", dir / "in.wav", dir / out});
		return options;
	};

	int status = -1;
	const std::string terminal = runOnTerminal(withFiles("out.wav", slow), status);
	EXPECT_EQ(status, 0) << terminal;
	EXPECT_NE(terminal.find("] 100%  tail "), std::string::npos) << terminal;
	// Cleared before anything else is said.
	EXPECT_NE(terminal.find("\r\033[Kveltrane: note: the tail was cut"), std::string::npos) << terminal;

	// Short renders, and renders whose stderr is no terminal, draw nothing.
	const std::string quick = runOnTerminal(withFiles("quick.wav", {"--tail", "0"}), status);
	EXPECT_EQ(status, 0);
	EXPECT_TRUE(quick.empty()) << quick;
	const ToolRun piped = runVeltrane(withFiles("piped.wav", slow));
	EXPECT_EQ(piped.err.find('['), std::string::npos) << piped.err;
}

} // namespace
} // namespace ToolTests
