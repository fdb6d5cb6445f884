#include "host/NoteEvents.h"

namespace VeltraneHost {

using namespace Steinberg;

Vst::Event noteOn(int32 sampleOffset, int16 channel, int16 pitch, float velocity, int32 noteId)
{
	Vst::Event event{};
	event.sampleOffset = sampleOffset;
	event.type = Vst::Event::kNoteOnEvent;
	event.noteOn.channel = channel;
	event.noteOn.pitch = pitch;
	event.noteOn.velocity = velocity;
	event.noteOn.noteId = noteId;
	return event;
}

Vst::Event noteOff(int32 sampleOffset, int16 channel, int16 pitch, float velocity, int32 noteId)
{
	Vst::Event event{};
	event.sampleOffset = sampleOffset;
	event.type = Vst::Event::kNoteOffEvent;
	event.noteOff.channel = channel;
	event.noteOff.pitch = pitch;
	event.noteOff.velocity = velocity;
	event.noteOff.noteId = noteId;
	return event;
}

} // namespace VeltraneHost
