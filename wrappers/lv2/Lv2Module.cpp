#include "Lv2Module.h"

#include "Lv2Plugin.h"

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

} // namespace

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
