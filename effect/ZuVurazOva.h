// The stereo filtered delay the host sees: two voices driven by ten controls,
// with eleven factory presets in the control table.
#pragma once

#include "FilteredDelay.h"
#include "PlugIn.h"

class CZuVurazOva : public CPlugIn
{
public:
	CZuVurazOva();
	~CZuVurazOva() override;

	bool prepareToProcess() override;
	bool processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels) override;
	bool controlChanged(uint32_t controlId) override;
	bool processFlatBuffer(const float* in, float* out, uint32_t inChannels, uint32_t outChannels, uint32_t samples) override;
	bool processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames) override;
	bool buildControls() override;

	// Copies the controls into the two voices; with `recompute` the voices
	// also rederive their delay settings and filter coefficients.
	void updateVoices(bool recompute) { applyToVoices(voiceInputs(), recompute); }

	CFilteredDelay m_voiceLeft;
	CFilteredDelay m_voiceRight;
	float m_fDelay_ms = 0;
	float m_fFeedback_pct = 0;
	float m_f_fc_Hz = 16000;
	float m_f_Q = 0.5f;
	float m_fRatio = 1;
	float m_fOffset = 0;
	float m_fWetLevel_pct = 50;
	float m_fVolume = 0.7f;
	uint32_t m_uDState = 0; // 0 = "Comb", 1 = "Delay"
	uint32_t m_uActive = 0; // 0 = "On", 1 = "Off"

private:
	// The controls the voices are derived from; the seven knobs in the order
	// of their indexes, which are also their control ids.
	struct VoiceInputs
	{
		float delayMs, feedbackPct, cutoffHz, resonance, ratio, offset, wetPct;
		uint32_t delayState;
	};
	static constexpr int kVoiceKnobs = 7;
	static constexpr float VoiceInputs::*kVoiceKnobFields[kVoiceKnobs] = {
		&VoiceInputs::delayMs, &VoiceInputs::feedbackPct, &VoiceInputs::cutoffHz, &VoiceInputs::resonance,
		&VoiceInputs::ratio,   &VoiceInputs::offset,      &VoiceInputs::wetPct};

	VoiceInputs voiceInputs() const
	{
		return {m_fDelay_ms, m_fFeedback_pct, m_f_fc_Hz, m_f_Q, m_fRatio, m_fOffset, m_fWetLevel_pct, m_uDState};
	}
	void applyToVoices(const VoiceInputs& inputs, bool recompute);
	// One smoothing step while controls glide, with one voice update for it.
	void stepGlidingControls();

	// While the smoothers step, a control change only notes which knob moved;
	// the voices are updated once, after the last step of the frame, from the
	// controls as they stood at the last change. Each update overwrites every
	// voice setting, so the result is that of updating at every step. (A
	// smoother that lands on its target calls no hook, so a knob that lands
	// after the last change must reach the voices with its value from before.)
	bool m_deferVoiceUpdates = false;
	int m_lastSteppedKnob = -1; // none
	VoiceInputs m_inputsBeforeStep{};
};
