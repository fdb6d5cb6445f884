// Host-visible ids of the module: the class id and the fixed parameter ids.
#pragma once

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// Hosts remember the plug-in in their projects by this id.
extern const FUID kProcessorUID;

// The VST 2 unique id 'TRV1'.
constexpr int32 kVst2UniqueId = ('T' << 24) | ('R' << 16) | ('V' << 8) | '1';

// Parameters 0 .. n-1 are the effect's controls by position; these follow them.
enum ExtraParameterIds : ParamID
{
	kParamPitchBend = 0x800,
	kParamModWheel = 0x801,
	kParamMidiVolume = 0x802,
	kParamMidiPan = 0x803,
	kParamExpression = 0x804,
	kParamSustainPedal = 0x805,
	kParamChannelPressure = 0x806,
	kParamAllNotesOff = 0x807,
	kParamBypass = 0x808,
	ASSIGNBUTTON_1 = 0x8000,
	ASSIGNBUTTON_2 = 0x8001,
	ASSIGNBUTTON_3 = 0x8002,
	JOYSTICK_X = 0x8005,
	JOYSTICK_Y = 0x8006,
	kParamProgram = 0x70727374, // 'prst', also the id of the program list
};

constexpr ProgramListID kProgramListId = kParamProgram;

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
