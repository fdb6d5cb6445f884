// The CLAP entry of a module that carries one VST 3 single-component class:
// a product names its descriptor and class, and its clap_entry calls these.
#pragma once

#include "clap/plugin-factory.h"

#include "pluginterfaces/base/ipluginbase.h"

namespace Steinberg {
namespace Vst {
namespace Clap {

struct Product
{
	const clap_plugin_descriptor_t* descriptor;
	// A new reference to the module's VST 3 factory.
	IPluginFactory* (*vst3Factory)();
	// The 16 bytes of the VST 3 class id.
	const char* classId;
};

// clap_entry's init, deinit and get_factory. init keeps the VST 3 factory
// until deinit; calls are counted, so nested init/deinit pairs are fine.
bool initModule(const Product& product);
void deinitModule();
const void* moduleFactory(const char* factoryId);

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
