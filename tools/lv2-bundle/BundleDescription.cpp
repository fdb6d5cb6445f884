#include "BundleDescription.h"

#include "common/HostedComponent.h"

#include "host/Module.h"

#include "lv2/core/lv2.h"
#include "lv2/ui/ui.h"

#include "pluginterfaces/base/futils.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

using namespace Steinberg;

struct IgnoreEdits final : Vst::Wrappers::HostedComponent::Listener
{
	void onBeginEdit(Vst::ParamID) override {}
	void onPerformEdit(Vst::ParamID, Vst::ParamValue) override {}
	void onEndEdit(Vst::ParamID) override {}
	void onRestartComponent(int32) override {}
};

// The URIs are the ones the module's own lv2_descriptor and lv2ui_descriptor answer with.
void readUris(const std::string& binary, BundleDescription& description)
{
	void* handle = dlopen(binary.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!handle)
		throw std::runtime_error(std::string("cannot load the module: ") + dlerror());
	auto* entry = reinterpret_cast<LV2_Descriptor_Function>(dlsym(handle, "lv2_descriptor"));
	const LV2_Descriptor* descriptor = entry ? entry(0) : nullptr;
	description.uri = descriptor && descriptor->URI ? descriptor->URI : "";
	auto* uiEntry = reinterpret_cast<LV2UI_DescriptorFunction>(dlsym(handle, "lv2ui_descriptor"));
	const LV2UI_Descriptor* ui = uiEntry ? uiEntry(0) : nullptr;
	description.uiUri = ui && ui->URI ? ui->URI : "";
	dlclose(handle);
	if (description.uri.empty())
		throw std::runtime_error("the module has no LV2 entry (lv2_descriptor)");
}

void readFactory(IPluginFactory& factory, const TUID classId, BundleDescription& description)
{
	PFactoryInfo info {};
	if (factory.getFactoryInfo(&info) == kResultOk)
		description.vendor = info.vendor;
	FUnknownPtr<IPluginFactory2> factory2(&factory);
	for (int32 i = 0; factory2 && i < factory.countClasses(); ++i)
	{
		PClassInfo2 classInfo {};
		if (factory2->getClassInfo2(i, &classInfo) != kResultOk || std::memcmp(classInfo.cid, classId, sizeof(TUID)) != 0)
			continue;
		description.name = classInfo.name;
		int major = 0, minor = 0, micro = 0;
		if (std::sscanf(classInfo.version, "%d.%d.%d", &major, &minor, &micro) >= 2)
			description.minorVersion = minor, description.microVersion = micro;
	}
}

void readPresets(Vst::IEditController& controller, BundleDescription& description)
{
	const Vst::Wrappers::ParameterTable& table = *description.table;
	const int32 programIndex = table.programChangeIndex();
	if (programIndex < 0)
		return;
	const Vst::Wrappers::ParameterEntry& program = table.at(programIndex);
	for (size_t p = 0; p < table.programNames().size(); ++p)
	{
		// Each program as the controller sets it when a host picks it.
		controller.setParamNormalized(program.id, ToNormalized<Vst::ParamValue>(static_cast<int32>(p), program.stepCount));
		PresetDescription preset;
		preset.name = table.programNames()[p];
		for (const Vst::Lv2::ControlPort& port : description.layout->controls())
		{
			if (port.enabled)
				continue; // a preset leaves the plug-in on or off as it was
			const Vst::ParamID id = table.at(port.parameter).id;
			const double plain = controller.normalizedParamToPlain(id, controller.getParamNormalized(id));
			preset.portValues[port.index] = Vst::Lv2::PortLayout::portValue(port, plain);
		}
		description.presets.push_back(std::move(preset));
	}
}

} // namespace

BundleDescription describeModule(const std::string& vst3Bundle)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(vst3Bundle);
	BundleDescription description;
	readUris(module.binaryPath(), description);
	description.binaryName = std::filesystem::path(module.binaryPath()).filename().string();

	TUID classId {};
	bool found = false;
	for (const VeltraneHost::ClassInfo& info : module.classes())
		if (!found && info.category == kVstAudioEffectClass)
		{
			std::copy(info.id.begin(), info.id.end(), classId);
			found = true;
		}
	if (!found)
		throw std::runtime_error("the module carries no audio effect class");
	readFactory(module.factory(), classId, description);

	static IgnoreEdits listener;
	auto hosted = Vst::Wrappers::HostedComponent::create(&module.factory(), classId, "lv2-bundle", &listener);
	if (!hosted)
		throw std::runtime_error("the module's audio effect class would not come up");
	description.table = std::make_unique<Vst::Wrappers::ParameterTable>(hosted->controller(), hosted->midiMapping(),
		hosted->unitInfo());
	description.layout = std::make_unique<Vst::Lv2::PortLayout>(*description.table, hosted->inputChannels(),
		hosted->outputChannels());
	readPresets(hosted->controller(), description);
	return description;
}
