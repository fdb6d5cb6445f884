// The LV2 entry of a module that carries one VST 3 single-component class:
// a product names its plug-in URI and class, and its lv2_descriptor answers
// with descriptor().
#pragma once

#include "lv2/core/lv2.h"
#include "lv2/ui/ui.h"

#include "pluginterfaces/base/ipluginbase.h"

namespace Steinberg {
namespace Vst {
namespace Lv2 {

struct Product
{
	const char* uri;
	const char* uiUri; // the X11 UI embedding the component's editor
	// A new reference to the module's VST 3 factory.
	IPluginFactory* (*vst3Factory)();
	// The 16 bytes of the VST 3 class id.
	const char* classId;
	// The module's own entry and exit (ModuleEntry/ModuleExit), run around
	// the first and last instance, as LV2 has no module-wide calls of its own.
	bool (*enterModule)();
	void (*leaveModule)();
};

// The descriptor of the product's one plug-in; the product outlives every instance.
const LV2_Descriptor* descriptor(const Product& product);
const LV2UI_Descriptor* uiDescriptor(const Product& product);

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
