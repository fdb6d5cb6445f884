// What a plug-in supplies to be offered to VST 2 hosts: vstpluginmain.cpp
// calls it once the host and the module are ready.
#pragma once

#include "vst2interface.h"

// The new instance's AEffect, or null; Steinberg::Vst::Vst2Wrapper::create
// makes one from a VST 3 class.
::AEffect* createEffectInstance(audioMasterCallback audioMaster);
