#include "FilteredDelay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Voice
{
	explicit Voice(int sampleRate = 44100, float delayMs = 0, float feedbackPct = 0, float wetPct = 100)
	{
		voice.m_sampleRate = sampleRate;
		voice.m_fDelay_ms = delayMs;
		voice.m_fFeedback_pct = feedbackPct;
		voice.m_fWetLevel_pct = wetPct;
		voice.prepareToProcess();
	}

	float run(float x)
	{
		float out[2] = {};
		voice.processFrame(&x, out, 1, 1);
		return out[0];
	}

	CFilteredDelay voice;
};

// The voice's input filter, run on its own.
struct ReferenceFilter
{
	explicit ReferenceFilter(const CFilteredDelay& voice)
	{
		filter.flush();
		filter.setLowPass(voice.m_f_fc_Hz, voice.m_f_Q, voice.m_sampleRate);
	}
	CBiQuad filter;
};

std::vector<float> noise(int n)
{
	std::vector<float> samples(n);
	uint32_t state = 12345;
	for (float& s : samples)
	{
		state = state * 1664525u + 1013904223u;
		s = static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
	}
	return samples;
}

TEST(FilteredDelay, ZeroDelayGivesTheFilteredInput)
{
	Voice v(44100, 0, 0, 100);
	ReferenceFilter reference(v.voice);
	for (float x : noise(2000))
		ASSERT_EQ(v.run(x), reference.filter.process(x));
}

TEST(FilteredDelay, ZeroDelayWithFeedbackWritesTheLineWithTheBoost)
{
	Voice v(44100, 0, 40, 30);
	ReferenceFilter reference(v.voice);
	for (float x : noise(64))
	{
		const int32_t written = v.voice.m_writeIndex;
		const float out = v.run(x);
		const float y = reference.filter.process(x);
		ASSERT_EQ(v.voice.m_buffer[written], y * v.voice.m_feedback + y);
		const float wet = v.voice.m_wetLevel;
		ASSERT_EQ(out, (1.0f - wet) * x + wet * y);
	}
}

TEST(FilteredDelay, TenMillisecondsAt44100IsAnImpulse441FramesLater)
{
	Voice v(44100, 10, 0, 50);
	ReferenceFilter reference(v.voice);
	EXPECT_FLOAT_EQ(v.voice.m_delaySamples, 441.0f);
	std::vector<float> filtered;
	for (int n = 0; n < 600; ++n)
	{
		const float x = n == 0 ? 1.0f : 0.0f;
		filtered.push_back(reference.filter.process(x));
		const float out = v.run(x);
		const float expected = (1.0f - 0.5f) * x + 0.5f * (n >= 441 ? filtered[n - 441] : 0.0f);
		ASSERT_NEAR(out, expected, 1e-4f) << "frame " << n;
	}
}

TEST(FilteredDelay, FractionalDelayAveragesTheTwoNeighbouringTaps)
{
	Voice v(1000, 10.5f, 0, 100);
	ASSERT_EQ(v.voice.m_delaySamples, 10.5f);
	ReferenceFilter reference(v.voice);
	std::vector<float> line;
	for (float x : noise(100))
	{
		const float out = v.run(x);
		line.push_back(reference.filter.process(x));
		const size_t n = line.size() - 1;
		if (n >= 11)
		{
			ASSERT_EQ(out, 0.5f * line[n - 11] + (1.0f - 0.5f) * line[n - 10]);
		}
	}
}

TEST(FilteredDelay, FullFeedbackRecirculatesForEverAndLessDecays)
{
	for (float feedback : {100.0f, 50.0f})
	{
		Voice v(1000, 10, feedback, 100);
		// A pass-through filter isolates the loop: each echo is the last one times the feedback.
		v.voice.m_inputFilter.a0 = 1;
		v.voice.m_inputFilter.a1 = v.voice.m_inputFilter.a2 = v.voice.m_inputFilter.b1 = v.voice.m_inputFilter.b2 = 0;
		float echo = 1.0f;
		for (int n = 0; n <= 1000; ++n)
		{
			const float out = v.run(n == 0 ? 1.0f : 0.0f);
			const bool echoFrame = n > 0 && n % 10 == 0;
			ASSERT_EQ(out, echoFrame ? echo : 0.0f) << "frame " << n;
			if (echoFrame)
				echo *= feedback * 0.01f;
		}
	}
}

TEST(FilteredDelay, DelayChangesNeedUpdateDelay)
{
	Voice moved(44100, 5, 0, 100);
	Voice still(44100, 5, 0, 100);
	moved.voice.m_fDelay_ms = 20;
	for (float x : noise(500))
		ASSERT_EQ(moved.run(x), still.run(x));
	moved.voice.updateDelay();
	EXPECT_FLOAT_EQ(moved.voice.m_delaySamples, 882.0f);
}

TEST(FilteredDelay, SecondChannelFollowsTheChannelCounts)
{
	Voice v(44100, 3, 20, 60);
	const float stereoIn[2] = {0.25f, -0.125f};
	float out[2] = {0, 9};
	v.voice.processFrame(stereoIn, out, 2, 2);
	EXPECT_EQ(out[1], -0.125f);
	v.voice.processFrame(stereoIn, out, 1, 2);
	EXPECT_EQ(out[1], out[0]);
	out[1] = 9;
	v.voice.processFrame(stereoIn, out, 1, 1);
	EXPECT_EQ(out[1], 9.0f);
}

TEST(FilteredDelay, DelaysLongerThanTheLineWrap)
{
	Voice v(1000, 2001, 0, 100);
	EXPECT_EQ(v.voice.m_bufferLength, 2000);
	EXPECT_EQ(v.voice.m_readIndex, 1999) << "2001 samples back in a 2000-sample line";
}

TEST(FilteredDelay, UnusableSampleRatesNeverTouchMemoryTheVoiceDoesNotOwn)
{
	for (int rate : {0, -44100})
	{
		Voice v(rate, 100, 50, 50);
		EXPECT_EQ(v.voice.m_bufferLength, 0);
		for (float x : noise(100))
			ASSERT_TRUE(std::isfinite(v.run(x))) << rate;
	}
	CFilteredDelay unprepared;
	float x = 0.5f, out = 0;
	unprepared.m_fDelay_ms = 50;
	unprepared.updateDelay();
	unprepared.processFrame(&x, &out, 1, 1);
	EXPECT_TRUE(std::isfinite(out));
}

TEST(FilteredDelay, DamagedSettingsStayInsideTheLine)
{
	const float inf = std::numeric_limits<float>::infinity();
	const float nan = std::numeric_limits<float>::quiet_NaN();
	for (float delay : {nan, inf, -inf, -250.0f, 1e30f})
	{
		Voice v(48000, 10, 0, 100);
		v.voice.m_fDelay_ms = delay;
		v.voice.updateDelay();
		ASSERT_GE(v.voice.m_readIndex, 0) << delay;
		ASSERT_LT(v.voice.m_readIndex, v.voice.m_bufferLength) << delay;
		for (float x : noise(100))
			ASSERT_TRUE(std::isfinite(v.run(x))) << delay;
	}
	for (float q : {0.0f, -1.0f, nan, inf})
	{
		Voice v(48000, 10, 0, 100);
		v.voice.updateFilter(1000, q);
		for (float x : noise(100))
			ASSERT_TRUE(std::isfinite(v.run(x))) << q;
	}
}

} // namespace
