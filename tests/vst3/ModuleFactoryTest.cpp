// The module as a host first meets it: its exports, its factory and the
// class it offers.
#include "ElfExports.h"
#include "ModuleTestSupport.h"

#include "host/BundlePath.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace ModuleTest {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

using GetFactoryFunction = IPluginFactory* (*)();
using HookFunction = bool (*)();

// A second handle on the module the Module object already loaded.
class ModuleHandle
{
public:
	explicit ModuleHandle(const std::string& path) : handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
	~ModuleHandle()
	{
		if (handle)
			dlclose(handle);
	}
	ModuleHandle(const ModuleHandle&) = delete;
	ModuleHandle& operator=(const ModuleHandle&) = delete;

	void* symbol(const char* name) const { return dlsym(handle, name); }
	template <typename Function>
	Function function(const char* name) const { return reinterpret_cast<Function>(symbol(name)); }

	void* handle;
};

std::string field(const char8* text, size_t size)
{
	return std::string(text, strnlen(text, size));
}

PClassInfo2 onlyClassInfo(IPluginFactory& factory)
{
	FUnknownPtr<IPluginFactory2> factory2(&factory);
	PClassInfo2 info{};
	EXPECT_TRUE(factory2);
	if (factory2)
	{
		EXPECT_EQ(factory2->getClassInfo2(0, &info), kResultOk);
	}
	return info;
}

FUnknown* identityOf(FUnknown* face)
{
	FUnknown* identity = nullptr;
	if (face && face->queryInterface(FUnknown::iid, reinterpret_cast<void**>(&identity)) == kResultOk && identity)
		identity->release();
	return identity;
}

TEST(ModuleFactory, ExportsOnlyTheEntryPoints)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	EXPECT_EQ(definedDynamicSymbols(module.binaryPath()),
	          (std::set<std::string>{"ExitDll", "GetPluginFactory", "InitDll", "MAIN", "ModuleEntry", "ModuleExit",
	                                 "VSTPluginMain", "clap_entry", "lv2_descriptor", "lv2ui_descriptor"}));

	const ModuleHandle library(module.binaryPath());
	ASSERT_NE(library.handle, nullptr) << dlerror();
	for (const char* name : {"GetPluginFactory", "InitDll", "ExitDll", "ModuleEntry", "ModuleExit", "VSTPluginMain"})
		EXPECT_NE(library.symbol(name), nullptr) << name;
	// The VST 2 entry under its old name too.
	EXPECT_EQ(library.symbol("MAIN"), library.symbol("VSTPluginMain"));
	// The module's own hooks, its class and the SDK classes stay inside.
	for (const char* name : {"_Z10InitModulev", "_Z12DeinitModulev", "moduleHandle",
	                         "_ZN9Steinberg3Vst9Doru2VST39Processor14createInstanceEPv",
	                         "_ZN9Steinberg3Vst9Doru2VST313kProcessorUIDE", "_ZTIN9Steinberg14CPluginFactoryE"})
		EXPECT_EQ(library.symbol(name), nullptr) << name;
}

TEST(ModuleFactory, OldStyleHooksSucceed)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	const ModuleHandle library(module.binaryPath());
	const auto initDll = library.function<HookFunction>("InitDll");
	const auto exitDll = library.function<HookFunction>("ExitDll");
	ASSERT_TRUE(initDll && exitDll);
	EXPECT_TRUE(initDll());
	EXPECT_TRUE(exitDll());
}

TEST(ModuleFactory, FactoryNamesTheVendor)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	PFactoryInfo info{};
	ASSERT_EQ(module.factory().getFactoryInfo(&info), kResultOk);
	EXPECT_EQ(field(info.vendor, sizeof(info.vendor)), "Tallow Ridge");
	EXPECT_EQ(field(info.url, sizeof(info.url)), "");
	EXPECT_EQ(field(info.email, sizeof(info.email)), "");
	EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
	EXPECT_EQ(info.flags, 16);
}

TEST(ModuleFactory, OffersOneEffectClass)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	IPluginFactory& factory = module.factory();
	ASSERT_EQ(factory.countClasses(), 1);

	const PClassInfo2 info = onlyClassInfo(factory);
	EXPECT_EQ(info.cardinality, 0x7FFFFFFF);
	EXPECT_EQ(field(info.category, sizeof(info.category)), "Audio Module Class");
	EXPECT_EQ(field(info.name, sizeof(info.name)), "VeltraneFree");
	EXPECT_EQ(info.classFlags, 0u);
	EXPECT_EQ(field(info.subCategories, sizeof(info.subCategories)), "Fx");
	EXPECT_EQ(field(info.vendor, sizeof(info.vendor)), "");
	EXPECT_EQ(field(info.version, sizeof(info.version)), "1.0.0.0");
	EXPECT_EQ(field(info.sdkVersion, sizeof(info.sdkVersion)), "VST 3.7.2");

	// The plain and the Unicode queries describe the same class.
	PClassInfo plain{};
	ASSERT_EQ(factory.getClassInfo(0, &plain), kResultOk);
	EXPECT_EQ(std::memcmp(plain.cid, info.cid, sizeof(TUID)), 0);
	EXPECT_EQ(field(plain.name, sizeof(plain.name)), "VeltraneFree");
	FUnknownPtr<IPluginFactory3> factory3(&factory);
	ASSERT_TRUE(factory3);
	PClassInfoW wide{};
	ASSERT_EQ(factory3->getClassInfoUnicode(0, &wide), kResultOk);
	EXPECT_EQ(std::memcmp(wide.cid, info.cid, sizeof(TUID)), 0);
	EXPECT_EQ(toAscii(wide.name), "VeltraneFree");
	EXPECT_EQ(toAscii(wide.version), "1.0.0.0");

	EXPECT_NE(factory.getClassInfo(1, &plain), kResultOk);
}

