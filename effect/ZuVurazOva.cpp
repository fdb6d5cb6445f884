#include "ZuVurazOva.h"

#include "FiniteAudio.h"
#include "PassThrough.h"
#include "ZuVurazOvaControls.h"

CZuVurazOva::CZuVurazOva()
{
	buildControls();
	m_name = "Veltrane";
	m_hasEditorDescription = true;
	m_outputOnly = false;
	m_wholeBuffers = false;
	updateVoices(true);
}

CZuVurazOva::~CZuVurazOva() = default;

bool CZuVurazOva::buildControls()
{
	if (m_controls.count() != 0)
		return true;
	appendZuVurazOvaControls(*this);
	indexControls();
	return true;
}

void CZuVurazOva::applyToVoices(const VoiceInputs& in, bool recompute)
{
	// The ratio's range starts at 1; a damaged setting below it (or not a
	// number) must not divide by zero or blow the delay up.
	const float ratio = in.ratio >= 1.0f ? in.ratio : 1.0f;
	float base, feedback;
	if (in.delayState == 0)
	{
		// "Comb": the 0-2000 ms knob spans 0-20 ms and the feedback drops by 5 points.
		base = (in.delayMs * 0.01f) / ratio;
		feedback = in.feedbackPct - 5.0f;
	}
	else
	{
		base = in.delayMs / ratio;
		feedback = in.feedbackPct;
	}
	for (CFilteredDelay* voice : {&m_voiceLeft, &m_voiceRight})
	{
		voice->m_f_Q = in.resonance;
		voice->m_f_fc_Hz = in.cutoffHz;
	}
	if (recompute)
	{
		m_voiceLeft.setDelayControls(base, feedback, in.wetPct);
		m_voiceRight.setDelayControls(base + in.offset, feedback, in.wetPct);
		// One design serves both voices.
		m_voiceLeft.updateFilter(in.cutoffHz, in.resonance);
		m_voiceRight.shareFilter(m_voiceLeft, in.cutoffHz, in.resonance);
	}
	else
	{
		m_voiceLeft.m_fDelay_ms = base;
		m_voiceRight.m_fDelay_ms = base + in.offset;
		for (CFilteredDelay* voice : {&m_voiceLeft, &m_voiceRight})
		{
			voice->m_fFeedback_pct = feedback;
			voice->m_fWetLevel_pct = in.wetPct;
		}
	}
}

bool CZuVurazOva::prepareToProcess()
{
	// The voices run at the effect's rate.
	m_voiceLeft.m_sampleRate = m_sampleRate;
	m_voiceRight.m_sampleRate = m_sampleRate;
	updateVoices(false);
	m_voiceLeft.prepareToProcess();
	m_voiceRight.prepareToProcess();
	CPlugIn::prepareToProcess();
	return true;
}

bool CZuVurazOva::controlChanged(uint32_t controlId)
{
	if (m_deferVoiceUpdates)
		m_lastSteppedKnob = controlId < kVoiceKnobs ? static_cast<int>(controlId) : kVoiceKnobs;
	else
		updateVoices(true);
	return true;
}

void CZuVurazOva::stepGlidingControls()
{
	m_inputsBeforeStep = voiceInputs();
	m_lastSteppedKnob = -1;
	m_deferVoiceUpdates = true;
	smoothControls();
	m_deferVoiceUpdates = false;
	if (m_lastSteppedKnob < 0)
		return;
	// The smoothers step in index order: the knobs after the last one that
	// moved had not stepped yet when it called.
	VoiceInputs inputs = voiceInputs();
	for (int knob = m_lastSteppedKnob + 1; knob < kVoiceKnobs; ++knob)
		inputs.*kVoiceKnobFields[knob] = m_inputsBeforeStep.*kVoiceKnobFields[knob];
	applyToVoices(inputs, true);
}

bool CZuVurazOva::processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels)
{
	// Settled controls change nothing; only the joystick may still glide.
	if (smoothersMoving())
		stepGlidingControls();
	else
		smoothControls();

	const bool monoToStereo = inChannels == 1 && outChannels == 2;
	const bool stereo = inChannels == 2 && outChannels == 2;
	float left = in[0];
	float right = stereo ? in[1] : 0.0f;
	// One test for both channels: the sum is not finite when either is not
	// (or when both are huge, which the per-channel tests then let through).
	if (!isFiniteSample(left + right))
	{
		left = silenceIfNotFinite(left);
		right = silenceIfNotFinite(right);
	}
	if (m_uActive != 0)
	{
		// "Off": a volume-scaled pass-through; the voices keep their lines for later.
		out[0] = left * m_fVolume;
		if (monoToStereo)
			out[1] = left * m_fVolume;
		else if (stereo)
			out[1] = right * m_fVolume;
		return true;
	}

	out[0] = m_fVolume * m_voiceLeft.processSample(left);
	if (monoToStereo)
		out[1] = left * m_fVolume;
	else if (stereo)
		out[1] = m_fVolume * m_voiceRight.processSample(right);
	return true;
}

bool CZuVurazOva::processFlatBuffer(const float* in, float* out, uint32_t, uint32_t, uint32_t samples)
{
	copyFlatBuffer(in, out, samples);
	return true;
}

bool CZuVurazOva::processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames)
{
	copyFirstTwoChannels(in, out, channels, frames);
	return true;
}
