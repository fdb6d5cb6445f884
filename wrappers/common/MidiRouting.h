// One MIDI message to a hosted VST 3 component, the way a VST 3 host hands
// MIDI over: notes and polyphonic pressure as events on the event bus,
// controllers, channel pressure and pitch bend as parameter changes through
// the component's IMidiMapping. Audio-thread safe: no allocation, no locks.
#pragma once

#include "HostedComponent.h"
#include "ParameterTable.h"

#include <cstddef>
#include <cstdint>

namespace Steinberg {
namespace Vst {
namespace Wrappers {

struct MidiMove
{
	int32 index = -1; // the parameter moved (table index), -1 for none
	ParamValue normalized = 0.0;
};

// size: the message's bytes as the host delivered them; short or unknown
// messages are ignored. A controller move is already on hosted's input changes.
MidiMove routeMidi(const std::uint8_t* data, std::size_t size, int32 offset, const ParameterTable& table,
	HostedComponent& hosted);

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
