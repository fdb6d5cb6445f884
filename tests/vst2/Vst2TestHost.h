// A minimal VST 2 host for the tests: loads the module's VST 2 face as a
// host does and records what the plug-in tells it.
#pragma once

#include "public.sdk/source/vst/vst2wrapper/vst2interface.h"

#include <string>
#include <vector>

namespace Vst2Test {

// What the plug-in sent through the host callback.
struct HostCall
{
	int opcode;
	int index;
	float opt;
};

// The host callback the tests hand to VSTPluginMain. It answers
// audioMasterVersion with 2400 and records every other call.
VstIntPtr hostCallback(AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr, float opt);
// A callback that answers nothing, as a non-VST-2 caller would.
VstIntPtr silentCallback(AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr, float opt);
std::vector<HostCall>& hostCalls();

using EntryPoint = AEffect* (*)(audioMasterCallback);

// The module's .so, opened once for the whole test run (hosts keep it open
// while instances live; closing it here would gain nothing).
EntryPoint entryPoint(const char* name);

// One instance, closed with effClose when it goes.
class Instance
{
public:
	explicit Instance(audioMasterCallback callback = &hostCallback);
	~Instance();
	Instance(const Instance&) = delete;
	Instance& operator=(const Instance&) = delete;

	AEffect* operator->() const { return effect; }
	AEffect* get() const { return effect; }

	VstIntPtr dispatch(int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f) const;
	// effGetParamName / effGetParamLabel / effGetParamDisplay, effGetProgramNameIndexed, ...
	std::string text(int opcode, int index = 0) const;
	std::vector<unsigned char> chunk() const;
	VstIntPtr setChunk(const std::vector<unsigned char>& bytes) const;
	void resume(double sampleRate, int blockSize) const;
	void suspend() const;
	// processReplacing on stereo buffers (input replaced by the output).
	void process(std::vector<float>& left, std::vector<float>& right) const;

private:
	AEffect* effect;
};

} // namespace Vst2Test
