#include "ZuVurazOva.h"

#include "ZuVurazOvaControls.h"
#include "PassThrough.h"


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

CZuVurazOva::VoiceInputs CZuVurazOva::voiceInputs() const
{
	return {m_fDelay_ms, m_fFeedback_pct, m_f_fc_Hz, m_f_Q, m_fRatio, m_fOffset, m_fWetLevel_pct, m_uDState};
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
	m_voiceLeft.m_fDelay_ms = base;
	m_voiceRight.m_fDelay_ms = base + in.offset;
	for (CFilteredDelay* voice : {&m_voiceLeft, &m_voiceRight})
	{
		voice->m_fFeedback_pct = feedback;
		voice->m_fWetLevel_pct = in.wetPct;
		voice->m_f_Q = in.resonance;
		voice->m_f_fc_Hz = in.cutoffHz;
	}
	if (recompute)
	{
		m_voiceLeft.updateDelay();
		m_voiceRight.updateDelay();
		m_voiceLeft.updateFilter(in.cutoffHz, in.resonance);
		m_voiceRight.updateFilter(in.cutoffHz, in.resonance);
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

bool CZuVurazOva::controlChanged(uint32_t)
{
	if (m_deferVoiceUpdates)
	{
		m_pendingInputs = voiceInputs();
		m_voicesStale = true;
	}
	else
		updateVoices(true);
	return true;
}

bool CZuVurazOva::processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels)
{
	m_deferVoiceUpdates = true;
	smoothControls();
	m_deferVoiceUpdates = false;
	if (m_voicesStale)
	{
		m_voicesStale = false;
		applyToVoices(m_pendingInputs, true);
	}

	const bool monoToStereo = inChannels == 1 && outChannels == 2;
	const bool stereo = inChannels == 2 && outChannels == 2;
	if (m_uActive != 0)
	{
		// "Off": a volume-scaled pass-through; the voices keep their lines for later.
		out[0] = in[0] * m_fVolume;
		if (monoToStereo)
			out[1] = in[0] * m_fVolume;
		else if (stereo)
			out[1] = in[1] * m_fVolume;
		return true;
	}

	out[0] = m_fVolume * m_voiceLeft.processSample(in[0]);
	if (monoToStereo)
		out[1] = in[0] * m_fVolume;
	else if (stereo)
		out[1] = m_fVolume * m_voiceRight.processSample(in[1]);
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
