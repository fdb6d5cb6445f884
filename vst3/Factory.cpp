// The module's outer skin: the class id, the factory hosts ask for, and the
// module hooks.
#include "Processor.h"
#include "ProcessorIds.h"
#include "ResidentLibraries.h"
#include "SharedDescription.h"

#include "pluginterfaces/base/fplatform.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vsttypes.h"
#include "public.sdk/source/main/linuxmain.h"
#include "public.sdk/source/main/pluginfactoryvst3.h"

#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

const FUID kProcessorUID(0xFFFFFFA8, 0xFFFFFFFA, 0xFFFFFFB3, 0xFFFFFFF0);

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg

using namespace Steinberg;

bool InitModule()
{
	Vst::Doru2VST3::keepDrawingLibrariesLoaded();
	return true;
}

bool DeinitModule()
{
	// The editor's pictures stay decoded between openings, until the host unloads the module.
	Vst::Doru2VST3::releaseSharedDescriptions();
	return true;
}

namespace {

const PFactoryInfo& factoryInfo()
{
	static const PFactoryInfo info("Tallow Ridge", "", "", PFactoryInfo::kUnicode);
	return info;
}

const PClassInfo2& processorClassInfo()
{
	static const PClassInfo2 info = [] {
		PClassInfo2 classInfo; // its constructor zero-fills every field
		Vst::Doru2VST3::kProcessorUID.toTUID(classInfo.cid);
		classInfo.cardinality = PClassInfo::kManyInstances;
		std::strncpy(classInfo.category, kVstAudioEffectClass, PClassInfo::kCategorySize - 1);
		std::strncpy(classInfo.name, "VeltraneFree", PClassInfo::kNameSize - 1);
		classInfo.classFlags = 0;
		std::strncpy(classInfo.subCategories, Vst::PlugType::kFx, PClassInfo2::kSubCategoriesSize - 1);
		std::strncpy(classInfo.version, "1.0.0.0", PClassInfo2::kVersionSize - 1);
		std::strncpy(classInfo.sdkVersion, kVstVersionString, PClassInfo2::kVersionSize - 1);
		return classInfo;
	}();
	return info;
}

} // namespace

// The first call is expected before any concurrent use.
extern "C" SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()
{
	if (gPluginFactory)
	{
		gPluginFactory->addRef();
		return gPluginFactory;
	}
	auto* factory = new CPluginFactory(factoryInfo());
	factory->registerClass(&processorClassInfo(), &Vst::Doru2VST3::Processor::createInstance, nullptr);
	gPluginFactory = factory;
	return factory;
}
