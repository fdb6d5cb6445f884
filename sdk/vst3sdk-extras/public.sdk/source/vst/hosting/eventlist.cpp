#include "public.sdk/source/vst/hosting/eventlist.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

EventList::EventList(int32 maxSize)
{
	setMaxSize(maxSize);
}

void EventList::setMaxSize(int32 maxSize)
{
	events.assign(static_cast<size_t>(std::max(maxSize, 0)), Event{});
	eventCount = 0;
}

bool EventList::add(const Event& event)
{
	if (eventCount == maxSize())
		return false;
	const auto end = events.begin() + eventCount;
	const auto place = std::upper_bound(events.begin(), end, event.sampleOffset,
		[](int32 offset, const Event& other) { return offset < other.sampleOffset; });
	std::move_backward(place, end, end + 1);
	*place = event;
	++eventCount;
	return true;
}

bool EventList::copyRange(const EventList& source, int32 start, int32 length)
{
	bool allFit = true;
	for (int32 index = 0; index < source.eventCount; ++index)
	{
		Event event = source.events[static_cast<size_t>(index)];
		// Subtracting first: start + length may not fit in an int32.
		if (event.sampleOffset < start || event.sampleOffset - start >= length)
			continue;
		event.sampleOffset -= start;
		allFit = add(event) && allFit;
	}
	return allFit;
}

tresult PLUGIN_API EventList::getEvent(int32 index, Event& event)
{
	if (index < 0 || index >= eventCount)
		return kInvalidArgument;
	event = events[static_cast<size_t>(index)];
	return kResultOk;
}

tresult PLUGIN_API EventList::addEvent(Event& event)
{
	return add(event) ? kResultOk : kOutOfMemory;
}

tresult PLUGIN_API EventList::queryInterface(const TUID iid, void** object)
{
	QUERY_INTERFACE(iid, object, FUnknown::iid, IEventList)
	QUERY_INTERFACE(iid, object, IEventList::iid, IEventList)
	*object = nullptr;
	return kNoInterface;
}

} // namespace Vst
} // namespace Steinberg
