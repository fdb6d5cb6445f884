#pragma once

#include "RenderBackend.h"

#include "host/Module.h"
#include "host/PlugInstance.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <string>
#include <vector>

namespace Veltrane {

// A VST 3 module and one instance of its effect, with load failures told
// as ToolError naming the path the user gave.
struct Vst3Module
{
	// path: the .vst3 bundle folder or the binary inside it.
	explicit Vst3Module(const std::string& path);

	VeltraneHost::Module module;
	VeltraneHost::PlugInstance instance;
};

// Every parameter the controller lists, in its order, in plain values.
std::vector<ParameterDescription> describeParameters(Steinberg::Vst::IEditController& controller);

} // namespace Veltrane
