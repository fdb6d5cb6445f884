#include "vst2eventlist.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

EventList::EventList(int32 capacity) : events(static_cast<size_t>(capacity > 0 ? capacity : 0)) {}

bool EventList::add(const Event& event)
{
	if (count >= static_cast<int32>(events.size()))
		return false;
	int32 position = count;
	while (position > 0 && events[position - 1].sampleOffset > event.sampleOffset)
	{
		events[position] = events[position - 1];
		--position;
	}
	events[position] = event;
	++count;
	return true;
}

void EventList::copyRange(const EventList& source, int32 start, int32 length)
{
	for (int32 i = 0; i < source.count; ++i)
	{
		Event event = source.events[i];
		if (event.sampleOffset < start || event.sampleOffset >= start + length)
			continue;
		event.sampleOffset -= start;
		add(event);
	}
}

tresult PLUGIN_API EventList::getEvent(int32 index, Event& event)
{
	if (index < 0 || index >= count)
		return kInvalidArgument;
	event = events[index];
	return kResultOk;
}

tresult PLUGIN_API EventList::addEvent(Event& event)
{
	return add(event) ? kResultOk : kOutOfMemory;
}

tresult PLUGIN_API EventList::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, IEventList::iid) || FUnknownPrivate::iidEqual(iid, FUnknown::iid))
	{
		*object = static_cast<IEventList*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
