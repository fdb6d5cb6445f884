// What one VST 2 MIDI event means to a VST 3 processor: a note event, or a
// controller value that the plug-in's IMidiMapping may bind to a parameter.
#pragma once

#include "vst2interface.h"

#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

struct MidiInput
{
	enum class Kind
	{
		ignored,    // nothing VST 3 has a place for (program change, system messages)
		event,      // note on, note off, polyphonic pressure
		controller, // control change, channel pressure, pitch bend
	};
	Kind kind = Kind::ignored;
	Event event {};
	int16 channel = 0;
	CtrlNumber controller = 0;
	ParamValue value = 0;
	int32 sampleOffset = 0;
};

MidiInput translateMidi(const VstMidiEvent& midi);

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
