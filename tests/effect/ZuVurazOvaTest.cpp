#include "PresetValues.h"
#include "ReferenceEffect.h"
#include "ZuVurazOva.h"
#include "ZuVurazOvaControls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

class CountingZuVurazOva : public CZuVurazOva
{
public:
	bool controlChanged(uint32_t controlId) override
	{
		++changes;
		return CZuVurazOva::controlChanged(controlId);
	}
	int changes = 0;
};

CBiQuad designedFilter(float fc, float q, int fs)
{
	CBiQuad filter;
	filter.flush();
	filter.setLowPass(fc, q, fs);
	return filter;
}

float noiseSample(uint32_t& state)
{
	state = state * 1664525u + 1013904223u;
	return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
}

void setPlainValue(CZuVurazOva& effect, uint32_t index, float plain)
{
	const ControlDescriptor& control = *effect.m_controlArray[index];
	effect.setNormalized(index, (plain - control.minimum) / (control.maximum - control.minimum), true);
}

TEST(ZuVurazOva, ControlTableInHostOrder)
{
	struct Expected
	{
		uint32_t controlId;
		const char* name;
		uint32_t kind;
		const char* units;
		const char* labels;
		float minimum, maximum, value;
	};
	const Expected expected[] = {
		{0, "Delay", 100, "mSec", "SEL1,SEL2,SEL3", 0, 2000, 0},
		{1, "Feedback", 100, "%", "SEL1,SEL2,SEL3", 0, 100, 0},
		{2, "Cutoff", 100, "Hz", "SEL1,SEL2,SEL3", 100, 16000, 16000},
		{3, "Resonance", 100, "", "SEL1,SEL2,SEL3", 0.5f, 10, 0.5f},
		{4, "Delay Ratio", 100, "Divide", "SEL1,SEL2,SEL3", 1, 20, 1},
		{5, "Offset", 100, "", "SEL1,SEL2,SEL3", 0, 1, 0},
		{6, "Wet/Dry", 100, "%", "SEL1,SEL2,SEL3", 0, 100, 50},
		{7, "Volume", 100, "", "SEL1,SEL2,SEL3", 0, 1, 0.699999988079071f},
		{41, "Delay State", 102, "", "Comb,Delay", 0, 1, 0},
		{42, "Active", 102, "", "On,Off", 0, 1, 0},
	};
	CZuVurazOva effect;
	ASSERT_EQ(effect.m_controls.count(), 10);
	ASSERT_EQ(effect.m_controlCount, 10u);
	for (int i = 0; i < 10; ++i)
	{
		const ControlDescriptor& control = *effect.m_controls.at(i);
		SCOPED_TRACE(expected[i].name);
		EXPECT_EQ(control.index, i);
		EXPECT_EQ(effect.m_controlArray[i], &control);
		EXPECT_EQ(control.controlId, expected[i].controlId);
		EXPECT_EQ(control.name.str(), expected[i].name);
		EXPECT_EQ(control.kind, expected[i].kind);
		EXPECT_EQ(control.units.str(), expected[i].units);
		EXPECT_EQ(control.enumLabels.str(), expected[i].labels);
		EXPECT_EQ(control.minimum, expected[i].minimum);
		EXPECT_EQ(control.maximum, expected[i].maximum);
		EXPECT_EQ(effect.controlValue(i), expected[i].value);
		EXPECT_EQ(control.precision(), 2);
		EXPECT_EQ(control.smoothingEnabled, i < 8);
		EXPECT_EQ(control.valueType, i < 8 ? kFloatValue : kEnumValue);
		EXPECT_EQ(effect.m_exchange[i].controlId, static_cast<int32_t>(expected[i].controlId));
	}
	EXPECT_EQ(effect.m_controls.at(0)->variableName.str(), "m_fDelay_ms");
	EXPECT_EQ(effect.m_controls.at(9)->variableName.str(), "m_uActive");
	EXPECT_EQ(effect.m_joystickX.controlId, 32773u);
	EXPECT_EQ(effect.m_joystickY.index, 11);
	EXPECT_STREQ(effect.m_name, "Veltrane");
	EXPECT_EQ(effect.m_editorOption, 2u);
	EXPECT_EQ(effect.m_queueGranularity, 1u);
	EXPECT_EQ(effect.m_infiniteTail, 1u);
}

