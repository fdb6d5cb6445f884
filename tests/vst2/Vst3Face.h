// The same module loaded through its VST 3 face, as the reference the VST 2
// face is held to.
#pragma once

#include "host/Module.h"
#include "host/PlugInstance.h"

#include <vector>

namespace Vst2Test {

struct Vst3Face
{
	Vst3Face() : module(VeltraneHost::Module::load(VELTRANE_BUNDLE)), instance(module.createInstance()) {}

	VeltraneHost::Module module;
	VeltraneHost::PlugInstance instance;
};

// Noise with a few full-scale clicks, the same for every run.
std::vector<float> testSignal(int length, unsigned seed);

} // namespace Vst2Test
