#include "Vst2Library.h"

#include "ToolError.h"

#include "host/HostError.h"

#include <pluginterfaces/fst/fst.h>

#include <cstring>

namespace Veltrane {

namespace {

using EntryPoint = AEffect* (*)(audioMasterCallback);

// Generous: plug-ins are known to write past the documented 8 and 24 bytes.
constexpr size_t kTextBufferSize = 256;

VstIntPtr answerPlugin(AEffect*, int opcode, int, VstIntPtr, void*, float)
{
	switch (opcode)
	{
		case audioMasterVersion:
			return kVstVersion;
		// Offline like the VST 3 backend, so both faces run the same processing mode.
		case audioMasterGetCurrentProcessLevel:
			return kVstProcessLevelOffline;
		// No time info: the VST 3 backend passes no process context either.
		default:
			return 0;
	}
}

VeltraneHost::SharedLibrary openLibrary(const std::string& binaryPath)
{
	try
	{
		return VeltraneHost::SharedLibrary::open(binaryPath);
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError("cannot load the plug-in '" + binaryPath + "': " + error.what());
	}
}

AEffect* openEffect(const VeltraneHost::SharedLibrary& library)
{
	const auto entry = reinterpret_cast<EntryPoint>(library.symbol("VSTPluginMain"));
	if (!entry)
		throw ToolError("'" + library.path() + "' has no VST 2 face (no VSTPluginMain)");
	AEffect* effect = entry(&answerPlugin);
	if (!effect || effect->magic != kEffectMagic)
		throw ToolError("the VST 2 face of '" + library.path() + "' gave no effect");
	effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
	return effect;
}

std::string textFrom(const char* buffer)
{
	return std::string(buffer, strnlen(buffer, kTextBufferSize));
}

} // namespace

Vst2Library::Vst2Library(const std::string& binaryPath)
: library(openLibrary(binaryPath)), effect(openEffect(library))
{
}

Vst2Library::~Vst2Library()
{
	dispatch(effClose);
}

std::intptr_t Vst2Library::dispatch(int opcode, int index, std::intptr_t value, void* ptr, float opt) const
{
	return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

int Vst2Library::parameterCount() const
{
	return effect->numParams;
}

int Vst2Library::programCount() const
{
	return effect->numPrograms;
}

int Vst2Library::inputCount() const
{
	return effect->numInputs;
}

int Vst2Library::outputCount() const
{
	return effect->numOutputs;
}

std::string Vst2Library::parameterName(int index) const
{
	char name[kTextBufferSize] = {};
	dispatch(effGetParamName, index, 0, name);
	return textFrom(name);
}

std::optional<std::string> Vst2Library::programName(int index) const
{
	char name[kTextBufferSize] = {};
	if (!dispatch(effGetProgramNameIndexed, index, 0, name))
		return std::nullopt;
	return textFrom(name);
}

void Vst2Library::setProgram(int index)
{
	dispatch(effSetProgram, 0, index);
}

void Vst2Library::setParameter(int index, float normalized)
{
	effect->setParameter(effect, index, normalized);
}

std::vector<std::uint8_t> Vst2Library::chunk() const
{
	void* data = nullptr;
	const VstIntPtr size = dispatch(effGetChunk, 0, 0, &data);
	if (size <= 0 || !data)
		return {};
	const auto* bytes = static_cast<const std::uint8_t*>(data);
	return std::vector<std::uint8_t>(bytes, bytes + size);
}

bool Vst2Library::setChunk(const std::vector<std::uint8_t>& bytes)
{
	// effSetChunk takes a non-const pointer; the plug-in gets a copy it may touch.
	std::vector<std::uint8_t> copy = bytes;
	return dispatch(effSetChunk, 0, static_cast<VstIntPtr>(copy.size()), copy.data()) != 0;
}

void Vst2Library::setSampleRate(double sampleRate)
{
	dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
}

void Vst2Library::setBlockSize(int frames)
{
	dispatch(effSetBlockSize, 0, frames);
}

void Vst2Library::resume()
{
	dispatch(effMainsChanged, 0, 1);
}

void Vst2Library::suspend()
{
	dispatch(effMainsChanged, 0, 0);
}

void Vst2Library::processReplacing(float** inputs, float** outputs, int frames)
{
	effect->processReplacing(effect, inputs, outputs, frames);
}

} // namespace Veltrane