TEST(ZuVurazOva, FactoryPresetTable)
{
	CZuVurazOva effect;
	const char* names[] = {"Factory Preset", "Heavy", "Hollow Ring", "Banking", "Beats as Bass", "Crude Verb",
	                       "Some Space", "Padding for Pads", "Good on Atmos", "Pipes", "Automate Me"};
	for (int slot = 0; slot < 16; ++slot)
		EXPECT_STREQ(effect.m_presetNames[slot], slot < 11 ? names[slot] : "") << slot;
	for (int i = 0; i < 10; ++i)
		EXPECT_EQ(static_cast<float>(effect.m_controls.at(i)->presetValues[0]), effect.controlValue(i)) << i;
	EXPECT_EQ(effect.m_controls.at(2)->presetValues[3], 5108.500488);
	EXPECT_EQ(effect.m_controls.at(7)->presetValues[10], 0.52);
	EXPECT_EQ(effect.m_controls.at(0)->presetValues[12], 0.0);

	applyPreset(effect, 9, true); // "Pipes"
	EXPECT_EQ(effect.m_uDState, 1u);
	EXPECT_EQ(effect.m_fRatio, 20.0f);
}

TEST(ZuVurazOva, FactorySettingsMixDryWithTheLowPassedDry)
{
	CZuVurazOva effect;
	effect.m_sampleRate = 44100;
	effect.prepareToProcess();
	CBiQuad left = designedFilter(16000, 0.5f, 44100), right = left;
	uint32_t state = 7;
	for (int n = 0; n < 5000; ++n)
	{
		const float in[2] = {noiseSample(state), noiseSample(state)};
		float out[2];
		effect.processFrame(in, out, 2, 2);
		const float volume = 0.7f;
		ASSERT_EQ(out[0], volume * ((1.0f - 0.5f) * in[0] + 0.5f * left.process(in[0]))) << n;
		ASSERT_EQ(out[1], volume * ((1.0f - 0.5f) * in[1] + 0.5f * right.process(in[1]))) << n;
	}
}

TEST(ZuVurazOva, CombAndDelayRangesMapTheKnobs)
{
	CZuVurazOva effect;
	setPlainValue(effect, 0, 1000);
	setPlainValue(effect, 1, 60);
	EXPECT_EQ(effect.m_voiceLeft.m_fDelay_ms, 10.0f);
	EXPECT_EQ(effect.m_voiceRight.m_fDelay_ms, 10.0f);
	EXPECT_FLOAT_EQ(effect.m_voiceLeft.m_fFeedback_pct, 55.0f);

	setPlainValue(effect, 8, 1); // "Delay"
	setPlainValue(effect, 0, 2000);
	setPlainValue(effect, 5, 1);
	EXPECT_EQ(effect.m_voiceLeft.m_fDelay_ms, 2000.0f);
	EXPECT_EQ(effect.m_voiceRight.m_fDelay_ms, 2001.0f);
	EXPECT_FLOAT_EQ(effect.m_voiceRight.m_fFeedback_pct, 60.0f);

	setPlainValue(effect, 4, 4);
	EXPECT_EQ(effect.m_voiceLeft.m_fDelay_ms, 500.0f);
}

TEST(ZuVurazOva, VoicesRunAtTheEffectsRate)
{
	CZuVurazOva effect;
	effect.m_sampleRate = 48000;
	setPlainValue(effect, 8, 1);
	setPlainValue(effect, 0, 1000);
	effect.prepareToProcess();
	EXPECT_EQ(effect.m_voiceLeft.m_bufferLength, 96000);
	EXPECT_FLOAT_EQ(effect.m_voiceRight.m_delaySamples, 48000.0f);
}

TEST(ZuVurazOva, OffPassesTheInputAndOnResumesTheEchoes)
{
	CZuVurazOva effect;
	effect.m_sampleRate = 48000;
	effect.prepareToProcess();
	setPlainValue(effect, 8, 1);  // "Delay"
	setPlainValue(effect, 0, 2);  // 96 frames
	setPlainValue(effect, 1, 0);
	setPlainValue(effect, 6, 100);
	float out[2];
	const float impulse[2] = {1, 1}, silence[2] = {0, 0};
	effect.processFrame(impulse, out, 2, 2);

	setPlainValue(effect, 9, 1); // "Off"
	for (int n = 1; n < 60; ++n)
	{
		const float in[2] = {0.5f, -0.25f};
		effect.processFrame(in, out, 2, 2);
		ASSERT_EQ(out[0], 0.5f * effect.m_fVolume);
		ASSERT_EQ(out[1], -0.25f * effect.m_fVolume);
	}
	setPlainValue(effect, 9, 0); // "On"
	float echo = 0;
	for (int n = 0; n < 100; ++n)
	{
		effect.processFrame(silence, out, 2, 2);
		echo = std::fmax(echo, std::fabs(out[0]));
	}
	EXPECT_GT(echo, 0.1f) << "the impulse was still in the line";
}

