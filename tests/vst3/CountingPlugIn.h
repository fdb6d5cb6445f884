// An effect that records the MIDI calls it receives.
#pragma once

#include "PlugIn.h"

#include <tuple>
#include <vector>

struct MidiCall
{
	enum Kind { NoteOn, NoteOff, Raw } kind;
	uint32_t channel;
	uint32_t note;
	uint32_t value;
	uint32_t status; // raw MIDI only
	bool allNotesOff;

	bool operator==(const MidiCall& o) const
	{
		return std::tie(kind, channel, note, value, status, allNotesOff) ==
		       std::tie(o.kind, o.channel, o.note, o.value, o.status, o.allNotesOff);
	}
};

class CountingPlugIn : public CPlugIn
{
public:
	bool noteOn(uint32_t channel, uint32_t note, uint32_t velocity) override
	{
		calls.push_back({MidiCall::NoteOn, channel, note, velocity, 0, false});
		return true;
	}
	bool noteOff(uint32_t channel, uint32_t note, uint32_t velocity, bool allNotesOff) override
	{
		calls.push_back({MidiCall::NoteOff, channel, note, velocity, 0, allNotesOff});
		return true;
	}
	bool rawMidi(uint8_t channel, uint8_t status, uint8_t data1, uint8_t data2) override
	{
		calls.push_back({MidiCall::Raw, channel, data1, data2, status, false});
		return true;
	}

	std::vector<MidiCall> calls;
};
