// The module's CLAP face: the same class VST 3 hosts see, under a CLAP id
// that never changes.
#include "ProcessorIds.h"

#include "ClapModule.h"

#include "clap/entry.h"
#include "clap/plugin-features.h"

#include "public.sdk/source/main/linuxmain.h"

extern "C" Steinberg::IPluginFactory* PLUGIN_API GetPluginFactory();

namespace {

const char* const kFeatures[] = {
	CLAP_PLUGIN_FEATURE_AUDIO_EFFECT,
	CLAP_PLUGIN_FEATURE_DELAY,
	CLAP_PLUGIN_FEATURE_FILTER,
	CLAP_PLUGIN_FEATURE_STEREO,
	nullptr,
};

const clap_plugin_descriptor_t kDescriptor = {
	CLAP_VERSION_INIT,
	"example.tallowridge.veltranefree",
	"VeltraneFree",
	"Tallow Ridge",
	"",
	"",
	"",
	VELTRANE_VERSION,
	"Stereo filtered delay",
	const_cast<const char**>(kFeatures),
};

const Steinberg::Vst::Clap::Product& product()
{
	static Steinberg::TUID classId;
	static const Steinberg::Vst::Clap::Product product = [] {
		Steinberg::Vst::Doru2VST3::kProcessorUID.toTUID(classId);
		return Steinberg::Vst::Clap::Product {&kDescriptor, &GetPluginFactory, classId};
	}();
	return product;
}

bool entryInit(const char*)
{
	if (!ModuleEntry(nullptr))
		return false;
	if (Steinberg::Vst::Clap::initModule(product()))
		return true;
	ModuleExit();
	return false;
}

void entryDeinit()
{
	Steinberg::Vst::Clap::deinitModule();
	ModuleExit();
}

} // namespace

extern "C" CLAP_EXPORT const clap_plugin_entry_t clap_entry = {
	CLAP_VERSION_INIT,
	entryInit,
	entryDeinit,
	Steinberg::Vst::Clap::moduleFactory,
};
