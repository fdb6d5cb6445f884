#pragma once

#include "pluginterfaces/vst/ivstevents.h"

namespace VeltraneHost {

// Note events as a host sends them; noteId -1 means the host gives none.
Steinberg::Vst::Event noteOn(Steinberg::int32 sampleOffset, Steinberg::int16 channel, Steinberg::int16 pitch,
	float velocity, Steinberg::int32 noteId = -1);
Steinberg::Vst::Event noteOff(Steinberg::int32 sampleOffset, Steinberg::int16 channel, Steinberg::int16 pitch,
	float velocity = 0.0f, Steinberg::int32 noteId = -1);

} // namespace VeltraneHost
