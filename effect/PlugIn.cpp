#include "PlugIn.h"

#include <cmath>

namespace {

void advanceJoystickAxis(ControlDescriptor& axis)
{
	OnePoleSmoother<float>& s = axis.smoother.single;
	s.state = s.gain * axis.smoothingTarget + s.pole * s.state;
	if (s.state == s.lastOutput)
	{
		axis.joystickValue = axis.smoothingTarget;
		return;
	}
	s.lastOutput = s.state;
	axis.joystickValue = s.state;
}

} // namespace

CPlugIn::CPlugIn()
{
	double frequency = 8.175798915636872;
	for (float& entry : m_noteFrequencies)
	{
		entry = static_cast<float>(frequency);
		frequency *= 1.059463094359;
	}

	m_joystickX.name = "MIDI JS X";
	m_joystickX.midiNumber = 16;
	m_joystickY.name = "MIDI JS Y";
	m_joystickY.midiNumber = 17;
}

CPlugIn::~CPlugIn() = default;

bool CPlugIn::prepareToProcess()
{
	if (m_controlArray)
	{
		for (uint32_t i = 0; i < m_controlCount; ++i)
			if (ControlDescriptor* control = m_controlArray[i])
				control->prepareSmoother(m_sampleRate);
		m_smoothersMoving = true;
	}
	if (m_joystickX.smoothingEnabled)
		prepareJoystickSmoother(m_joystickX);
	if (m_joystickY.smoothingEnabled)
		prepareJoystickSmoother(m_joystickY);
	return true;
}

void CPlugIn::prepareJoystickSmoother(ControlDescriptor& axis)
{
	float pole = std::exp(-6.2831855f / (axis.smoothingTimeMs * 0.001f * static_cast<float>(m_sampleRate)));
	if (!(pole >= 0.0f && pole < 1.0f))
		pole = 0.0f;
	const float current = axis.joystickValue;
	axis.smoother.single = {pole, 1.0f - pole, current, current};
	axis.smoother.wide = {pole, 1.0f - pole, current, current};
	axis.smoothingTarget = current;
}

bool CPlugIn::processFrame(const float*, float*, uint32_t, uint32_t) { return true; }
bool CPlugIn::controlChanged(uint32_t) { return true; }
bool CPlugIn::onCreated() { return true; }
bool CPlugIn::joystickMixChanged(float, float, float, float, float, float) { return true; }
bool CPlugIn::processFlatBuffer(const float*, float*, uint32_t, uint32_t, uint32_t) { return true; }
bool CPlugIn::processChannelBuffers(float* const*, float* const*, uint32_t, int32_t) { return true; }
bool CPlugIn::noteOn(uint32_t, uint32_t, uint32_t) { return true; }
bool CPlugIn::noteOff(uint32_t, uint32_t, uint32_t, bool) { return true; }
bool CPlugIn::modWheel(uint32_t, uint32_t) { return true; }
bool CPlugIn::pitchBend(uint32_t, int32_t, float) { return true; }
bool CPlugIn::reservedMidiHook() { return true; }
bool CPlugIn::rawMidi(uint8_t, uint8_t, uint8_t, uint8_t) { return true; }
bool CPlugIn::buildControls() { return true; }
bool CPlugIn::linkedUpdates(uint32_t, float, LinkedUpdate*&, bool) { return false; }
void* CPlugIn::editorMessage(EditorMessage&) { return nullptr; }
bool CPlugIn::processSideChain(SideChainInfo&) { return true; }
bool CPlugIn::reservedHook() { return true; }

bool CPlugIn::releaseLinkedUpdates(LinkedUpdate*& head)
{
	while (head)
	{
		LinkedUpdate** last = &head;
		while ((*last)->next)
			last = &(*last)->next;
		delete *last;
		*last = nullptr;
	}
	return true;
}

void CPlugIn::indexControls()
{
	m_controlCount = static_cast<uint32_t>(m_controls.count());
	m_controlArray = std::make_unique<ControlDescriptor*[]>(m_controlCount + 2);
	m_exchange = std::make_unique<ControlExchangeEntry[]>(m_controlCount + 2);
	for (int32_t position = 0; ControlDescriptor* control = m_controls.at(position); ++position)
		if (control->index >= 0 && static_cast<uint32_t>(control->index) < m_controlCount)
			m_controlArray[control->index] = control;
	for (uint32_t i = 0; i < m_controlCount; ++i)
	{
		if (const ControlDescriptor* control = m_controlArray[i])
		{
			m_exchange[i].index = control->index;
			m_exchange[i].controlId = static_cast<int32_t>(control->controlId);
		}
	}
}

void CPlugIn::setNormalized(uint32_t index, float normalized, bool immediate)
{
	if (!m_controlArray || !m_controlArray[index])
		return;
	ControlDescriptor& control = *m_controlArray[index];
	control.applyNormalized(normalized, immediate, *this);
	if (control.hasSmoother())
		m_smoothersMoving = true;
}

void CPlugIn::setPlain(uint32_t index, float plain)
{
	if (!m_controlArray || !m_controlArray[index])
		return;
	ControlDescriptor& control = *m_controlArray[index];
	control.applyPlain(plain, *this);
	if (control.hasSmoother())
		m_smoothersMoving = true;
}

float CPlugIn::controlValue(uint32_t index) const
{
	if (!m_controlArray || !m_controlArray[index])
		return 0;
	return m_controlArray[index]->value();
}

