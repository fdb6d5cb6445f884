#include "VSTMidiEventList.h"

#include "NumericLimits.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// A host may send NaN or out-of-range amounts; casting those directly is undefined.
uint32 scaleToUnsigned(float amount)
{
	return saturatingUint32(amount * 127.0f);
}

uint8 scaleToByte(float amount)
{
	return static_cast<uint8>(std::min<uint32>(scaleToUnsigned(amount), 255));
}

} // namespace

CVSTMidiEventList::CVSTMidiEventList(CPlugIn* effect) : m_effect(effect) {}

void CVSTMidiEventList::bind(IEventList* hostEvents)
{
	setHostEvents(hostEvents);
	resetReadPosition();
}

void CVSTMidiEventList::setHostEvents(IEventList* hostEvents)
{
	m_hostEvents = hostEvents;
}

void CVSTMidiEventList::resetReadPosition()
{
	m_readPosition = 0;
}

int32 CVSTMidiEventList::eventCount()
{
	return m_hostEvents ? m_hostEvents->getEventCount() : 0;
}

bool CVSTMidiEventList::readAt(int32 index, uint32 sampleOffset, Event& event)
{
	if (m_hostEvents->getEvent(index, event) != kResultOk)
		return false;
	return static_cast<int64>(event.sampleOffset) == static_cast<int64>(sampleOffset);
}

bool CVSTMidiEventList::dispatchAt(uint32 sampleOffset)
{
	if (!m_hostEvents)
		return false;
	Event event{};
	if (!readAt(m_readPosition, sampleOffset, event))
		return false;
	bool delivered = false;
	do
	{
		if (deliver(m_effect, event))
			delivered = true;
		++m_readPosition;
	} while (readAt(m_readPosition, sampleOffset, event));
	return delivered;
}

bool CVSTMidiEventList::deliver(CPlugIn* effect, const Event& event)
{
	if (!effect)
		return false;
	switch (event.type)
	{
	case Event::kNoteOnEvent:
		effect->noteOn(static_cast<uint32>(event.noteOn.channel), static_cast<uint32>(event.noteOn.pitch),
		               scaleToUnsigned(event.noteOn.velocity));
		return true;
	case Event::kNoteOffEvent:
		effect->noteOff(static_cast<uint32>(event.noteOff.channel), static_cast<uint32>(event.noteOff.pitch),
		                scaleToUnsigned(event.noteOff.velocity), false);
		return true;
	case Event::kPolyPressureEvent:
		effect->rawMidi(static_cast<uint8>(event.polyPressure.channel), 0xA0,
		                static_cast<uint8>(event.polyPressure.pitch), scaleToByte(event.polyPressure.pressure));
		return true;
	default:
		return false;
	}
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
