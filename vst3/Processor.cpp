#include "Processor.h"

#include "ZuVurazOva.h"

#include <cmath>
#include <cstring>
#include <exception>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// Normalized values from a host, brought into 0..1 (not a number: 0), so that
// the SDK's conversions never cast an out-of-range value to an integer.
ParamValue inUnitRange(ParamValue value)
{
	return value >= 0.0 ? std::fmin(value, 1.0) : 0.0;
}

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
	if (FUnknownPrivate::iidEqual(iid, IProcessContextRequirements::iid))
	{
		addRef();
		*obj = static_cast<IProcessContextRequirements*>(this);
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
		sendEditorLifecycle(kEditorOpened); // the same message as when the editor opened
	return kResultOk;
}

ParamValue PLUGIN_API Processor::normalizedParamToPlain(ParamID tag, ParamValue valueNormalized)
{
	return EditControllerEx1::normalizedParamToPlain(tag, inUnitRange(valueNormalized));
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
	return EditControllerEx1::getParamStringByValue(tag, inUnitRange(valueNormalized), string);
}

tresult PLUGIN_API Processor::getParamValueByString(ParamID tag, TChar* string, ParamValue& valueNormalized)
{
	// The SDK's text scanning throws on malformed UTF-16; a host gets a refusal.
	try
	{
		return EditControllerEx1::getParamValueByString(tag, string, valueNormalized);
	}
	catch (const std::exception&)
	{
		return kResultFalse;
	}
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
