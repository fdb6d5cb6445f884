#include "ControllerChanges.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

void ControllerChanges::attach(CPlugIn& target)
{
	std::lock_guard<std::mutex> lock(mutex);
	effect = &target;
	controls.assign(target.m_controlCount, ControlChange{});
	published.controls.assign(target.m_controlCount, 0.0f);
}

void ControllerChanges::setActive(bool nowActive, bool& bypassed)
{
	std::lock_guard<std::mutex> lock(mutex);
	active = nowActive;
	if (!nowActive)
		applyAllPending(bypassed); // nothing may be left behind when blocks stop coming
	else
		readEffect(published, bypassed);
}

void ControllerChanges::glideControl(uint32_t index, float normalized)
{
	std::lock_guard<std::mutex> lock(mutex);
	const ControlChange change{Pending::glide, normalized};
	if (!active)
		applyControl(index, change);
	else
	{
		controls[index] = change;
		anyPending = true;
	}
}

void ControllerChanges::restore(const EffectValues& values, bool hasJoystick, bool& bypassed)
{
	std::lock_guard<std::mutex> lock(mutex);
	for (uint32_t i = 0; i < controls.size() && i < values.controls.size(); ++i)
		if (effect->m_controlArray[i])
			controls[i] = {Pending::restore, values.controls[i]};
	bypassPending = true;
	pendingBypass = values.bypassed;
	if (hasJoystick)
	{
		joystickPending = true;
		pendingX = values.joystickX;
		pendingY = values.joystickY;
	}
	anyPending = true;
	if (!active)
		applyAllPending(bypassed);
}

void ControllerChanges::setJoystick(float x, float y)
{
	std::lock_guard<std::mutex> lock(mutex);
	joystickPending = true;
	pendingX = x;
	pendingY = y;
	anyPending = true;
	if (!active)
	{
		bool unused = false;
		applyAllPending(unused);
	}
}

EffectValues ControllerChanges::currentValues(const bool& bypassed)
{
	std::lock_guard<std::mutex> lock(mutex);
	EffectValues values;
	if (!active)
	{
		readEffect(values, bypassed);
		return values;
	}
	// The last block's values, with the changes it has not picked up yet.
	values = published;
	for (uint32_t i = 0; i < controls.size(); ++i)
		if (controls[i].kind != Pending::none)
			values.controls[i] = valueAfter(i, controls[i]);
	if (bypassPending)
		values.bypassed = pendingBypass;
	if (joystickPending)
	{
		values.joystickX = pendingX;
		values.joystickY = pendingY;
	}
	return values;
}

void ControllerChanges::applyPending(bool& bypassed)
{
	std::unique_lock<std::mutex> lock(mutex, std::try_to_lock);
	if (lock.owns_lock() && anyPending)
		applyAllPending(bypassed);
}

void ControllerChanges::publish(bool bypassed)
{
	std::unique_lock<std::mutex> lock(mutex, std::try_to_lock);
	if (lock.owns_lock())
		readEffect(published, bypassed);
}

void ControllerChanges::applyAllPending(bool& bypassed)
{
	for (uint32_t i = 0; i < controls.size(); ++i)
	{
		if (controls[i].kind != Pending::none)
		{
			applyControl(i, controls[i]);
			controls[i].kind = Pending::none;
		}
	}
	if (bypassPending)
		bypassed = pendingBypass;
	if (joystickPending)
	{
		effect->setJoystickX(pendingX, true);
		effect->setJoystickY(pendingY, true);
	}
	bypassPending = joystickPending = anyPending = false;
}

void ControllerChanges::applyControl(uint32_t index, const ControlChange& change)
{
	if (change.kind == Pending::glide)
	{
		// Without audio running there is nothing to glide through: the value
		// lands, and the next prepare starts from it.
		effect->setNormalized(index, change.value, !active);
		return;
	}
	// A restored value lands at once, even on a smoothed control.
	ControlDescriptor& control = *effect->m_controlArray[index];
	const bool smoothing = control.smoothingEnabled;
	control.smoothingEnabled = false;
	effect->setPlain(index, change.value);
	control.smoothingEnabled = smoothing;
}

void ControllerChanges::readEffect(EffectValues& values, bool bypassed) const
{
	values.controls.resize(controls.size());
	for (uint32_t i = 0; i < controls.size(); ++i)
	{
		// A control still gliding is saved at its target, the value the host set.
		const ControlDescriptor* control = effect->m_controlArray[i];
		values.controls[i] = control && control->smoother.gliding ? control->smoothingTarget : effect->controlValue(i);
	}
	values.bypassed = bypassed;
	effect->joystickPosition(values.joystickX, values.joystickY);
}

// The value a control will hold once a pending change is applied.
float ControllerChanges::valueAfter(uint32_t index, const ControlChange& change) const
{
	const ControlDescriptor* control = effect->m_controlArray[index];
	if (!control)
		return 0.0f;
	if (change.kind == Pending::glide)
		return control->valueAfterApplying(control->plainFromNormalized(change.value), true);
	return control->valueAfterApplying(change.value, false);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
