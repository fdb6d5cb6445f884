#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ToolTests {

struct ToolRun
{
	int status = -1;	// exit status; 128 + n when killed by signal n
	std::string out;
	std::string err;
};

// A veltrane process started in the background, its output going to files.
class RunningTool
{
public:
	RunningTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});
	RunningTool(const RunningTool&) = delete;
	RunningTool& operator=(const RunningTool&) = delete;
	~RunningTool();

	void signal(int signalNumber);
	ToolRun wait();

private:
	std::filesystem::path capture;
	int pid = -1;
};

// Runs the built veltrane with the arguments, stdin from /dev/null, and
// waits for it. VELTRANE_PLUGIN is removed from the environment unless
// given in `environment` ("NAME=value" entries added to it).
ToolRun runVeltrane(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir
{
public:
	TempDir();
	TempDir(const TempDir&) = delete;
	TempDir& operator=(const TempDir&) = delete;
	~TempDir();

	const std::filesystem::path& path() const { return folder; }
	std::string operator/(const std::string& name) const { return (folder / name).string(); }
	// Names of the files in the folder, sorted.
	std::vector<std::string> fileNames() const;

private:
	std::filesystem::path folder;
};

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace ToolTests
