#include "MidiRouting.h"

#include "pluginterfaces/vst/ivstevents.h"

namespace Steinberg {
namespace Vst {
namespace Wrappers {

namespace {

MidiMove moveParameter(ParamID id, ParamValue value, int32 offset, const ParameterTable& table, HostedComponent& hosted)
{
	const int32 index = id == kNoParamId ? -1 : table.indexOf(id);
	if (index < 0 || !hosted.inputChanges().addPoint(id, offset, value))
		return {};
	return {index, value};
}

std::size_t messageLength(std::uint8_t status)
{
	switch (status & 0xF0)
	{
		case 0xC0:
		case 0xD0:
			return 2;
		case 0xF0:
			return 0; // system messages carry nothing for the component
		default:
			return 3;
	}
}

} // namespace

MidiMove routeMidi(const std::uint8_t* data, std::size_t size, int32 offset, const ParameterTable& table,
	HostedComponent& hosted)
{
	if (!data || size < 1 || !(data[0] & 0x80) || size < messageLength(data[0]) || messageLength(data[0]) == 0)
		return {};
	const int16 channel = data[0] & 0x0F;
	const std::uint8_t first = data[1] & 0x7F, second = size > 2 ? data[2] & 0x7F : 0;
	Event event {};
	event.sampleOffset = offset;
	switch (data[0] & 0xF0)
	{
		case 0x90:
		case 0x80:
			if ((data[0] & 0xF0) == 0x90 && second > 0)
			{
				event.type = Event::kNoteOnEvent;
				event.noteOn = {channel, first, 0.0f, second / 127.0f, 0, -1};
			}
			else
			{
				event.type = Event::kNoteOffEvent;
				event.noteOff = {channel, first, second / 127.0f, -1, 0.0f};
			}
			if (hosted.hasEventInput())
				hosted.events().add(event);
			return {};
		case 0xA0:
			event.type = Event::kPolyPressureEvent;
			event.polyPressure = {channel, first, second / 127.0f, -1};
			if (hosted.hasEventInput())
				hosted.events().add(event);
			return {};
		case 0xB0:
			return moveParameter(table.midiTarget(channel, first), second / 127.0, offset, table, hosted);
		case 0xD0:
			return moveParameter(table.midiTarget(channel, kAfterTouch), first / 127.0, offset, table, hosted);
		case 0xE0:
			return moveParameter(table.midiTarget(channel, kPitchBend), ((second << 7) | first) / 16383.0, offset, table,
				hosted);
		default:
			return {};
	}
}

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
