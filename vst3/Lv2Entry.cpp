// The module's LV2 face: the same class VST 3 hosts see, under an LV2 URI
// that never changes (hosts store it in their sessions).
#include "ProcessorIds.h"

#include "Lv2Module.h"

#include "public.sdk/source/main/linuxmain.h"

extern "C" Steinberg::IPluginFactory* PLUGIN_API GetPluginFactory();

namespace {

const Steinberg::Vst::Lv2::Product& product()
{
	static Steinberg::TUID classId;
	static const Steinberg::Vst::Lv2::Product product = [] {
		Steinberg::Vst::Doru2VST3::kProcessorUID.toTUID(classId);
		return Steinberg::Vst::Lv2::Product {"urn:tallowridge:veltranefree", "urn:tallowridge:veltranefree#ui",
			&GetPluginFactory, classId,
			[] { return ModuleEntry(nullptr); }, [] { ModuleExit(); }};
	}();
	return product;
}

} // namespace

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
	return index == 0 ? Steinberg::Vst::Lv2::descriptor(product()) : nullptr;
}

extern "C" LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index)
{
	return index == 0 ? Steinberg::Vst::Lv2::uiDescriptor(product()) : nullptr;
}
