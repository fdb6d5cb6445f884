#include "vst2midiinput.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

namespace {

// VST 3 notes from a VST 2 host carry no id of their own.
constexpr int32 kNoNoteId = -1;

float unitValue(unsigned char data)
{
	return static_cast<float>(data & 0x7F) / 127.0f;
}

} // namespace

MidiInput translateMidi(const VstMidiEvent& midi)
{
	MidiInput input;
	input.sampleOffset = midi.deltaFrames > 0 ? midi.deltaFrames : 0;
	const unsigned char status = midi.midiData[0] & 0xF0;
	const auto channel = static_cast<int16>(midi.midiData[0] & 0x0F);
	const auto data1 = static_cast<unsigned char>(midi.midiData[1] & 0x7F);
	const auto data2 = static_cast<unsigned char>(midi.midiData[2] & 0x7F);
	input.channel = channel;

	Event& event = input.event;
	event.busIndex = 0;
	event.sampleOffset = input.sampleOffset;
	event.flags = Event::kIsLive;
	switch (status)
	{
		case 0x90:
			if (data2 > 0)
			{
				input.kind = MidiInput::Kind::event;
				event.type = Event::kNoteOnEvent;
				event.noteOn = {channel, static_cast<int16>(data1), 0.0f, unitValue(data2), 0, kNoNoteId};
				break;
			}
			// velocity 0 is a note off
			[[fallthrough]];
		case 0x80:
			input.kind = MidiInput::Kind::event;
			event.type = Event::kNoteOffEvent;
			event.noteOff = {channel, static_cast<int16>(data1), status == 0x80 ? unitValue(data2) : 0.0f, kNoNoteId,
				0.0f};
			break;
		case 0xA0:
			input.kind = MidiInput::Kind::event;
			event.type = Event::kPolyPressureEvent;
			event.polyPressure = {channel, static_cast<int16>(data1), unitValue(data2), kNoNoteId};
			break;
		case 0xB0:
			input.kind = MidiInput::Kind::controller;
			input.controller = data1;
			input.value = unitValue(data2);
			break;
		case 0xD0:
			input.kind = MidiInput::Kind::controller;
			input.controller = kAfterTouch;
			input.value = unitValue(data1);
			break;
		case 0xE0:
			input.kind = MidiInput::Kind::controller;
			input.controller = kPitchBend;
			input.value = static_cast<ParamValue>(data1 | (data2 << 7)) / 16383.0;
			break;
		default:
			break;
	}
	return input;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
