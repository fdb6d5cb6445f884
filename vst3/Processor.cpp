#include "Processor.h"

#include "ZuVurazOva.h"

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

IPlugView* PLUGIN_API Processor::createView(FIDString)
{
	return nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
