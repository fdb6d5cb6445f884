// The VST 2 entry point of the module, under both names hosts look for.
#include "vst2pluginentry.h"

#include "public.sdk/source/main/linuxmain.h"

extern "C" {

__attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
	if (!audioMaster)
		return nullptr;
	// A host that does not answer its version is not a VST 2 host.
	if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
		return nullptr;
	if (!InitModule())
		return nullptr;
	return createEffectInstance(audioMaster);
}

// Older hosts look for this name.
__attribute__((visibility("default"), alias("VSTPluginMain"))) AEffect* MAIN(audioMasterCallback audioMaster);

} // extern "C"
