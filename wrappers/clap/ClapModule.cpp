#include "ClapModule.h"

#include "ClapPlugin.h"

#include <cstring>
#include <mutex>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

std::mutex moduleMutex;
int entryCount = 0;
const Product* current = nullptr;
IPluginFactory* vst3Factory = nullptr;

uint32_t pluginCount(const clap_plugin_factory_t*)
{
	return current ? 1 : 0;
}

const clap_plugin_descriptor_t* pluginDescriptor(const clap_plugin_factory_t*, uint32_t index)
{
	return current && index == 0 ? current->descriptor : nullptr;
}

const clap_plugin_t* createPlugin(const clap_plugin_factory_t*, const clap_host_t* host, const char* pluginId)
{
	if (!current || !host || !pluginId || std::strcmp(pluginId, current->descriptor->id) != 0 ||
		!clap_version_is_compatible(host->clap_version))
		return nullptr;
	return Plugin::create(host, current->descriptor, vst3Factory, current->classId);
}

const clap_plugin_factory_t pluginFactory = {pluginCount, pluginDescriptor, createPlugin};

} // namespace

bool initModule(const Product& product)
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	if (entryCount > 0)
	{
		++entryCount;
		return true;
	}
	vst3Factory = product.vst3Factory();
	if (!vst3Factory)
		return false;
	current = &product;
	++entryCount;
	return true;
}

void deinitModule()
{
	std::lock_guard<std::mutex> lock(moduleMutex);
	if (entryCount == 0 || --entryCount > 0)
		return;
	current = nullptr;
	vst3Factory->release();
	vst3Factory = nullptr;
}

const void* moduleFactory(const char* factoryId)
{
	if (!factoryId || std::strcmp(factoryId, CLAP_PLUGIN_FACTORY_ID) != 0)
		return nullptr;
	return &pluginFactory;
}

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