TEST(ModuleFactory, ClassIdIsTheRegisteredOne)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	const FUID id = FUID::fromTUID(onlyClassInfo(module.factory()).cid);
	EXPECT_EQ(id.getLong1(), 0xFFFFFFA8u);
	EXPECT_EQ(id.getLong2(), 0xFFFFFFFAu);
	EXPECT_EQ(id.getLong3(), 0xFFFFFFB3u);
	EXPECT_EQ(id.getLong4(), 0xFFFFFFF0u);
	char8 registry[40] = {};
	id.toRegistryString(registry);
	EXPECT_STREQ(registry, "{FFFFFFA8-FFFF-FFFA-FFFF-FFB3FFFFFFF0}");
}

TEST(ModuleFactory, HandsOutOneFactoryWithOneMoreReferencePerCall)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	const ModuleHandle library(module.binaryPath());
	const auto getFactory = library.function<GetFactoryFunction>("GetPluginFactory");
	ASSERT_NE(getFactory, nullptr);

	IPluginFactory* first = getFactory();
	const uint32 afterFirst = first->addRef();
	first->release();
	IPluginFactory* second = getFactory();
	EXPECT_EQ(second, first);
	EXPECT_EQ(second->addRef(), afterFirst + 1);
	second->release();
	second->release();
	first->release();
}

// A host may release the factory and ask again while the module stays
// loaded (another handle holds it); it must get a live factory.
TEST(ModuleFactory, AFactoryReleasedToTheEndIsMadeAfresh)
{
	const ModuleHandle library(VeltraneHost::resolveModuleBinary(bundlePath()));
	ASSERT_NE(library.handle, nullptr) << dlerror();
	const auto moduleEntry = library.function<bool (*)(void*)>("ModuleEntry");
	const auto moduleExit = library.function<HookFunction>("ModuleExit");
	const auto getFactory = library.function<GetFactoryFunction>("GetPluginFactory");
	ASSERT_TRUE(moduleEntry && moduleExit && getFactory);
	ASSERT_TRUE(moduleEntry(library.handle));

	getFactory()->release(); // the last reference: this factory is gone
	IPluginFactory* again = getFactory();
	ASSERT_NE(again, nullptr);
	EXPECT_EQ(again->addRef(), 2u);
	EXPECT_EQ(again->countClasses(), 1);
	again->release();
	again->release();
	EXPECT_TRUE(moduleExit());
}

TEST(ModuleFactory, InstanceFacesBelongToOneObject)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	const PClassInfo2 info = onlyClassInfo(module.factory());
	void* object = nullptr;
	ASSERT_EQ(module.factory().createInstance(info.cid, IComponent::iid, &object), kResultOk);
	ASSERT_NE(object, nullptr);
	const IPtr<IComponent> component(static_cast<IComponent*>(object), false);
	ASSERT_EQ(component->initialize(nullptr), kResultOk);

	const FUnknownPtr<IAudioProcessor> processor(component);
	const FUnknownPtr<IEditController> controller(component);
	const FUnknownPtr<IMidiMapping> midiMapping(component);
	const FUnknownPtr<IUnitInfo> units(component);
	ASSERT_TRUE(processor && controller && midiMapping && units);
	FUnknown* identity = identityOf(component);
	ASSERT_NE(identity, nullptr);
	EXPECT_EQ(identityOf(processor), identity);
	EXPECT_EQ(identityOf(controller), identity);
	EXPECT_EQ(identityOf(midiMapping), identity);
	EXPECT_EQ(identityOf(units), identity);

	// One object is component and controller: there is no peer to connect.
	void* connection = nullptr;
	const tresult answer = component->queryInterface(IConnectionPoint::iid, &connection);
	EXPECT_EQ(answer, kNoInterface);
	if (answer == kResultOk && connection)
		static_cast<IConnectionPoint*>(connection)->release();

	EXPECT_EQ(component->terminate(), kResultOk);
}

// SDK 3.7 validators fail a processor that does not say which context fields
// it needs; it reads the tempo and the time signature (the project time in
// samples is always valid).
TEST(ModuleFactory, ProcessorNamesTheContextFieldsItReads)
{
	PlugIn plugIn;
	const FUnknownPtr<IProcessContextRequirements> requirements(&plugIn.instance.processor());
	ASSERT_TRUE(requirements);
	EXPECT_EQ(identityOf(requirements), identityOf(&plugIn.instance.component()));
	EXPECT_EQ(requirements->getProcessContextRequirements(),
	          static_cast<uint32>(IProcessContextRequirements::kNeedTempo | IProcessContextRequirements::kNeedTimeSignature));
}

TEST(ModuleFactory, RefusesOtherClassIds)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	TUID other = {};
	void* object = reinterpret_cast<void*>(&other);
	EXPECT_NE(module.factory().createInstance(other, IComponent::iid, &object), kResultOk);
	EXPECT_EQ(object, nullptr);
}

TEST(ModuleFactory, InstancesAreIndependent)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	VeltraneHost::PlugInstance first = module.createInstance();
	VeltraneHost::PlugInstance second = module.createInstance();
	EXPECT_TRUE(first.controllerIsComponent());

	StateFields changed;
	changed.floats[0] = 1234.5f;
	changed.bypass = 1;
	ASSERT_EQ(first.setState(encodeState(changed)), kResultOk);
	EXPECT_EQ(first.getState(), encodeState(changed));
	EXPECT_EQ(second.getState(), encodeState(StateFields{}));
}

} // namespace
} // namespace ModuleTest
