// A host's block of MIDI events, in the layout effProcessEvents takes.
#pragma once

#include "public.sdk/source/vst/vst2wrapper/vst2interface.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace Vst2Test {

class MidiEvents
{
public:
	MidiEvents& add(int deltaFrames, int status, int data1, int data2)
	{
		assert(block.numEvents < kCapacity);
		VstMidiEvent& event = midi[static_cast<std::size_t>(block.numEvents)];
		event = VstMidiEvent{};
		event.type = kVstMidiType;
		event.byteSize = sizeof(VstMidiEvent);
		event.deltaFrames = deltaFrames;
		event.midiData[0] = static_cast<char>(status);
		event.midiData[1] = static_cast<char>(data1);
		event.midiData[2] = static_cast<char>(data2);
		block.events[block.numEvents++] = reinterpret_cast<VstEvent*>(&event);
		return *this;
	}

	void* get() { return &block; }

private:
	static constexpr int kCapacity = 8;
	std::array<VstMidiEvent, kCapacity> midi{};
	struct
	{
		int numEvents = 0;
		VstIntPtr reserved = 0;
		VstEvent* events[kCapacity] = {};
	} block;
};

} // namespace Vst2Test
