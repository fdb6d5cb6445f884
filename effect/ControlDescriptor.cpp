#include "ControlDescriptor.h"

#include "NumericLimits.h"
#include "PlugIn.h"

#include <cmath>

namespace {

// floor(p + 0.5): the sum formed in float, widened before the floor.
double nearestIndex(float plain)
{
	return std::floor(static_cast<double>(plain + 0.5f));
}

} // namespace

void ControlDescriptor::applyNormalized(float normalized, bool immediate, CPlugIn& effect)
{
	const float plain = plainFromNormalized(normalized);
	apply(plain, smoothingEnabled && !immediate, saturatingInt32(nearestIndex(plain)), effect);
}

// A restored plain value: integers truncate, and only the smoothing flag
// decides whether a float glides (the restorer clears it to land at once).
void ControlDescriptor::applyPlain(float plain, CPlugIn& effect)
{
	apply(plain, smoothingEnabled, saturatingInt32(plain), effect);
}

void ControlDescriptor::apply(float plain, bool glide, int32_t integer, CPlugIn& effect)
{
	switch (valueType)
	{
		case kIntValue:
			*intVar = integer;
			break;
		case kFloatValue:
		case kDoubleValue:
			if (glide)
				glideTo(plain);
			else
				landAt(plain);
			break;
		case kEnumValue:
		{
			const uint32_t index = saturatingUint32(nearestIndex(plain));
			if (*enumVar == index)
				return;
			*enumVar = index;
			break;
		}
		default:
			return;
	}
	effect.controlChanged(controlId);
}

float ControlDescriptor::value() const
{
	switch (valueType)
	{
		case kIntValue: return static_cast<float>(*intVar);
		case kFloatValue: return *floatVar;
		case kDoubleValue: return static_cast<float>(*doubleVar);
		case kEnumValue: return static_cast<float>(*enumVar);
		default: return 0;
	}
}

float ControlDescriptor::valueAfterApplying(float plain, bool fromNormalized) const
{
	switch (valueType)
	{
		case kIntValue:
			return static_cast<float>(saturatingInt32(fromNormalized ? nearestIndex(plain) : plain));
		case kEnumValue:
			return static_cast<float>(saturatingUint32(nearestIndex(plain)));
		case kFloatValue:
		case kDoubleValue:
			return plain;
		default:
			return 0;
	}
}

void ControlDescriptor::glideTo(float target)
{
	smoothingTarget = target;
	smoother.settled = false;
	smoother.gliding = true;
}

// A value that lands at once also becomes the target and the smoother's state,
// so that a settled smoother keeps it rather than writing the old target back.
void ControlDescriptor::landAt(float plain)
{
	if (valueType == kFloatValue)
		*floatVar = plain;
	else
		*doubleVar = plain;
	smoothingTarget = plain;
	smoother.single.state = smoother.single.lastOutput = plain;
	smoother.wide.state = smoother.wide.lastOutput = plain;
	smoother.settled = true;
	smoother.gliding = false;
}

void ControlDescriptor::prepareSmoother(int32_t sampleRate)
{
	if (!hasSmoother())
		return;
	if (smoother.gliding)
		landAt(smoothingTarget);
	float pole = std::exp(-6.2831855f / (smoothingTimeMs * 0.001f * static_cast<float>(sampleRate)));
	// Without a usable rate or time constant the control follows its target at once.
	if (!(pole >= 0.0f && pole < 1.0f))
		pole = 0.0f;
	const float current = value();
	smoother.single = {pole, 1.0f - pole, current, current};
	smoother.wide = {smoother.single.pole, smoother.single.gain, current, current};
	smoothingTarget = current;
	smoother.settled = false;
}

bool ControlDescriptor::advanceSmoother(CPlugIn& effect)
{
	if (valueType == kFloatValue)
	{
		if (smoother.settled)
		{
			*floatVar = smoothingTarget;
			return false;
		}
		OnePoleSmoother<float>& s = smoother.single;
		s.state = s.gain * smoothingTarget + s.pole * s.state;
		if (s.state == s.lastOutput)
		{
			*floatVar = smoothingTarget;
			smoother.settled = true;
			smoother.gliding = false;
			return false;
		}
		s.lastOutput = s.state;
		*floatVar = s.state;
	}
	else
	{
		if (smoother.settled)
		{
			*doubleVar = smoothingTarget;
			return false;
		}
		OnePoleSmoother<double>& s = smoother.wide;
		s.state = s.gain * static_cast<double>(smoothingTarget) + s.pole * s.state;
		if (s.state == s.lastOutput)
		{
			*doubleVar = smoothingTarget;
			smoother.settled = true;
			smoother.gliding = false;
			return false;
		}
		s.lastOutput = s.state;
		*doubleVar = s.state;
	}
	effect.controlChanged(controlId);
	return true;
}