void CPlugIn::advanceSmoothers()
{
	if (m_smoothersMoving)
	{
		bool moving = false;
		for (uint32_t i = 0; i < m_controlCount; ++i)
		{
			ControlDescriptor* control = m_controlArray[i];
			if (control && control->hasSmoother())
				moving |= control->advanceSmoother(*this);
		}
		m_smoothersMoving = moving;
	}
	if (m_joystickX.smoothingEnabled)
	{
		advanceJoystickAxis(m_joystickX);
		advanceJoystickAxis(m_joystickY);
		callJoystickMix(m_joystickX.padCoordinates);
	}
}

void CPlugIn::callJoystickMix(bool padCoordinates)
{
	const JoystickWeights w = joystickMix(m_joystickX.joystickValue, m_joystickY.joystickValue, padCoordinates);
	joystickMixChanged(w.weightA, w.weightB, w.weightC, w.weightD, w.acMix, w.bdMix);
}

void CPlugIn::setJoystickX(float x, bool padCoordinates)
{
	if (m_joystickX.smoothingEnabled)
		m_joystickX.smoothingTarget = x;
	else
		m_joystickX.joystickValue = x;
	m_joystickX.padCoordinates = padCoordinates;
	if (!m_joystickX.smoothingEnabled)
		callJoystickMix(m_joystickX.padCoordinates);
}

void CPlugIn::setJoystickY(float y, bool padCoordinates)
{
	if (m_joystickY.smoothingEnabled)
		m_joystickY.smoothingTarget = y;
	else
		m_joystickY.joystickValue = y;
	m_joystickY.padCoordinates = padCoordinates;
	if (!m_joystickX.smoothingEnabled)
		callJoystickMix(m_joystickX.padCoordinates);
}

void CPlugIn::joystickPosition(float& x, float& y) const
{
	x = m_joystickX.joystickValue;
	y = m_joystickY.joystickValue;
}

JoystickWeights CPlugIn::joystickMix(double x, double y, bool padCoordinates)
{
	double acMix, bdMix, u, v;
	if (padCoordinates)
	{
		acMix = (x + 1.0) * 0.5;
		bdMix = (y + 1.0) * 0.5;
		u = (x * 1.41421356 + y * 1.41421356) * 0.707106782373095;
		v = (y * 1.41421356 - x * 1.41421356) * 0.707106782373095;
	}
	else
	{
		acMix = ((x - y) * 0.5000000016780315 + 1.0) * 0.5;
		bdMix = ((x + y) * 0.5000000016780315 + 1.0) * 0.5;
		u = x;
		v = y;
	}

	const double a = std::fmin(std::fmax(u * 127.0, -128.0), 127.0) + 127.0;
	const double b = std::fmin(std::fmax(v * 127.0, -128.0), 127.0) + 127.0;
	double weightA = 0.25, weightB = 0.25, weightC = 0.25, weightD = 0.25;
	if (!(a == 127.0 && b == 127.0))
	{
		const double k = 0.0015503875968992248; // 1/645
		weightB = a * b * k;
		weightC = (255.0 - b) * a * k;
		weightD = (255.0 - a) * (255.0 - b) * k;
		weightA = (100.0 - weightB - weightC - weightD) * 0.01;
		weightB *= 0.01;
		weightC *= 0.01;
		weightD *= 0.01;
		for (double* weight : {&weightA, &weightB, &weightC, &weightD})
			*weight = std::fmax(std::fmin(*weight, 1.0), 0.0);
	}
	return {static_cast<float>(weightA), static_cast<float>(weightB), static_cast<float>(weightC),
	        static_cast<float>(weightD), static_cast<float>(acMix), static_cast<float>(bdMix)};
}

bool CPlugIn::hostMessage(int32_t kind, HostMessageInfo& info)
{
	switch (kind)
	{
		case kHostApplyControls:
			applyControlUpdates(info);
			break;
		case kHostCollectMeters:
			collectMeters(info);
			break;
		case kHostTime:
			if (info.hostTime)
				m_hostTime = *info.hostTime;
			break;
		default:
			break;
	}
	return true;
}

void CPlugIn::applyControlUpdates(HostMessageInfo& info)
{
	if (!info.updates || !info.hostTime || !m_controlArray ||
	    info.entryCount != static_cast<int32_t>(m_controlCount) + 2)
		return;
	m_hostTime = *info.hostTime;
	for (uint32_t i = 0; i < m_controlCount; ++i)
		if (m_controlArray[i] && info.updates[i].changed)
			setNormalized(i, info.updates[i].value, info.immediate);

	const ControlExchangeEntry& xEntry = info.updates[m_controlCount];
	const ControlExchangeEntry& yEntry = info.updates[m_controlCount + 1];
	if (!xEntry.changed && !yEntry.changed)
		return;
	m_joystickX.padCoordinates = m_joystickY.padCoordinates = xEntry.padCoordinates;
	const bool xGlides = m_joystickX.smoothingEnabled && !info.immediate;
	const bool yGlides = m_joystickY.smoothingEnabled && !info.immediate;
	(xGlides ? m_joystickX.smoothingTarget : m_joystickX.joystickValue) = xEntry.joystickValue;
	(yGlides ? m_joystickY.smoothingTarget : m_joystickY.joystickValue) = yEntry.joystickValue;
	if (!xGlides)
		callJoystickMix(m_joystickX.padCoordinates);
}

void CPlugIn::collectMeters(HostMessageInfo& info)
{
	if (!m_exchange || !m_controlArray || info.entryCount != static_cast<int32_t>(m_controlCount) + 2)
		return;
	for (uint32_t i = 0; i < m_controlCount; ++i)
	{
		const ControlDescriptor* control = m_controlArray[i];
		if (!control)
			continue;
		ControlExchangeEntry& entry = m_exchange[i];
		entry.changed = false;
		if (control->kind == kControlMeter && control->meterVar)
		{
			entry.value = *control->meterVar;
			entry.changed = true;
		}
	}
	info.meters = m_exchange.get();
}
