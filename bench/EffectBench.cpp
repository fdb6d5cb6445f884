// Per-frame cost of the stereo effect at 48 kHz, against a hand-written floor
// kernel doing the same arithmetic with no controls and no smoothing.
#include "BiQuad.h"
#include "PresetValues.h"
#include "ZuVurazOva.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kSampleRate = 48000;
constexpr int kCrudeVerb = 5;
constexpr int kFramesPerIteration = 4800;

std::vector<float> testSignal()
{
	std::vector<float> samples(2 * kFramesPerIteration);
	uint32_t state = 1;
	for (float& s : samples)
	{
		state = state * 1664525u + 1013904223u;
		s = static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
	}
	return samples;
}

void reportRealTimeFactor(benchmark::State& state)
{
	state.SetItemsProcessed(state.iterations() * kFramesPerIteration);
	state.counters["rtf"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFramesPerIteration / kSampleRate,
	                                           benchmark::Counter::kIsRate);
}

void runEffect(benchmark::State& state, CZuVurazOva& effect, bool glide)
{
	const std::vector<float> input = testSignal();
	float out[2];
	int retarget = 0;
	for (auto _ : state)
	{
		if (glide)
		{
			// New targets for all eight knobs every 4800 frames: they never settle.
			const float target = (retarget++ % 2) ? 0.8f : 0.2f;
			for (uint32_t index = 0; index < 8; ++index)
				effect.setNormalized(index, target, false);
		}
		for (int i = 0; i < kFramesPerIteration; ++i)
		{
			effect.processFrame(&input[2 * i], out, 2, 2);
			benchmark::DoNotOptimize(out);
		}
	}
	reportRealTimeFactor(state);
}

void steady(benchmark::State& state)
{
	CZuVurazOva effect;
	effect.m_sampleRate = kSampleRate;
	effect.prepareToProcess();
	applyPreset(effect, kCrudeVerb, true);
	runEffect(state, effect, false);
}

void glide(benchmark::State& state)
{
	CZuVurazOva effect;
	effect.m_sampleRate = kSampleRate;
	effect.prepareToProcess();
	applyPreset(effect, kCrudeVerb, true);
	runEffect(state, effect, true);
}

// Two filters, two interpolated lines with feedback, the mix: nothing else.
void floor(benchmark::State& state)
{
	struct Line
	{
		CBiQuad filter;
		std::vector<float> samples = std::vector<float>(2 * kSampleRate, 0.0f);
		int32_t write = 0, read = 0;
		float fraction = 0;

		float process(float x, float feedback, float wet)
		{
			const float y = filter.process(x);
			const int32_t length = static_cast<int32_t>(samples.size());
			const int32_t previous = read == 0 ? length - 1 : read - 1;
			const float d = fraction * samples[previous] + (1.0f - fraction) * samples[read];
			samples[write] = d * feedback + y;
			if (++write == length)
				write = 0;
			if (++read == length)
				read = 0;
			return (1.0f - wet) * x + wet * d;
		}
	} left, right;

	CZuVurazOva preset; // only for the settings of "Crude Verb"
	preset.m_sampleRate = kSampleRate;
	preset.prepareToProcess();
	applyPreset(preset, kCrudeVerb, true);
	for (Line* line : {&left, &right})
	{
		const CFilteredDelay& voice = line == &left ? preset.m_voiceLeft : preset.m_voiceRight;
		line->filter = voice.m_inputFilter;
		line->read = voice.m_readIndex;
		line->fraction = voice.m_delaySamples - static_cast<float>(static_cast<int32_t>(voice.m_delaySamples));
	}
	const float feedback = preset.m_voiceLeft.m_feedback, wet = preset.m_voiceLeft.m_wetLevel;
	const float volume = preset.m_fVolume;

	const std::vector<float> input = testSignal();
	float out[2];
	for (auto _ : state)
	{
		for (int i = 0; i < kFramesPerIteration; ++i)
		{
			out[0] = volume * left.process(input[2 * i], feedback, wet);
			out[1] = volume * right.process(input[2 * i + 1], feedback, wet);
			benchmark::DoNotOptimize(out);
		}
	}
	reportRealTimeFactor(state);
}

} // namespace

BENCHMARK(steady);
BENCHMARK(glide);
BENCHMARK(floor);

BENCHMARK_MAIN();
