#include "Lv2Module.h"

#include "Lv2Plugin.h"
#include "Lv2Ui.h"

#include <cstring>
#include <mutex>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

namespace {

std::mutex moduleMutex;
int instanceCount = 0;
const Product* current = nullptr;
IPluginFactory* vst3Factory = nullptr;

// The VST 3 factory is held while any instance lives.
bool enter()
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	if (instanceCount > 0)
		return ++instanceCount, true;
	if (!current->enterModule())
		return false;
	vst3Factory = current->vst3Factory();
	if (!vst3Factory)
	{
		current->leaveModule();
		return false;
	}
	++instanceCount;
	return true;
}

void leave()
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	if (instanceCount == 0 || --instanceCount > 0)
		return;
	vst3Factory->release();
	vst3Factory = nullptr;
	current->leaveModule();
}

Plugin* self(LV2_Handle handle)
{
	return static_cast<Plugin*>(handle);
}

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const* features)
{
	if (!enter())
		return nullptr;
	Plugin* plugin = Plugin::create(vst3Factory, current->classId, rate, features);
	if (!plugin)
		leave();
	return plugin;
}

void cleanup(LV2_Handle handle)
{
	delete self(handle);
	leave();
}

LV2_Descriptor table = {
	nullptr,
	instantiate,
	[](LV2_Handle handle, uint32_t port, void* data) { self(handle)->connect(port, data); },
	[](LV2_Handle handle) { self(handle)->activate(); },
	[](LV2_Handle handle, uint32_t frames) { self(handle)->run(frames); },
	[](LV2_Handle handle) { self(handle)->deactivate(); },
	cleanup,
	[](const char*) -> const void* { return nullptr; },
};

Ui* ui(LV2UI_Handle handle)
{
	return static_cast<Ui*>(handle);
}

LV2UI_Handle instantiateUi(const LV2UI_Descriptor*, const char*, const char*, LV2UI_Write_Function write,
	LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features)
{
	if (!enter())
		return nullptr;
	Ui* created = Ui::create(vst3Factory, current->classId, write, controller, widget, features);
	if (!created)
		leave();
	return created;
}

const LV2UI_Idle_Interface idleInterface = {[](LV2UI_Handle handle) { return ui(handle)->idle(); }};
const LV2UI_Resize resizeInterface = {nullptr, [](LV2UI_Feature_Handle handle, int width, int height) {
	return ui(handle)->resizeTo(width, height);
}};

LV2UI_Descriptor uiTable = {
	nullptr,
	instantiateUi,
	[](LV2UI_Handle handle) {
		delete ui(handle);
		leave();
	},
	[](LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
		ui(handle)->portEvent(port, size, format, buffer);
	},
	[](const char* uri) -> const void* {
		if (uri && std::strcmp(uri, LV2_UI__idleInterface) == 0)
			return &idleInterface;
		if (uri && std::strcmp(uri, LV2_UI__resize) == 0)
			return &resizeInterface;
		return nullptr;
	},
};

} // namespace

const LV2UI_Descriptor* uiDescriptor(const Product& product)
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	current = &product;
	uiTable.URI = product.uiUri;
	return &uiTable;
}

const LV2_Descriptor* descriptor(const Product& product)
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	current = &product;
	table.URI = product.uri;
	return &table;
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