TEST(ZuVurazOva, MonoInputFeedsTheDryInputToTheRightOutput)
{
	CZuVurazOva effect;
	effect.prepareToProcess();
	const float in[1] = {0.5f};
	float out[2] = {};
	effect.processFrame(in, out, 1, 2);
	EXPECT_EQ(out[1], 0.5f * 0.7f);
}

TEST(ZuVurazOva, SwitchesUpdateOnlyOnChangeAndKnobsGlideUntilSettled)
{
	CountingZuVurazOva effect;
	effect.prepareToProcess();
	effect.setNormalized(8, 1.0f, false);
	EXPECT_EQ(effect.changes, 1);
	effect.setNormalized(8, 1.0f, false);
	EXPECT_EQ(effect.changes, 1);

	effect.changes = 0;
	effect.setNormalized(6, 1.0f, false);
	EXPECT_EQ(effect.changes, 1) << "the change itself, while only the target moved";
	EXPECT_EQ(effect.m_fWetLevel_pct, 50.0f);
	const float silence[2] = {};
	float out[2];
	int frames = 0;
	while (effect.m_fWetLevel_pct != 100.0f)
	{
		effect.processFrame(silence, out, 2, 2);
		++frames;
	}
	EXPECT_EQ(effect.changes, frames) << "once per frame of the glide, the landing frame excepted";
	effect.processFrame(silence, out, 2, 2);
	EXPECT_EQ(effect.changes, frames);
}

TEST(ZuVurazOva, DamagedSettingsNeverBreakProcessing)
{
	const float nan = std::numeric_limits<float>::quiet_NaN();
	const float inf = std::numeric_limits<float>::infinity();
	struct Damage
	{
		uint32_t index;
		float value;
	};
	const Damage damages[] = {{4, 0.0f}, {4, -3.0f}, {4, 0.5f}, {4, nan}, {4, inf}, {0, nan},  {0, inf},
	                          {0, -1e30f}, {5, nan}, {5, inf}, {2, nan}, {2, inf}, {3, 0.0f}, {3, nan}};
	for (const Damage& damage : damages)
	{
		CZuVurazOva effect;
		effect.m_sampleRate = 48000;
		effect.prepareToProcess();
		applyPreset(effect, 4, true);
		ControlDescriptor& control = *effect.m_controlArray[damage.index];
		control.smoothingEnabled = false;
		effect.setPlain(damage.index, damage.value);
		control.smoothingEnabled = true;
		uint32_t state = 3;
		for (int n = 0; n < 2000; ++n)
		{
			const float in[2] = {noiseSample(state), noiseSample(state)};
			float out[2];
			effect.processFrame(in, out, 2, 2);
			for (const CFilteredDelay* voice : {&effect.m_voiceLeft, &effect.m_voiceRight})
				ASSERT_TRUE(voice->m_readIndex >= 0 && voice->m_readIndex < voice->m_bufferLength);
			ASSERT_TRUE(std::isfinite(out[0]) && std::isfinite(out[1]))
			    << "control " << damage.index << " = " << damage.value << ", frame " << n;
		}
	}
}

TEST(ZuVurazOva, StateRestoredDuringAGlideKeepsItsValues)
{
	CZuVurazOva effect;
	effect.prepareToProcess();
	applyPreset(effect, 5, false); // gliding toward "Crude Verb"
	const float silence[2] = {};
	float out[2];
	for (int n = 0; n < 100; ++n)
		effect.processFrame(silence, out, 2, 2);

	const float restored[8] = {300, 20, 2000, 1.5f, 2, 0.5f, 40, 0.9f};
	for (uint32_t i = 0; i < 8; ++i)
	{
		ControlDescriptor& control = *effect.m_controlArray[i];
		control.smoothingEnabled = false;
		effect.setPlain(i, restored[i]);
		control.smoothingEnabled = true;
	}
	for (int n = 0; n < 10000; ++n)
	{
		effect.processFrame(silence, out, 2, 2);
		for (uint32_t i = 0; i < 8; ++i)
			ASSERT_EQ(effect.controlValue(i), restored[i]) << "control " << i << ", frame " << n;
	}
}

