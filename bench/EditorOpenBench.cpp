// How long the editor takes to open, from createView to its first drawn
// pixels, offscreen and in a window (run it under Xvfb: xvfb-run -a), and
// what memory it adds. The first opening of a process decodes the pictures,
// so each first opening runs in a fresh process: this program started again
// with --first-opening KIND SCALE, which prints its seconds and bytes.
#include "EditorOpenings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using EditorBench::Opening;

constexpr const char* kChildFlag = "--first-opening";
std::string selfPath;

Opening openOnce(const std::string& kind, double scale)
{
	if (kind == "window")
		return EditorBench::WindowEditorHost().open(scale);
	return EditorBench::OffscreenEditorHost().open(scale);
}

int runChild(const std::string& kind, double scale)
{
	try
	{
		const Opening opening = openOnce(kind, scale);
		std::printf("%.9f %zu\n", opening.seconds, opening.addedBytes);
		return 0;
	}
	catch (const std::exception& error)
	{
		std::fprintf(stderr, "%s\n", error.what());
		return 1;
	}
}

Opening firstOpeningInFreshProcess(const std::string& kind, double scale)
{
	const std::string command = "'" + selfPath + "' " + kChildFlag + " " + kind + " " + std::to_string(scale);
	std::unique_ptr<FILE, decltype(&pclose)> child(popen(command.c_str(), "r"), &pclose);
	Opening opening;
	if (!child || std::fscanf(child.get(), "%lf %zu", &opening.seconds, &opening.addedBytes) != 2)
		throw std::runtime_error("the child process measured nothing");
	return opening;
}

void report(benchmark::State& state, size_t addedBytes)
{
	state.counters["added_MiB"] = static_cast<double>(addedBytes) / (1024.0 * 1024.0);
}

bool needsDisplay(benchmark::State& state, const std::string& kind)
{
	if (kind == "window" && !std::getenv("DISPLAY"))
	{
		state.SkipWithError("no $DISPLAY: run under xvfb-run -a");
		return false;
	}
	return true;
}

// The first opening of a process, each iteration in a process of its own.
void first_opening(benchmark::State& state, const std::string& kind, double scale)
{
	if (!needsDisplay(state, kind))
		return;
	size_t added = 0;
	for (auto _ : state)
	{
		const Opening opening = firstOpeningInFreshProcess(kind, scale);
		state.SetIterationTime(opening.seconds);
		added = opening.addedBytes;
	}
	report(state, added);
}

// Openings after the first, the pictures already decoded.
template <typename Host>
void later_opening(benchmark::State& state, const std::string& kind, double scale)
{
	if (!needsDisplay(state, kind))
		return;
	Host host;
	host.open(scale);
	size_t added = 0;
	for (auto _ : state)
	{
		const Opening opening = host.open(scale);
		state.SetIterationTime(opening.seconds);
		added = opening.addedBytes;
	}
	report(state, added);
}

void registerCases()
{
	for (const double scale : {1.0, 2.0})
	{
		const std::string suffix = scale == 1.0 ? "" : "/scale:2";
		for (const std::string kind : {"offscreen", "window"})
			benchmark::RegisterBenchmark(("first_opening/" + kind + suffix).c_str(), first_opening, kind, scale)
				->UseManualTime()
				->Unit(benchmark::kMillisecond)
				->Iterations(8);
		benchmark::RegisterBenchmark(("later_opening/offscreen" + suffix).c_str(),
			later_opening<EditorBench::OffscreenEditorHost>, "offscreen", scale)
			->UseManualTime()
			->Unit(benchmark::kMillisecond);
		benchmark::RegisterBenchmark(("later_opening/window" + suffix).c_str(),
			later_opening<EditorBench::WindowEditorHost>, "window", scale)
			->UseManualTime()
			->Unit(benchmark::kMillisecond);
	}
}

} // namespace

int main(int argc, char** argv)
{
	if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0)
		return runChild(argv[2], std::atof(argv[3]));
	selfPath = "/proc/self/exe";
	char resolved[4096];
	if (const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1); length > 0)
		selfPath.assign(resolved, static_cast<size_t>(length));
	registerCases();
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
