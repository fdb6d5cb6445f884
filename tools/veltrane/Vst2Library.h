#pragma once

#include "host/SharedLibrary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// fst.h's own name for AEffect. Its header stays out of here because it
// raises #warning wherever it is included.
struct _fstEffect;

namespace Veltrane {

// One instance of a module's VST 2 face, opened through VSTPluginMain as a
// VST 2 host opens it. The instance is closed (effClose) before the library.
// The host side answers as an offline renderer without a transport.
class Vst2Library
{
public:
	// binaryPath: the .so itself. Throws ToolError.
	explicit Vst2Library(const std::string& binaryPath);
	Vst2Library(const Vst2Library&) = delete;
	Vst2Library& operator=(const Vst2Library&) = delete;
	~Vst2Library();

	int parameterCount() const;
	int programCount() const;
	int inputCount() const;
	int outputCount() const;

	std::string parameterName(int index) const;
	// Nothing when the plug-in has no name for the program.
	std::optional<std::string> programName(int index) const;
	void setProgram(int index);
	void setParameter(int index, float normalized);
	// Empty when the plug-in gives no chunk.
	std::vector<std::uint8_t> chunk() const;
	// False when the plug-in refuses the bytes.
	bool setChunk(const std::vector<std::uint8_t>& bytes);

	void setSampleRate(double sampleRate);
	void setBlockSize(int frames);
	void resume();
	void suspend();
	void processReplacing(float** inputs, float** outputs, int frames);

private:
	std::intptr_t dispatch(int opcode, int index = 0, std::intptr_t value = 0, void* ptr = nullptr,
		float opt = 0.0f) const;

	VeltraneHost::SharedLibrary library;
	_fstEffect* effect = nullptr;
};

} // namespace Veltrane
