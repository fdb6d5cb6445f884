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
	// The controls the voices are derived from.
	struct VoiceInputs
	{
		float delayMs, feedbackPct, cutoffHz, resonance, ratio, offset, wetPct;
		uint32_t delayState;
	};
	VoiceInputs voiceInputs() const;
	void applyToVoices(const VoiceInputs& inputs, bool recompute);

	// While the smoothers step, a control change only records the controls as
	// they stand; the voices are updated once, after the last step of the frame,
	// from the last record. Each update overwrites every voice setting, so the
	// result is that of updating at every step. (A smoother that lands on its
	// target calls no hook, so the record, not the final controls, is what the
	// voices must see.)
	bool m_deferVoiceUpdates = false;
	bool m_voicesStale = false;
	VoiceInputs m_pendingInputs{};
};
