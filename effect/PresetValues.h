// Loading a preset slot into an effect's controls.
#pragma once

#include "PlugIn.h"

// The linear normalized value of a control's preset value in a slot:
// (p - minimum) / (maximum - minimum), in float.
inline float presetNormalized(const ControlDescriptor& control, int slot)
{
	const float plain = static_cast<float>(control.presetValues[slot]);
	return (plain - control.minimum) / (control.maximum - control.minimum);
}

// Sets every control to its value in `slot`; smoothed controls glide there
// unless `immediate`.
inline void applyPreset(CPlugIn& effect, int slot, bool immediate)
{
	for (uint32_t i = 0; i < effect.m_controlCount; ++i)
		if (const ControlDescriptor* control = effect.m_controlArray[i])
			effect.setNormalized(i, presetNormalized(*control, slot), immediate);
}
