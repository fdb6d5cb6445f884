#include "ComponentState.h"

#include "NumericLimits.h"

#include <cmath>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

bool readValue(IBStreamer& streamer, uint32_t valueType, double& value)
{
	switch (valueType)
	{
		case kIntValue:
		{
			int32 v;
			if (!streamer.readInt32(v))
				return false;
			value = v;
			return true;
		}
		case kFloatValue:
		{
			float v;
			if (!streamer.readFloat(v))
				return false;
			value = v;
			return true;
		}
		case kDoubleValue:
			return streamer.readDouble(value);
		case kEnumValue:
		{
			uint32 v;
			if (!streamer.readInt32u(v))
				return false;
			value = v;
			return true;
		}
		default:
			value = 0;
			return true; // stored as nothing
	}
}

bool writeValue(IBStreamer& streamer, uint32_t valueType, float value)
{
	switch (valueType)
	{
		case kIntValue: return streamer.writeInt32(saturatingInt32(value));
		case kFloatValue: return streamer.writeFloat(value);
		case kDoubleValue: return streamer.writeDouble(value);
		case kEnumValue: return streamer.writeInt32u(saturatingUint32(value));
		default: return true;
	}
}

float clampedFloat(double value, float minimum, float maximum)
{
	if (std::isnan(value))
		return minimum;
	return static_cast<float>(std::fmin(std::fmax(value, minimum), maximum));
}

} // namespace

std::optional<ComponentState> ComponentState::read(IBStream* stream, const CPlugIn& effect)
{
	if (!stream)
		return std::nullopt;
	IBStreamer streamer(stream, kLittleEndian);
	ComponentState state;
	if (!streamer.readInt64u(state.version))
		return std::nullopt;
	const int32 count = effect.m_controls.count();
	state.controls.assign(static_cast<size_t>(count), 0.0);
	for (int32 i = 0; i < count; ++i)
		if (const ControlDescriptor* control = effect.m_controls.at(i))
			if (!readValue(streamer, control->valueType, state.controls[i]))
				return std::nullopt;
	if (!streamer.readBool(state.bypassed))
		return std::nullopt;
	if (state.version >= 1)
	{
		if (!streamer.readFloat(state.joystickX) || !streamer.readFloat(state.joystickY))
			return std::nullopt;
		state.hasJoystick = true;
	}
	return state;
}

bool ComponentState::write(IBStream* stream, const CPlugIn& effect, const EffectValues& values)
{
	IBStreamer streamer(stream, kLittleEndian);
	if (!streamer.writeInt64u(1))
		return false;
	const int32 count = effect.m_controls.count();
	for (int32 i = 0; i < count; ++i)
		if (const ControlDescriptor* control = effect.m_controls.at(i))
			if (!writeValue(streamer, control->valueType, i < static_cast<int32>(values.controls.size()) ? values.controls[i] : 0.0f))
				return false;
	return streamer.writeBool(values.bypassed) && streamer.writeFloat(values.joystickX) &&
	       streamer.writeFloat(values.joystickY);
}

EffectValues ComponentState::sanitised(const CPlugIn& effect) const
{
	EffectValues values;
	values.controls.assign(controls.size(), 0.0f);
	for (size_t i = 0; i < controls.size(); ++i)
		if (const ControlDescriptor* control = effect.m_controls.at(static_cast<int32>(i)))
			values.controls[i] = clampedFloat(controls[i], control->minimum, control->maximum);
	values.bypassed = bypassed;
	values.joystickX = std::isnan(joystickX) ? 0.0f : std::fmin(std::fmax(joystickX, -1.0f), 1.0f);
	values.joystickY = std::isnan(joystickY) ? 0.0f : std::fmin(std::fmax(joystickY, -1.0f), 1.0f);
	return values;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
