// The module's VST 2 face: the same class VST 3 hosts see.
#include "ProcessorIds.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "public.sdk/source/vst/vst2wrapper/vst2pluginentry.h"
#include "public.sdk/source/vst/vst2wrapper/vst2wrapper.h"

::AEffect* createEffectInstance(audioMasterCallback audioMaster)
{
	using namespace Steinberg;
	// One reference held until the module is unloaded: VST 2 hosts have no
	// exit call, and the factory must outlive every instance they close.
	static const IPtr<IPluginFactory> factory = owned(GetPluginFactory());
	return Vst::Vst2Wrapper::create(factory, Vst::Doru2VST3::kProcessorUID.toTUID(), Vst::Doru2VST3::kVst2UniqueId,
		audioMaster);
}
