// Settings in and out: the component state, the controller's restore from it,
// and parameter edits, program changes among them.
#include "ComponentState.h"
#include "FastMath.h"
#include "Processor.h"

#include "PresetValues.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <cmath>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

tresult Processor::saveComponentState(IBStream* state)
{
	if (!effect || !state)
		return kResultFalse;
	return ComponentState::write(state, *effect, controllerChanges.currentValues(bypassed)) ? kResultOk : kResultFalse;
}

tresult Processor::loadComponentState(IBStream* state)
{
	if (!effect)
		return kResultFalse;
	// All or nothing: a stream that ends early changes nothing.
	const std::optional<ComponentState> restored = ComponentState::read(state, *effect);
	if (!restored)
		return kResultFalse;
	controllerChanges.restore(restored->sanitised(*effect), restored->hasJoystick, bypassed);
	return kResultOk;
}

tresult PLUGIN_API Processor::setComponentState(IBStream* state)
{
	if (!effect)
		return kResultFalse;
	const std::optional<ComponentState> restored = ComponentState::read(state, *effect);
	if (!restored)
		return kResultFalse;
	const EffectValues values = restored->sanitised(*effect);
	for (size_t i = 0; i < values.controls.size(); ++i)
		if (effect->m_controls.at(static_cast<int32>(i)))
			setParamFromPlain(static_cast<ParamID>(i), values.controls[i]);
	setParamFromPlain(kParamBypass, values.bypassed ? 1.0 : 0.0);
	if (restored->hasJoystick)
	{
		setParamFromPlain(JOYSTICK_X, (values.joystickX + 1.0f) * 0.5f);
		setParamFromPlain(JOYSTICK_Y, (values.joystickY + 1.0f) * 0.5f);
	}
	syncLinkedControls();
	return kResultOk;
}

tresult Processor::setParamFromPlain(ParamID tag, ParamValue plain)
{
	Parameter* parameter = getParameterObject(tag);
	if (!parameter)
		return kResultFalse;
	return EditController::setParamNormalized(tag, parameter->toNormalized(plain));
}

void Processor::notifyEditorParam(ParamID tag, ParamValue value)
{
	if (!effect)
		return;
	EditorMessage message;
	message.code = kEditorParamValue;
	message.paramId = static_cast<int32>(tag);
	message.paramValue = value;
	effect->editorMessage(message);
}

tresult PLUGIN_API Processor::setParamNormalized(ParamID tag, ParamValue value)
{
	if (std::isnan(value))
		return kResultFalse;
	value = std::fmin(std::fmax(value, 0.0), 1.0);
	const tresult result = EditController::setParamNormalized(tag, value);
	notifyEditorParam(tag, value);
	if (result == kResultOk && tag == kParamProgram)
		applyFactoryPreset();
	return result;
}

void Processor::applyFactoryPreset()
{
	Parameter* program = getParameterObject(kParamProgram);
	if (!effect || !program)
		return;
	const int32 slot = static_cast<int32>(program->toPlain(program->getNormalized()));
	if (slot < 0 || slot >= kPresetSlots)
		return;

	const int32 count = effect->m_controls.count();
	for (int32 i = 0; i < count; ++i)
	{
		const ControlDescriptor* control = effect->m_controls.at(i);
		if (!control)
			continue;
		const float plain = static_cast<float>(control->presetValues[slot]);
		const float linear = presetNormalized(*control, slot);
		// The host parameter's own taper.
		float hostValue = linear;
		if (control->logTaper)
			hostValue = (std::pow(10.0f, linear) - 1.0f) * 0.1111111119389534f;
		else if (control->voltOctaveTaper)
			hostValue = fastLog2((1.0f / control->minimum) * plain) / fastLog2((1.0f / control->minimum) * control->maximum);

		controllerChanges.glideControl(static_cast<uint32_t>(i), linear);
		EditController::setParamNormalized(static_cast<ParamID>(i), hostValue);
		notifyEditorParam(static_cast<ParamID>(i), hostValue);
	}

	const double a = effect->m_joystickX.presetValues[slot];
	const double b = effect->m_joystickY.presetValues[slot];
	const double x = (a - b) * 0.5000755179441972;
	const double y = (a + b) * 0.5000755179441972;
	controllerChanges.setJoystick(static_cast<float>(x), static_cast<float>(y));
	for (const auto& axis : {std::make_pair(JOYSTICK_X, x), std::make_pair(JOYSTICK_Y, y)})
	{
		const ParamValue normalized = (axis.second + 1) * 0.5;
		EditController::setParamNormalized(axis.first, normalized);
		notifyEditorParam(axis.first, normalized);
	}

	if (componentHandler)
		componentHandler->restartComponent(kParamValuesChanged);
	syncLinkedControls();
}

void Processor::syncLinkedControls()
{
	if (!effect)
		return;
	const int32 count = effect->m_controls.count();
	for (int32 i = 0; i < count; ++i)
	{
		const ControlDescriptor* control = effect->m_controls.at(i);
		if (!control)
			continue;
		const ParamValue plain = normalizedParamToPlain(static_cast<ParamID>(i), getParamNormalized(static_cast<ParamID>(i)));
		LinkedUpdate* updates = nullptr;
		if (effect->linkedUpdates(control->controlId, static_cast<float>(plain), updates, true))
		{
			for (const LinkedUpdate* node = updates; node; node = node->next)
			{
				for (int32 m = 0; m < count; ++m)
				{
					const ControlDescriptor* target = effect->m_controls.at(m);
					if (!target || target->controlId != static_cast<uint32_t>(node->controlId))
						continue;
					const ParamValue normalized = plainParamToNormalized(static_cast<ParamID>(m), node->value);
					setParamNormalized(static_cast<ParamID>(m), normalized);
					performEdit(static_cast<ParamID>(m), normalized);
					break;
				}
			}
		}
		effect->releaseLinkedUpdates(updates);
	}
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
