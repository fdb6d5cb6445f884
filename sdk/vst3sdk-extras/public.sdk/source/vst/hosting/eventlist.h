// The events a host passes to or takes from one process call, in sample-offset
// order (events at one offset keep the order they came in). Preallocated:
// after construction nothing here allocates, so the audio thread may fill and
// read it; a full list refuses events instead of growing. Owned by the host,
// not reference counted: addRef/release do nothing.
#pragma once

#include "pluginterfaces/vst/ivstevents.h"

#include <vector>

namespace Steinberg {
namespace Vst {

class EventList : public IEventList
{
public:
	explicit EventList(int32 maxSize);
	EventList(const EventList&) = delete;
	EventList& operator=(const EventList&) = delete;
	virtual ~EventList() = default;

	// Setup only: allocates and empties the list.
	void setMaxSize(int32 maxSize);
	int32 maxSize() const { return static_cast<int32>(events.size()); }
	// Empties the list for the next block; the room stays.
	void clear() { eventCount = 0; }

	// False, and nothing added, when the list is full.
	bool add(const Event& event);
	// Adds the events of [start, start + length) of another list at offsets
	// relative to start, so one host block can be processed in pieces.
	// False when some event did not fit.
	bool copyRange(const EventList& source, int32 start, int32 length);

	//---from IEventList
	int32 PLUGIN_API getEventCount() SMTG_OVERRIDE { return eventCount; }
	tresult PLUGIN_API getEvent(int32 index, Event& event) SMTG_OVERRIDE;
	tresult PLUGIN_API addEvent(Event& event) SMTG_OVERRIDE;

	//---from FUnknown
	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	std::vector<Event> events; // sized once; the first eventCount are in use
	int32 eventCount = 0;
};

} // namespace Vst
} // namespace Steinberg
