// What a host pays to bring the module up and down: with the module loaded
// afresh each time, and with it kept loaded so only the instance is timed.
#include "host/Module.h"
#include "host/PlugInstance.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kSampleRate = 48000.0;
constexpr Steinberg::int32 kMaxBlock = 512;

// createInstance initializes; the instance's destructor deactivates,
// terminates and releases.
void bringUpAndDown(const VeltraneHost::Module& module)
{
	VeltraneHost::PlugInstance instance = module.createInstance();
	instance.setupProcessing(kSampleRate, kMaxBlock);
	instance.setActive(true);
	benchmark::DoNotOptimize(&instance);
}

void instantiate(benchmark::State& state)
{
	for (auto _ : state)
	{
		const VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
		bringUpAndDown(module);
	}
}

void instantiate_loaded(benchmark::State& state)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	for (auto _ : state)
		bringUpAndDown(module);
}

} // namespace

BENCHMARK(instantiate)->Unit(benchmark::kMicrosecond);
BENCHMARK(instantiate_loaded)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