// The effect skips settled smoothers, defers voice updates to the end of the
// smoothing step, shares and caches filter designs, and guards against samples
// that are not finite; none of it may change a bit. Nor may the cutoff bound
// from 44.1 kHz up: the reference has none.
TEST(ZuVurazOva, OptimisedProcessingMatchesThePlainArithmetic)
{
	constexpr int kRates[][2] = {{44100, 6}, {48000, 6}, {96000, 1}}; // rate, seconds
	for (const auto& [rate, seconds] : kRates)
	{
		CZuVurazOva effect;
		ReferenceEffect reference;
		effect.m_sampleRate = rate;
		effect.prepareToProcess();
		reference.prepare(rate);

		uint32_t state = 99, moves = 1;
		auto move = [&](int index, float normalized) {
			effect.setNormalized(index, normalized, false);
			reference.setNormalized(index, normalized);
		};
		for (int n = 0; n < seconds * rate; ++n)
		{
			if (n % 4800 == 0)
			{
				// Retarget every knob (some to where they already are, some to an
				// end of the range) and sometimes a switch.
				for (int index = 0; index < 8; ++index)
				{
					moves = moves * 1103515245u + 12345u;
					const uint32_t pick = (moves >> 16) % 6;
					move(index, pick == 0 ? 0.3f : pick == 1 ? static_cast<float>((moves >> 8) % 2)
					                                         : static_cast<float>((moves >> 8) % 1000) / 999.0f);
				}
				if (n % 19200 == 0)
					move(8 + (n / 19200) % 2, static_cast<float>((n / 9600) % 2));
			}
			const float in[2] = {noiseSample(state), noiseSample(state)};
			float out[2], expected[2];
			effect.processFrame(in, out, 2, 2);
			reference.processFrame(in, expected);
			ASSERT_EQ(std::memcmp(out, expected, sizeof out), 0)
			    << "frame " << n << " at " << rate << " Hz: " << out[0] << " vs " << expected[0];
		}
	}
}

TEST(ZuVurazOva, FactoryPresetsMatchThePlainArithmeticFrom44100Up)
{
	for (int rate : {44100, 48000, 96000})
	{
		for (int preset = 0; preset < 11; ++preset)
		{
			CZuVurazOva effect;
			applyPreset(effect, preset, true);
			ReferenceEffect reference;
			for (int index = 0; index < ReferenceEffect::kKnobs; ++index)
				reference.knobs[index] = effect.controlValue(index);
			reference.delayState = effect.m_uDState;
			effect.m_sampleRate = rate;
			effect.prepareToProcess();
			reference.prepare(rate);

			uint32_t state = 5;
			for (int n = 0; n < rate / 2; ++n)
			{
				const float in[2] = {noiseSample(state), noiseSample(state)};
				float out[2], expected[2];
				effect.processFrame(in, out, 2, 2);
				reference.processFrame(in, expected);
				ASSERT_EQ(std::memcmp(out, expected, sizeof out), 0)
				    << "preset " << preset << ", frame " << n << " at " << rate << " Hz";
			}
		}
	}
}

// Below 44.1 kHz a cutoff may reach half the rate, where the filter design
// turns unstable unless it is bounded.
TEST(ZuVurazOva, EveryPresetStaysBoundedAtLowRates)
{
	for (int rate : {8000, 11025, 16000, 22050})
	{
		for (int preset = 0; preset < 11; ++preset)
		{
			CZuVurazOva effect;
			effect.m_sampleRate = rate;
			effect.prepareToProcess();
			applyPreset(effect, preset, true);
			uint32_t state = 7;
			float peak = 0;
			for (int n = 0; n < 3 * rate; ++n)
			{
				const float in[2] = {noiseSample(state), noiseSample(state)};
				float out[2];
				effect.processFrame(in, out, 2, 2);
				peak = std::fmax(peak, std::fmax(std::fabs(out[0]), std::fabs(out[1])));
				ASSERT_TRUE(std::isfinite(out[0]) && std::isfinite(out[1])) << "preset " << preset << " at " << rate;
			}
			// Full-scale noise through resonance and feedback: a few times full
			// scale at most, as at 44.1 kHz.
			EXPECT_LT(peak, 8.0f) << "preset " << preset << " at " << rate << " Hz";
		}
	}
}

} // namespace
