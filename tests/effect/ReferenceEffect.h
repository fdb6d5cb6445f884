// A plain, unoptimised rendering of the stereo effect's arithmetic: every
// smoother steps every frame, every step updates the voices at once, and every
// update redesigns both filters. The optimised effect must match it bit for bit.
// It has no cutoff bound and no guard against samples that are not finite:
// from 44.1 kHz up, on finite audio, neither may change a bit.
#pragma once

#include "BiQuad.h"

#include <cmath>
#include <cstdint>
#include <vector>

class ReferenceVoice
{
public:
	void updateDelay()
	{
		feedback = feedbackPct * 0.01f;
		wetLevel = wetPct * 0.01f;
		delaySamples = (static_cast<float>(sampleRate) * 0.001f) * delayMs;
		readIndex = writeIndex - static_cast<int32_t>(delaySamples);
		while (readIndex < 0 && length > 0)
			readIndex += length;
	}

	void updateFilter() { filter.setLowPass(cutoffHz, q, sampleRate); }

	void prepare()
	{
		filter.flush();
		updateFilter();
		length = 2 * sampleRate;
		line.assign(static_cast<size_t>(length), 0.0f);
		readIndex = writeIndex = 0;
		updateDelay();
	}

	float process(float x)
	{
		const float y = filter.process(x);
		float t = line[readIndex];
		if (readIndex == writeIndex && delaySamples < 1)
			t = x;
		const int32_t p = readIndex - 1 < 0 ? length - 1 : readIndex - 1;
		const float f = delaySamples - static_cast<float>(static_cast<int32_t>(delaySamples));
		float d = f * line[p] + (1 - f) * t;
		if (delaySamples == 0)
			d = y;
		line[writeIndex] = d * feedback + y;
		const float out = (1 - wetLevel) * x + wetLevel * d;
		if (++writeIndex == length)
			writeIndex = 0;
		if (++readIndex == length)
			readIndex = 0;
		return out;
	}

	int32_t sampleRate = 44100;
	float cutoffHz = 0, q = 0, delayMs = 0, feedbackPct = 0, wetPct = 0;
	CBiQuad filter;
	float delaySamples = 0, feedback = 0, wetLevel = 0;
	std::vector<float> line;
	int32_t length = 0, writeIndex = 0, readIndex = 0;
};

class ReferenceEffect
{
public:
	enum { kDelay, kFeedback, kCutoff, kResonance, kRatio, kOffset, kWet, kVolume, kKnobs };
	static constexpr float kMinimum[kKnobs] = {0, 0, 100, 0.5f, 1, 0, 0, 0};
	static constexpr float kMaximum[kKnobs] = {2000, 100, 16000, 10, 20, 1, 100, 1};

	ReferenceEffect() { updateVoices(); }

	void prepare(int32_t rate)
	{
		sampleRate = left.sampleRate = right.sampleRate = rate;
		updateVoices(false);
		left.prepare();
		right.prepare();
		const float pole = std::exp(-6.2831855f / (100.0f * 0.001f * static_cast<float>(rate)));
		for (int i = 0; i < kKnobs; ++i)
			smoothers[i] = {pole, 1.0f - pole, knobs[i], knobs[i], knobs[i]};
	}

	// The host's path: a knob glides, a switch jumps.
	void setNormalized(int index, float n)
	{
		if (index < kKnobs)
		{
			smoothers[index].target = (kMaximum[index] - kMinimum[index]) * n + kMinimum[index];
			updateVoices();
			return;
		}
		uint32_t& variable = index == kKnobs ? delayState : active;
		const uint32_t value = static_cast<uint32_t>(std::floor(static_cast<double>(n + 0.5f)));
		if (variable != value)
		{
			variable = value;
			updateVoices();
		}
	}

	void processFrame(const float* in, float* out)
	{
		for (int i = 0; i < kKnobs; ++i)
		{
			Smoother& s = smoothers[i];
			s.z = s.gain * s.target + s.pole * s.z;
			if (s.z == s.last)
				knobs[i] = s.target;
			else
			{
				s.last = s.z;
				knobs[i] = s.z;
				updateVoices();
			}
		}
		const float volume = knobs[kVolume];
		if (active != 0)
		{
			out[0] = in[0] * volume;
			out[1] = in[1] * volume;
			return;
		}
		out[0] = left.process(in[0]);
		out[0] = volume * out[0];
		out[1] = right.process(in[1]);
		out[1] = volume * out[1];
	}

	float knobs[kKnobs] = {0, 0, 16000, 0.5f, 1, 0, 50, 0.7f};
	uint32_t delayState = 0, active = 0;

private:
	struct Smoother
	{
		float pole, gain, z, last, target;
	};

	void updateVoices(bool recompute = true)
	{
		float base, feedback;
		if (delayState == 0)
		{
			base = (knobs[kDelay] * 0.01f) / knobs[kRatio];
			feedback = knobs[kFeedback] - 5;
		}
		else
		{
			base = knobs[kDelay] / knobs[kRatio];
			feedback = knobs[kFeedback];
		}
		left.delayMs = base;
		right.delayMs = base + knobs[kOffset];
		for (ReferenceVoice* voice : {&left, &right})
		{
			voice->feedbackPct = feedback;
			voice->wetPct = knobs[kWet];
			voice->q = knobs[kResonance];
			voice->cutoffHz = knobs[kCutoff];
		}
		if (recompute)
		{
			left.updateDelay();
			right.updateDelay();
			left.updateFilter();
			right.updateFilter();
		}
	}

	int32_t sampleRate = 44100;
	Smoother smoothers[kKnobs] = {};
	ReferenceVoice left, right;
};
