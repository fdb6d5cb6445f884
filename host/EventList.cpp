#include "host/EventList.h"

#include <algorithm>

namespace VeltraneHost {

using namespace Steinberg;

EventList::EventList(int32 capacity)
{
	events.reserve(static_cast<size_t>(std::max(capacity, 0)));
}

bool EventList::add(const Vst::Event& event)
{
	if (events.size() == events.capacity())
		return false;
	const auto place = std::upper_bound(events.begin(), events.end(), event.sampleOffset,
		[](int32 offset, const Vst::Event& other) { return offset < other.sampleOffset; });
	events.insert(place, event);
	return true;
}

Vst::Event EventList::noteOn(int32 sampleOffset, int16 channel, int16 pitch, float velocity, int32 noteId)
{
	Vst::Event event{};
	event.sampleOffset = sampleOffset;
	event.type = Vst::Event::kNoteOnEvent;
	event.noteOn.channel = channel;
	event.noteOn.pitch = pitch;
	event.noteOn.velocity = velocity;
	event.noteOn.noteId = noteId;
	return event;
}

Vst::Event EventList::noteOff(int32 sampleOffset, int16 channel, int16 pitch, float velocity, int32 noteId)
{
	Vst::Event event{};
	event.sampleOffset = sampleOffset;
	event.type = Vst::Event::kNoteOffEvent;
	event.noteOff.channel = channel;
	event.noteOff.pitch = pitch;
	event.noteOff.velocity = velocity;
	event.noteOff.noteId = noteId;
	return event;
}

tresult PLUGIN_API EventList::getEvent(int32 index, Vst::Event& event)
{
	if (index < 0 || index >= getEventCount())
		return kInvalidArgument;
	event = events[static_cast<size_t>(index)];
	return kResultOk;
}

tresult PLUGIN_API EventList::addEvent(Vst::Event& event)
{
	return add(event) ? kResultOk : kOutOfMemory;
}

tresult PLUGIN_API EventList::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Vst::IEventList::iid))
	{
		*object = static_cast<Vst::IEventList*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace VeltraneHost
