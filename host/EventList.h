#pragma once

#include "pluginterfaces/vst/ivstevents.h"

#include <vector>

namespace VeltraneHost {

// The events of one block, kept in sample-offset order (events at the same
// offset stay in the order added), with a fixed capacity.
// Host-owned: addRef/release do not count and never delete.
class EventList : public Steinberg::Vst::IEventList
{
public:
	explicit EventList(Steinberg::int32 capacity);
	EventList(const EventList&) = delete;
	EventList& operator=(const EventList&) = delete;
	virtual ~EventList() = default;

	// False when the list is full.
	bool add(const Steinberg::Vst::Event& event);
	void clear() { events.clear(); }
	Steinberg::int32 capacity() const { return static_cast<Steinberg::int32>(events.capacity()); }

	static Steinberg::Vst::Event noteOn(Steinberg::int32 sampleOffset, Steinberg::int16 channel,
		Steinberg::int16 pitch, float velocity, Steinberg::int32 noteId = -1);
	static Steinberg::Vst::Event noteOff(Steinberg::int32 sampleOffset, Steinberg::int16 channel,
		Steinberg::int16 pitch, float velocity = 0.0f, Steinberg::int32 noteId = -1);

	Steinberg::int32 PLUGIN_API getEventCount() override { return static_cast<Steinberg::int32>(events.size()); }
	Steinberg::tresult PLUGIN_API getEvent(Steinberg::int32 index, Steinberg::Vst::Event& event) override;
	Steinberg::tresult PLUGIN_API addEvent(Steinberg::Vst::Event& event) override;

	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** object) override;
	Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
	Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
	// Reserved up front; never grows past that.
	std::vector<Steinberg::Vst::Event> events;
};

} // namespace VeltraneHost
