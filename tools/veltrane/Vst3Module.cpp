#include "Vst3Module.h"

#include "Text.h"
#include "ToolError.h"

#include "host/HostError.h"

#include "public.sdk/source/vst/utility/stringconvert.h"

#include <iterator>

namespace Veltrane {

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

VeltraneHost::Module loadModule(const std::string& path)
{
	try
	{
		return VeltraneHost::Module::load(path);
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError("cannot load the plug-in '" + path + "': " + error.what());
	}
}

VeltraneHost::PlugInstance createInstance(const VeltraneHost::Module& module, const std::string& path)
{
	try
	{
		return module.createInstance();
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError("cannot start the plug-in '" + path + "': " + error.what());
	}
}

std::string parameterLabel(IEditController& controller, ParamID id, ParamValue normalized)
{
	String128 text{};
	if (controller.getParamStringByValue(id, normalized, text) != kResultOk)
		return formatNumber(controller.normalizedParamToPlain(id, normalized));
	// Bounded: nothing makes a plug-in terminate the strings it fills.
	return VST3::StringConvert::convert(text, std::size(text));
}

} // namespace

Vst3Module::Vst3Module(const std::string& path)
: module(loadModule(path)), instance(createInstance(module, path))
{
}

std::vector<ParameterDescription> describeParameters(IEditController& controller)
{
	std::vector<ParameterDescription> descriptions;
	const int32 count = controller.getParameterCount();
	for (int32 index = 0; index < count; ++index)
	{
		ParameterInfo info{};
		if (controller.getParameterInfo(index, info) != kResultOk)
			continue;
		ParameterDescription description;
		description.id = info.id;
		description.title = VST3::StringConvert::convert(info.title, std::size(info.title));
		description.units = VST3::StringConvert::convert(info.units, std::size(info.units));
		description.minimum = controller.normalizedParamToPlain(info.id, 0.0);
		description.maximum = controller.normalizedParamToPlain(info.id, 1.0);
		description.defaultValue = controller.normalizedParamToPlain(info.id, info.defaultNormalizedValue);
		description.stepCount = info.stepCount;
		description.readOnly = (info.flags & ParameterInfo::kIsReadOnly) != 0;
		if ((info.flags & ParameterInfo::kIsList) && info.stepCount > 0)
		{
			for (int32 step = 0; step <= info.stepCount; ++step)
				description.labels.push_back(
					parameterLabel(controller, info.id, static_cast<double>(step) / info.stepCount));
		}
		descriptions.push_back(std::move(description));
	}
	return descriptions;
}

} // namespace Veltrane
