#include "ToolProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ToolTests {

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path)
{
	std::ifstream file(path, std::ios::binary);
	std::ostringstream text;
	text << file.rdbuf();
	return text.str();
}

std::vector<std::string> childEnvironment(const std::vector<std::string>& extra)
{
	std::vector<std::string> entries;
	for (char** entry = environ; *entry; ++entry)
		if (std::strncmp(*entry, "VELTRANE_PLUGIN=", 16) != 0)
			entries.emplace_back(*entry);
	entries.insert(entries.end(), extra.begin(), extra.end());
	return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
	std::vector<char*> pointers;
	for (std::string& text : strings)
		pointers.push_back(text.data());
	pointers.push_back(nullptr);
	return pointers;
}

} // namespace

RunningTool::RunningTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
	std::string pattern = (fs::temp_directory_path() / "veltrane-run-XXXXXX").string();
	if (!mkdtemp(pattern.data()))
		throw std::runtime_error("mkdtemp failed");
	capture = pattern;
	const std::string outPath = (capture / "stdout").string();
	const std::string errPath = (capture / "stderr").string();

	std::vector<std::string> argv{VELTRANE_BINARY};
	argv.insert(argv.end(), arguments.begin(), arguments.end());
	std::vector<std::string> envp = childEnvironment(environment);
	std::vector<char*> argvPointers = pointersTo(argv);
	std::vector<char*> envpPointers = pointersTo(envp);

	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	pid_t child = 0;
	const int spawned = posix_spawn(&child, VELTRANE_BINARY, &actions, nullptr, argvPointers.data(), envpPointers.data());
	posix_spawn_file_actions_destroy(&actions);
	if (spawned != 0)
		throw std::runtime_error(std::string("cannot start " VELTRANE_BINARY ": ") + std::strerror(spawned));
	pid = child;
}

RunningTool::~RunningTool()
{
	if (pid > 0)
	{
		::kill(pid, SIGKILL);
		waitpid(pid, nullptr, 0);
	}
	std::error_code ignored;
	fs::remove_all(capture, ignored);
}

void RunningTool::signal(int signalNumber)
{
	::kill(pid, signalNumber);
}

ToolRun RunningTool::wait()
{
	int status = 0;
	while (waitpid(pid, &status, 0) < 0)
		if (errno != EINTR)
			throw std::runtime_error("waitpid failed");
	pid = -1;
	ToolRun run;
	run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
	run.out = readText(capture / "stdout");
	run.err = readText(capture / "stderr");
	return run;
}

ToolRun runVeltrane(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
	return RunningTool(arguments, environment).wait();
}

TempDir::TempDir()
{
	std::string pattern = (fs::temp_directory_path() / "veltrane-tests-XXXXXX").string();
	if (!mkdtemp(pattern.data()))
		throw std::runtime_error("mkdtemp failed");
	folder = pattern;
}

TempDir::~TempDir()
{
	std::error_code ignored;
	fs::remove_all(folder, ignored);
}

std::vector<std::string> TempDir::fileNames() const
{
	std::vector<std::string> names;
	for (const fs::directory_entry& entry : fs::directory_iterator(folder))
		names.push_back(entry.path().filename().string());
	std::sort(names.begin(), names.end());
	return names;
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
	std::ifstream file(path, std::ios::binary);
	if (!file)
		throw std::runtime_error("cannot read " + path);
	return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
	std::ofstream file(path, std::ios::binary | std::ios::trunc);
	file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
	if (!file)
		throw std::runtime_error("cannot write " + path);
}

} // namespace ToolTests
