// The events of one process call, in a fixed number of preallocated slots so
// that the audio thread never allocates. Owned by the wrapper: reference
// counting is a no-op.
#pragma once

#include "pluginterfaces/vst/ivstevents.h"

#include <vector>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

class EventList : public IEventList
{
public:
	explicit EventList(int32 capacity);
	EventList(const EventList&) = delete;
	EventList& operator=(const EventList&) = delete;
	virtual ~EventList() = default;

	// Keeps sample-offset order, events at one offset in arrival order.
	// False, and nothing added, when the list is full.
	bool add(const Event& event);
	void clear() { count = 0; }
	// Appends the events of [start, start + length) of another list, their
	// offsets made relative to start.
	void copyRange(const EventList& source, int32 start, int32 length);

	int32 PLUGIN_API getEventCount() SMTG_OVERRIDE { return count; }
	tresult PLUGIN_API getEvent(int32 index, Event& event) SMTG_OVERRIDE;
	tresult PLUGIN_API addEvent(Event& event) SMTG_OVERRIDE;

	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	std::vector<Event> events; // sized once; count says how many are in use
	int32 count = 0;
};

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
