#include "FilteredDelay.h"

#include "PassThrough.h"

#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace {

// The longest delay the line index arithmetic accepts; far beyond any control
// range, it only keeps a damaged setting from overflowing the integer part.
constexpr float kMaxDelaySamples = 1073741824.0f;

struct VoiceRow
{
	uint32_t controlId;
	const char* name;
	float CFilteredDelay::*variable;
	const char* variableName;
	const char* units;
	float minimum, maximum, initial;
};

const VoiceRow kVoiceRows[] = {
	{0, "Cutoff", &CFilteredDelay::m_f_fc_Hz, "m_f_fc_Hz", "Hz", 10, 16000, 16000},
	{1, "Resonance", &CFilteredDelay::m_f_Q, "m_f_Q", "%", 0.5f, 5, 0.5f},
	{2, "Delay", &CFilteredDelay::m_fDelay_ms, "m_fDelay_ms", "mSec", 0, 2000, 0},
	{3, "Feedback", &CFilteredDelay::m_fFeedback_pct, "m_fFeedback_pct", "%", 0, 100, 0},
	{4, "Wet/Dry", &CFilteredDelay::m_fWetLevel_pct, "m_fWetLevel_pct", "%", 0, 100, 50},
};

} // namespace

CFilteredDelay::CFilteredDelay()
{
	buildControls();
	m_name = "FilteredDelay";
	m_hasEditorDescription = true;
	m_outputOnly = false;
	updateDelay();
}

CFilteredDelay::~CFilteredDelay() = default;

bool CFilteredDelay::buildControls()
{
	if (m_controls.count() != 0)
		return true;
	for (const VoiceRow& row : kVoiceRows)
	{
		this->*row.variable = row.initial;
		ControlDescriptor control;
		control.kind = kControlContinuous;
		control.controlId = row.controlId;
		control.valueType = kFloatValue;
		control.floatVar = &(this->*row.variable);
		control.name = row.name;
		std::string units = row.units;
		units.resize(64, ' ');
		control.units = units.c_str();
		control.variableName = row.variableName;
		control.enumLabels = "SEL1,SEL2,SEL3";
		control.minimum = row.minimum;
		control.maximum = row.maximum;
		control.setPrecision(0);
		control.presetValues[0] = row.initial;
		m_controls.append(control);
	}
	m_presetNames[0] = "Factory Preset";
	for (int slot = 1; slot < kPresetSlots; ++slot)
		m_presetNames[slot] = "";
	return true;
}

void CFilteredDelay::updateDelay()
{
	deriveDelay(m_fDelay_ms, m_fFeedback_pct, m_fWetLevel_pct);
}

void CFilteredDelay::setDelayControls(float delayMs, float feedbackPct, float wetPct)
{
	m_fDelay_ms = delayMs;
	m_fFeedback_pct = feedbackPct;
	m_fWetLevel_pct = wetPct;
	deriveDelay(delayMs, feedbackPct, wetPct);
}

void CFilteredDelay::deriveDelay(float delayMs, float feedbackPct, float wetPct)
{
	m_feedback = feedbackPct * 0.01f;
	m_wetLevel = wetPct * 0.01f;
	m_delaySamples = (static_cast<float>(m_sampleRate) * 0.001f) * delayMs;
	// A damaged setting (negative, not a number, astronomically long) must not
	// reach the integer index arithmetic.
	if (!(m_delaySamples >= 0.0f))
		m_delaySamples = 0.0f;
	else if (m_delaySamples > kMaxDelaySamples)
		m_delaySamples = kMaxDelaySamples;

	const int32_t wholeSamples = static_cast<int32_t>(m_delaySamples);
	m_delayFraction = m_delaySamples - static_cast<float>(wholeSamples);
	m_readIndex = m_writeIndex - wholeSamples;
	// Delays longer than the line wrap: the result equals adding the length as
	// often as needed. Within the line (every control setting) once is enough,
	// and spares a division on every frame of a glide.
	if (m_readIndex < 0 && m_bufferLength > 0)
	{
		m_readIndex += m_bufferLength;
		if (m_readIndex < 0)
		{
			m_readIndex %= m_bufferLength;
			if (m_readIndex < 0)
				m_readIndex += m_bufferLength;
		}
	}
}

