// What a user waits for: `veltrane render` of a minute of stereo audio,
// timed as a whole process (start-up, file I/O and rendering), through the
// VST 3 face and through the VST 2 face of the same binary.
#include <benchmark/benchmark.h>

#include <sndfile.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double kInputSeconds = 60.0;
constexpr int kSampleRate = 48000;
constexpr int kChannels = 2;

// Noise bursts every half second, decaying fast, different in each channel.
std::vector<float> noiseBursts()
{
	const auto frames = static_cast<size_t>(kInputSeconds * kSampleRate);
	std::vector<float> samples(frames * kChannels);
	std::uint32_t noise = 2024u;
	for (size_t frame = 0; frame < frames; ++frame)
	{
		const double burst = std::exp(-std::fmod(static_cast<double>(frame) / kSampleRate, 0.5) * 20.0);
		for (int channel = 0; channel < kChannels; ++channel)
		{
			noise = noise * 1664525u + 1013904223u;
			const double white = static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
			samples[frame * kChannels + static_cast<size_t>(channel)] = static_cast<float>(0.5 * burst * white);
		}
	}
	return samples;
}

// A temporary folder holding the input, written once for every case.
class Workspace
{
public:
	Workspace()
	{
		std::string pattern = (fs::temp_directory_path() / "veltrane-render-bench-XXXXXX").string();
		if (!mkdtemp(pattern.data()))
			throw std::runtime_error("cannot create a temporary folder");
		folder = pattern;
		writeInput();
	}
	Workspace(const Workspace&) = delete;
	Workspace& operator=(const Workspace&) = delete;
	~Workspace()
	{
		std::error_code ignored;
		fs::remove_all(folder, ignored);
	}

	std::string path(const char* name) const { return (folder / name).string(); }

private:
	void writeInput() const
	{
		SF_INFO info{};
		info.samplerate = kSampleRate;
		info.channels = kChannels;
		info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
		SNDFILE* file = sf_open(path("in.wav").c_str(), SFM_WRITE, &info);
		if (!file)
			throw std::runtime_error(std::string("cannot write the input: ") + sf_strerror(nullptr));
		const std::vector<float> samples = noiseBursts();
		const auto frames = static_cast<sf_count_t>(samples.size() / kChannels);
		const sf_count_t written = sf_writef_float(file, samples.data(), frames);
		sf_close(file);
		if (written != frames)
			throw std::runtime_error("cannot write the whole input");
	}

	fs::path folder;
};

const Workspace& workspace()
{
	static const Workspace shared;
	return shared;
}

std::string readText(const std::string& path)
{
	std::ifstream file(path);
	return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs veltrane with stdout dropped and stderr kept in a file; answers the
// error text, empty on success.
std::string runVeltrane(std::vector<std::string> arguments, const std::string& errorLog)
{
	arguments.insert(arguments.begin(), VELTRANE_BINARY);
	std::vector<char*> argv;
	for (std::string& argument : arguments)
		argv.push_back(argument.data());
	argv.push_back(nullptr);

	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
	posix_spawn_file_actions_addopen(&actions, 2, errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	pid_t child = 0;
	const int spawned = posix_spawn(&child, VELTRANE_BINARY, &actions, nullptr, argv.data(), environ);
	posix_spawn_file_actions_destroy(&actions);
	if (spawned != 0)
		return std::string("cannot start ") + VELTRANE_BINARY;

	int status = 0;
	while (waitpid(child, &status, 0) < 0)
		if (errno != EINTR)
			return "waitpid failed";
	if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
		return "";
	return "veltrane render failed: " + readText(errorLog);
}

void renderMinute(benchmark::State& state, bool vst2)
{
	const Workspace& files = workspace();
	std::vector<std::string> arguments = {"render", files.path("in.wav"), files.path("out.wav"), "--preset",
		"Crude Verb", "--tail", "0", "--plugin", VELTRANE_BUNDLE};
	if (vst2)
		arguments.push_back("--vst2");

	double totalSeconds = 0.0;
	for (auto _ : state)
	{
		const auto start = std::chrono::steady_clock::now();
		const std::string error = runVeltrane(arguments, files.path("err.txt"));
		const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
		if (!error.empty())
		{
			state.SkipWithError(error.c_str());
			return;
		}
		state.SetIterationTime(elapsed.count());
		totalSeconds += elapsed.count();
	}
	// How many times faster than real time, over all iterations.
	state.counters["rtf"] = kInputSeconds * static_cast<double>(state.iterations()) / totalSeconds;
}

void render_vst3(benchmark::State& state)
{
	renderMinute(state, false);
}

void render_vst2(benchmark::State& state)
{
	renderMinute(state, true);
}

} // namespace

BENCHMARK(render_vst3)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(render_vst2)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
