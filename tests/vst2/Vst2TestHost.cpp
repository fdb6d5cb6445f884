#include "Vst2TestHost.h"

#include <cstring>
#include <stdexcept>

#include <dlfcn.h>

namespace Vst2Test {

std::vector<HostCall>& hostCalls()
{
	static std::vector<HostCall> calls;
	return calls;
}

VstIntPtr hostCallback(AEffect*, int opcode, int index, VstIntPtr, void*, float opt)
{
	if (opcode == audioMasterVersion)
		return kVstVersion;
	// Questions are not recorded: they come from the audio thread too.
	if (opcode == audioMasterGetTime || opcode == audioMasterGetCurrentProcessLevel ||
		opcode == audioMasterGetProductString)
		return 0;
	hostCalls().push_back({opcode, index, opt});
	return 0;
}

VstIntPtr silentCallback(AEffect*, int, int, VstIntPtr, void*, float)
{
	return 0;
}

EntryPoint entryPoint(const char* name)
{
	static void* const library = dlopen(VELTRANE_VST2_BINARY, RTLD_NOW | RTLD_LOCAL);
	if (!library)
		throw std::runtime_error(std::string("cannot load ") + VELTRANE_VST2_BINARY + ": " + dlerror());
	return reinterpret_cast<EntryPoint>(dlsym(library, name));
}

Instance::Instance(audioMasterCallback callback) : effect(entryPoint("VSTPluginMain")(callback))
{
	if (!effect)
		throw std::runtime_error("VSTPluginMain gave no effect");
}

Instance::~Instance()
{
	effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}

VstIntPtr Instance::dispatch(int opcode, int index, VstIntPtr value, void* ptr, float opt) const
{
	return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string Instance::text(int opcode, int index) const
{
	// Filled beyond any limit the plug-in honours, to see where it stops.
	char buffer[256];
	std::memset(buffer, 'x', sizeof(buffer));
	dispatch(opcode, index, 0, buffer);
	return std::string(buffer, strnlen(buffer, sizeof(buffer)));
}

std::vector<unsigned char> Instance::chunk() const
{
	void* data = nullptr;
	const VstIntPtr size = dispatch(effGetChunk, 0, 0, &data);
	if (size <= 0 || !data)
		return {};
	const auto* bytes = static_cast<const unsigned char*>(data);
	return std::vector<unsigned char>(bytes, bytes + size);
}

VstIntPtr Instance::setChunk(const std::vector<unsigned char>& bytes) const
{
	std::vector<unsigned char> copy = bytes; // the host's buffer, not ours
	return dispatch(effSetChunk, 0, static_cast<VstIntPtr>(copy.size()), copy.data());
}

void Instance::resume(double sampleRate, int blockSize) const
{
	dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
	dispatch(effSetBlockSize, 0, blockSize);
	dispatch(effMainsChanged, 0, 1);
}

void Instance::suspend() const
{
	dispatch(effMainsChanged, 0, 0);
}

void Instance::process(std::vector<float>& left, std::vector<float>& right) const
{
	std::vector<float> inLeft = left, inRight = right;
	float* inputs[2] = {inLeft.data(), inRight.data()};
	float* outputs[2] = {left.data(), right.data()};
	effect->processReplacing(effect, inputs, outputs, static_cast<int>(left.size()));
}

} // namespace Vst2Test
