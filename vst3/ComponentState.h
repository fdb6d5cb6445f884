// The component state stream hosts keep in their projects: a version, one
// value per control in control order (encoded by its value type), the bypass
// flag and the joystick position, little-endian.
#pragma once

#include "ControllerChanges.h"

#include "PlugIn.h"
#include "base/source/fstreamer.h"

#include <optional>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

struct ComponentState
{
	uint64 version = 1;
	std::vector<double> controls; // per control index, as stored (0 where none is stored)
	bool bypassed = false;
	bool hasJoystick = false;
	float joystickX = 0, joystickY = 0;

	// Reads the whole stream; nothing when it ends early.
	static std::optional<ComponentState> read(IBStream* stream, const CPlugIn& effect);
	// Writes version 1; false when a write fails.
	static bool write(IBStream* stream, const CPlugIn& effect, const EffectValues& values);

	// The values brought into each control's range (a damaged or foreign
	// stream must not put the effect outside what its controls allow).
	EffectValues sanitised(const CPlugIn& effect) const;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