void CFilteredDelay::updateFilter(float cutoffHz, float resonance)
{
	// An unusable design (no sample rate, a resonance that is zero, negative or
	// not finite, a cutoff that is not finite) keeps the previous coefficients.
	if (m_sampleRate <= 0 || !std::isfinite(cutoffHz) || !std::isfinite(resonance) || !(resonance > 0.0f))
		return;
	if (m_filterDesign.valid && m_filterDesign.cutoffHz == cutoffHz && m_filterDesign.resonance == resonance &&
	    m_filterDesign.sampleRate == m_sampleRate)
		return;
	m_inputFilter.setLowPass(cutoffHz, resonance, m_sampleRate);
	m_filterDesign = {cutoffHz, resonance, m_sampleRate, true};
}

void CFilteredDelay::shareFilter(const CFilteredDelay& designed, float cutoffHz, float resonance)
{
	const FilterDesign& design = designed.m_filterDesign;
	if (!(design.valid && design.cutoffHz == cutoffHz && design.resonance == resonance &&
	      design.sampleRate == m_sampleRate))
	{
		updateFilter(cutoffHz, resonance);
		return;
	}
	const CBiQuad& source = designed.m_inputFilter;
	m_inputFilter.a0 = source.a0;
	m_inputFilter.a1 = source.a1;
	m_inputFilter.a2 = source.a2;
	m_inputFilter.b1 = source.b1;
	m_inputFilter.b2 = source.b2;
	m_filterDesign = design;
}

// The filter drops what it holds and the line takes silence instead, so the
// line only ever holds finite samples and the next frame starts clean. Nothing
// is allocated or cleared beyond that: it may happen on every frame of
// pathological input.
float CFilteredDelay::dropNonFiniteFrame(float x)
{
	m_inputFilter.flush();
	if (m_buffer)
	{
		m_buffer[m_writeIndex] = 0.0f;
		advance();
	}
	return (1.0f - m_wetLevel) * x;
}

bool CFilteredDelay::prepareToProcess()
{
	m_inputFilter.flush();
	updateFilter(m_f_fc_Hz, m_f_Q);

	const int64_t length = 2 * static_cast<int64_t>(m_sampleRate);
	const int32_t usableLength = (length > 0 && length <= INT32_MAX) ? static_cast<int32_t>(length) : 0;
	if (usableLength != m_bufferLength || !m_buffer)
	{
		m_buffer.reset();
		if (usableLength > 0)
			m_buffer.reset(new (std::nothrow) float[usableLength]);
		// Without memory for the line the voice runs undelayed rather than fail.
		m_bufferLength = m_buffer ? usableLength : 0;
	}
	if (m_buffer)
		std::memset(m_buffer.get(), 0, sizeof(float) * static_cast<size_t>(m_bufferLength));

	m_readIndex = m_writeIndex = 0;
	updateDelay();
	return true;
}

bool CFilteredDelay::processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels)
{
	out[0] = processSample(in[0]);
	if (outChannels == 2)
	{
		if (inChannels == 1)
			out[1] = out[0];
		else if (inChannels == 2)
			out[1] = in[1];
	}
	return true;
}

bool CFilteredDelay::controlChanged(uint32_t)
{
	updateFilter(m_f_fc_Hz, m_f_Q);
	updateDelay();
	return true;
}

bool CFilteredDelay::processFlatBuffer(const float* in, float* out, uint32_t, uint32_t, uint32_t samples)
{
	copyFlatBuffer(in, out, samples);
	return true;
}

bool CFilteredDelay::processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames)
{
	copyFirstTwoChannels(in, out, channels, frames);
	return true;
}
