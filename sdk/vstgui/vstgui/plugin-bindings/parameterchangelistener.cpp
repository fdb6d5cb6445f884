#include "parameterchangelistener.h"

#include "../lib/controls/ctextlabel.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <algorithm>
#include <cstring>

namespace VSTGUI {

using Steinberg::Vst::ParamValue;

ParameterChangeListener::ParameterChangeListener(Steinberg::Vst::EditController* editController,
	Steinberg::Vst::Parameter* parameter, CControl* control)
: editController(editController), parameter(parameter)
{
	if (parameter)
	{
		parameter->addRef();
		parameter->addDependent(this);
	}
	if (control)
		addControl(control);
}

ParameterChangeListener::~ParameterChangeListener()
{
	if (parameter)
	{
		parameter->removeDependent(this);
		parameter->release();
	}
	// A control may outlive this listener; it must not call back into it.
	for (auto* control : controls)
	{
		if (auto* display = dynamic_cast<CParamDisplay*>(control))
			display->setValueToStringFunction(nullptr);
		control->forget();
	}
}

void ParameterChangeListener::addControl(CControl* control)
{
	if (!control || containsControl(control))
		return;
	control->remember();
	controls.push_back(control);
	if (auto* display = dynamic_cast<CParamDisplay*>(control))
	{
		display->setValueToStringFunction([this](float value, char utf8String[256], CParamDisplay*) {
			return convertValueToString(value, utf8String);
		});
	}
	// Without a parameter the first control's value is the tag's value.
	if (parameter)
		updateControlValue(editController->getParamNormalized(getParameterID()));
	else
		updateControlValue(controls.front()->getValueNormalized());
}

void ParameterChangeListener::removeControl(CControl* control)
{
	auto it = std::find(controls.begin(), controls.end(), control);
	if (it == controls.end())
		return;
	controls.erase(it);
	if (auto* display = dynamic_cast<CParamDisplay*>(control))
		display->setValueToStringFunction(nullptr);
	control->forget();
}

bool ParameterChangeListener::containsControl(CControl* control) const
{
	return std::find(controls.begin(), controls.end(), control) != controls.end();
}

void PLUGIN_API ParameterChangeListener::update(Steinberg::FUnknown*, Steinberg::int32 message)
{
	if (message == IDependent::kChanged && parameter)
		updateControlValue(editController->getParamNormalized(getParameterID()));
}

Steinberg::Vst::ParamID ParameterChangeListener::getParameterID() const
{
	if (parameter)
		return parameter->getInfo().id;
	if (!controls.empty())
		return static_cast<Steinberg::Vst::ParamID>(controls.front()->getTag());
	return 0xFFFFFFFF;
}

void ParameterChangeListener::beginEdit()
{
	if (parameter)
		editController->beginEdit(getParameterID());
}

void ParameterChangeListener::endEdit()
{
	if (parameter)
		editController->endEdit(getParameterID());
}

void ParameterChangeListener::performEdit(ParamValue value)
{
	if (parameter)
	{
		// The host hears the value the parameter took (clamped, stepped).
		editController->setParamNormalized(getParameterID(), value);
		editController->performEdit(getParameterID(), editController->getParamNormalized(getParameterID()));
	}
	else
	{
		updateControlValue(value);
	}
}

void ParameterChangeListener::updateControlValue(ParamValue value)
{
	bool mouseEnabled = true;
	bool stepped = false;
	ParamValue defaultValue = 0.5;
	float minValue = 0.f;
	float maxValue = 1.f;
	if (parameter)
	{
		const auto& info = parameter->getInfo();
		defaultValue = info.defaultNormalizedValue;
		mouseEnabled = (info.flags & Steinberg::Vst::ParameterInfo::kIsReadOnly) == 0;
		// A stepped parameter's controls work in its plain steps.
		if (info.stepCount > 0)
		{
			stepped = true;
			value = parameter->toPlain(value);
			defaultValue = parameter->toPlain(defaultValue);
			minValue = static_cast<float>(parameter->toPlain(0.));
			maxValue = static_cast<float>(parameter->toPlain(1.));
		}
	}
	for (auto* control : controls)
	{
		control->setMouseEnabled(mouseEnabled);
		if (parameter)
			control->setDefaultValue(static_cast<float>(defaultValue));
		if (auto* label = dynamic_cast<CTextLabel*>(control); label && parameter)
		{
			Steinberg::Vst::String128 text{};
			ParamValue normalized = stepped ? parameter->toNormalized(value) : value;
			editController->getParamStringByValue(getParameterID(), normalized, text);
			label->setText(VST3::StringConvert::convert(text, 128));
		}
		else if (stepped)
		{
			control->setMin(minValue);
			control->setMax(maxValue);
			control->setValue(static_cast<float>(value));
		}
		else
		{
			control->setValueNormalized(static_cast<float>(value));
		}
		control->invalid();
	}
}

bool ParameterChangeListener::convertValueToString(float value, char utf8String[256]) const
{
	if (!parameter)
		return false;
	ParamValue normalized = value;
	if (parameter->getInfo().stepCount > 0)
		normalized = parameter->toNormalized(value);
	Steinberg::Vst::String128 text{};
	editController->getParamStringByValue(getParameterID(), normalized, text);
	std::string utf8 = VST3::StringConvert::convert(text, 128);
	size_t length = std::min(utf8.size(), size_t(255));
	std::memcpy(utf8String, utf8.data(), length);
	utf8String[length] = 0;
	return true;
}

} // namespace VSTGUI
