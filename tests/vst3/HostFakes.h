// Host-side stand-ins for the VST 3 block data the adapters read.
#pragma once

#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <utility>
#include <vector>

namespace HostFakes {

using namespace Steinberg;
using namespace Steinberg::Vst;

// The test owns the objects; reference counting is a no-op.
#define HOST_FAKES_NO_REFCOUNT                                                                     \
	tresult PLUGIN_API queryInterface(const TUID, void** obj) override { return *obj = nullptr, kNoInterface; } \
	uint32 PLUGIN_API addRef() override { return 1; }                                                \
	uint32 PLUGIN_API release() override { return 1; }

class ParamValueQueue : public IParamValueQueue
{
public:
	ParamValueQueue(ParamID id, std::vector<std::pair<int32, ParamValue>> points) : id(id), points(std::move(points)) {}

	ParamID PLUGIN_API getParameterId() override { return id; }
	int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points.size()); }
	tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) override
	{
		if (index < 0 || index >= getPointCount())
			return kInvalidArgument;
		sampleOffset = points[index].first;
		value = points[index].second;
		return kResultOk;
	}
	tresult PLUGIN_API addPoint(int32, ParamValue, int32&) override { return kNotImplemented; }
	HOST_FAKES_NO_REFCOUNT

	ParamID id;
	std::vector<std::pair<int32, ParamValue>> points;
};

class EventList : public IEventList
{
public:
	int32 PLUGIN_API getEventCount() override { return static_cast<int32>(events.size()); }
	tresult PLUGIN_API getEvent(int32 index, Event& e) override
	{
		if (index < 0 || index >= getEventCount())
			return kInvalidArgument;
		e = events[index];
		return kResultOk;
	}
	tresult PLUGIN_API addEvent(Event&) override { return kNotImplemented; }
	HOST_FAKES_NO_REFCOUNT

	void noteOn(int32 offset, int16 channel, int16 pitch, float velocity)
	{
		other(offset, Event::kNoteOnEvent).noteOn = {channel, pitch, 0.0f, velocity, 0, -1};
	}
	void noteOff(int32 offset, int16 channel, int16 pitch, float velocity)
	{
		other(offset, Event::kNoteOffEvent).noteOff = {channel, pitch, velocity, -1, 0.0f};
	}
	void polyPressure(int32 offset, int16 channel, int16 pitch, float pressure)
	{
		other(offset, Event::kPolyPressureEvent).polyPressure = {channel, pitch, pressure, -1};
	}
	Event& other(int32 offset, uint16 type)
	{
		Event& e = events.emplace_back();
		e.sampleOffset = offset;
		e.type = type;
		return e;
	}

	std::vector<Event> events;
};

#undef HOST_FAKES_NO_REFCOUNT

} // namespace HostFakes
