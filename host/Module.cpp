#include "host/Module.h"

#include "host/BundlePath.h"
#include "host/HostError.h"
#include "host/SharedLibrary.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <cstring>
#include <utility>

namespace VeltraneHost {

using Steinberg::IPluginFactory;

namespace {

using ModuleEntryFunction = bool (*)(void*);
using ModuleExitFunction = bool (*)();
using GetFactoryFunction = IPluginFactory* (*)();

template <typename Function>
Function lookUp(const SharedLibrary& library, const char* name)
{
	return reinterpret_cast<Function>(library.symbol(name));
}

} // namespace

struct Module::Loaded
{
	SharedLibrary library;
	ModuleExitFunction moduleExit;
	IPluginFactory* factory;

	Loaded(SharedLibrary&& library, ModuleExitFunction moduleExit, IPluginFactory* factory)
	: library(std::move(library)), moduleExit(moduleExit), factory(factory)
	{
	}
	Loaded(const Loaded&) = delete;
	Loaded& operator=(const Loaded&) = delete;

	// The library member closes after this body has run.
	~Loaded()
	{
		factory->release();
		moduleExit();
	}
};

Module::Module(std::shared_ptr<Loaded> loaded) : loaded(std::move(loaded))
{
}

Module Module::load(const std::string& path)
{
	SharedLibrary library = SharedLibrary::open(resolveModuleBinary(path));
	const std::string& binary = library.path();

	const auto moduleEntry = lookUp<ModuleEntryFunction>(library, "ModuleEntry");
	const auto moduleExit = lookUp<ModuleExitFunction>(library, "ModuleExit");
	if (!moduleEntry)
		throw HostError(binary + " does not export ModuleEntry");
	if (!moduleExit)
		throw HostError(binary + " does not export ModuleExit");
	if (!moduleEntry(library.handle()))
		throw HostError("ModuleEntry of " + binary + " refused to start the module");

	// From here on, every way out must balance the successful ModuleEntry.
	const auto getFactory = lookUp<GetFactoryFunction>(library, "GetPluginFactory");
	IPluginFactory* factory = getFactory ? getFactory() : nullptr;
	if (!factory)
	{
		moduleExit();
		throw HostError(binary + (getFactory ? " returned no plug-in factory" : " does not export GetPluginFactory"));
	}
	return Module(std::make_shared<Loaded>(std::move(library), moduleExit, factory));
}

const std::string& Module::binaryPath() const
{
	return loaded->library.path();
}

IPluginFactory& Module::factory() const
{
	return *loaded->factory;
}

std::vector<ClassInfo> Module::classes() const
{
	std::vector<ClassInfo> result;
	const Steinberg::int32 count = loaded->factory->countClasses();
	for (Steinberg::int32 index = 0; index < count; ++index)
	{
		Steinberg::PClassInfo info;
		if (loaded->factory->getClassInfo(index, &info) != Steinberg::kResultOk)
			continue;
		// The fixed-size fields need not be terminated when full.
		result.push_back({toClassId(info.cid),
			std::string(info.category, strnlen(info.category, sizeof(info.category))),
			std::string(info.name, strnlen(info.name, sizeof(info.name)))});
	}
	return result;
}

PlugInstance Module::createInstance() const
{
	for (const ClassInfo& info : classes())
	{
		if (info.category == kVstAudioEffectClass)
			return createInstance(info.id);
	}
	throw HostError(binaryPath() + " has no class of category " kVstAudioEffectClass);
}

PlugInstance Module::createInstance(const ClassId& classId) const
{
	return PlugInstance(*loaded->factory, classId, loaded);
}

} // namespace VeltraneHost
