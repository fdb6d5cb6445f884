// One mono delay voice: a resonant low-pass in front of a two-second circular
// line with feedback, crossfaded with the dry input. The delay may be
// fractional; the line is read between two samples by linear interpolation.
#pragma once

#include "BiQuad.h"
#include "FiniteAudio.h"
#include "PlugIn.h"

#include <memory>

class CFilteredDelay : public CPlugIn
{
public:
	CFilteredDelay();
	~CFilteredDelay() override;

	bool prepareToProcess() override;
	bool processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels) override;
	bool controlChanged(uint32_t controlId) override;
	bool processFlatBuffer(const float* in, float* out, uint32_t inChannels, uint32_t outChannels, uint32_t samples) override;
	bool processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames) override;
	bool buildControls() override;

	// Derives feedback, wet level, delay in samples and the read position from the controls.
	void updateDelay();
	// Sets the three delay controls and derives from them, as writing them and
	// calling updateDelay does, without reading back what it just stored (a
	// stall on every frame of a glide).
	void setDelayControls(float delayMs, float feedbackPct, float wetPct);
	// Designs the input filter for the voice's sample rate.
	void updateFilter(float cutoffHz, float resonance);

	// Takes the filter design of a voice at the same rate when it is the one
	// updateFilter(cutoffHz, resonance) would compute, else computes it: the
	// stereo effect designs once for both voices.
	void shareFilter(const CFilteredDelay& designed, float cutoffHz, float resonance);

	// One sample through filter, line and crossfade.
	float processSample(float x)
	{
		const float y = m_inputFilter.process(x);
		if (!m_buffer)
		{
			// No line: the voice cannot delay.
			if (!isFiniteSample(y))
				return dropNonFiniteFrame(x);
			return (1.0f - m_wetLevel) * x + m_wetLevel * y;
		}
		const int32_t read = m_readIndex;
		const int32_t previous = read == 0 ? m_bufferLength - 1 : read - 1;
		float d;
		if (m_delaySamples >= 1.0f)
			d = m_delayFraction * m_buffer[previous] + (1.0f - m_delayFraction) * m_buffer[read];
		else if (m_delaySamples != 0.0f)
			// Shorter than a sample: the read position is the write position, and
			// the newest sample is the dry input itself.
			d = m_delayFraction * m_buffer[previous] + (1.0f - m_delayFraction) * x;
		else
			d = y; // no delay: the delayed signal is the filtered input
		const float recirculated = d * m_feedback + y;
		// Not finite when the filter or the taps are not (times any feedback,
		// even 0): such a sample would recirculate for good.
		if (!isFiniteSample(recirculated))
			return dropNonFiniteFrame(x);
		m_buffer[m_writeIndex] = recirculated;
		const float out = (1.0f - m_wetLevel) * x + m_wetLevel * d;
		advance();
		return out;
	}

	float m_f_fc_Hz = 16000;
	float m_f_Q = 0.5f;
	float m_fDelay_ms = 0;
	float m_fFeedback_pct = 0;
	float m_fWetLevel_pct = 50;
	CBiQuad m_inputFilter;
	float m_delaySamples = 0;
	float m_feedback = 0;
	float m_wetLevel = 0;
	std::unique_ptr<float[]> m_buffer;
	int32_t m_bufferLength = 0;
	int32_t m_writeIndex = 0;
	int32_t m_readIndex = 0;

private:
	void advance()
	{
		if (++m_writeIndex == m_bufferLength)
			m_writeIndex = 0;
		m_readIndex = m_readIndex + 1 == m_bufferLength ? 0 : m_readIndex + 1;
	}
	float dropNonFiniteFrame(float x);
	void deriveDelay(float delayMs, float feedbackPct, float wetPct);

	float m_delayFraction = 0; // m_delaySamples less its whole part

	// The design last computed, so that an unchanged cutoff, resonance and rate
	// costs no trigonometry.
	struct FilterDesign
	{
		float cutoffHz = 0, resonance = 0;
		int32_t sampleRate = 0;
		bool valid = false;
	} m_filterDesign;
};
