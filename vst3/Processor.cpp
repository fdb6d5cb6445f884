#include "Processor.h"

#include "ZuVurazOva.h"

#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

CPlugIn* makeStereoDelay()
{
	return new CZuVurazOva();
}

} // namespace

Processor::Processor(EffectFactory factory) : makeEffect(factory ? factory : &makeStereoDelay) {}

Processor::~Processor()
{
	effect.reset();
	meterParamIds.clear();
}

FUnknown* Processor::createInstance(void*)
{
	return static_cast<IAudioProcessor*>(new Processor());
}

tresult PLUGIN_API Processor::queryInterface(const TUID iid, void** obj)
{
	if (FUnknownPrivate::iidEqual(iid, IMidiMapping::iid))
	{
		addRef();
		*obj = static_cast<IMidiMapping*>(this);
		return kResultOk;
	}
	return SingleComponentEffect::queryInterface(iid, obj);
}

tresult PLUGIN_API Processor::terminate()
{
	meterParamIds.clear();
	paramQueues.reset();
	midiEvents.reset();
	return SingleComponentEffect::terminate();
}

tresult Processor::receiveText(const char8* text)
{
	if (!effect || !text)
		return kResultOk;
	if (std::strcmp(text, "VSTGUITimerPing") == 0)
	{
		guiMessage.code = 2;
		effect->editorMessage(guiMessage);
	}
	else if (std::strcmp(text, "RecreateView") == 0)
	{
		// The same message as when the editor opened.
		guiMessage.code = 0;
		guiMessage.viewName = "";
		guiMessage.text = "";
		guiMessage.editor = nullptr;
		guiMessage.listener = nullptr;
		guiMessage.reply = false;
		effect->editorMessage(guiMessage);
	}
	return kResultOk;
}

ParamValue PLUGIN_API Processor::normalizedParamToPlain(ParamID tag, ParamValue valueNormalized)
{
	return EditControllerEx1::normalizedParamToPlain(tag, valueNormalized);
}

ParamValue PLUGIN_API Processor::plainParamToNormalized(ParamID tag, ParamValue plainValue)
{
	return EditControllerEx1::plainParamToNormalized(tag, plainValue);
}

// The SDK containers throw on an index out of range; an exception must never
// reach the host, so such queries are refused here.
tresult PLUGIN_API Processor::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
	if (paramIndex < 0 || paramIndex >= getParameterCount())
		return kResultFalse;
	return EditControllerEx1::getParameterInfo(paramIndex, info);
}

tresult PLUGIN_API Processor::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
	if (unitIndex < 0 || unitIndex >= getUnitCount())
		return kResultFalse;
	return EditControllerEx1::getUnitInfo(unitIndex, info);
}

tresult PLUGIN_API Processor::getParamStringByValue(ParamID tag, ParamValue valueNormalized, String128 string)
{
	const ParamValue inRange = valueNormalized >= 0.0 ? std::fmin(valueNormalized, 1.0) : 0.0;
	return EditControllerEx1::getParamStringByValue(tag, inRange, string);
}

IPlugView* PLUGIN_API Processor::createView(FIDString)
{
	return nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
