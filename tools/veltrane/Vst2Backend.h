#pragma once

#include "RenderBackend.h"
#include "Vst2Library.h"
#include "Vst3Module.h"

#include <map>
#include <string>
#include <vector>

namespace Veltrane {

// The module's VST 2 face (VSTPluginMain) does the work: presets, state and
// audio go through it alone. VST 2 has no ranges, units or plain values, so
// the same binary's VST 3 face is loaded beside it only to describe the
// parameters and convert plain values to normalized ones; the two faces
// are matched by parameter title. Parameter ids are the VST 3 ids.
class Vst2Backend : public RenderBackend
{
public:
	// path: the .vst3 bundle folder or the binary inside it. Throws ToolError.
	explicit Vst2Backend(const std::string& path);

	std::vector<ParameterDescription> parameters() const override;
	std::vector<std::string> presetNames() const override;
	VeltraneHost::ClassId classId() const override;

	void configure(double sampleRate, int channels, int maxBlock) override;
	bool loadState(const std::vector<std::uint8_t>& state) override;
	std::vector<std::uint8_t> saveState() const override;
	void selectPreset(int index) override;
	void setParameter(std::uint32_t id, double plainValue) override;

	void start() override;
	void process(float* const* inputs, float* const* outputs, int frames) override;
	void stop() override;

private:
	void matchParameters();

	// Declared first so it goes last: the effect is closed before its describer.
	Vst3Module describer;
	Vst2Library face;
	std::vector<ParameterDescription> described;
	std::map<std::uint32_t, int> vst2IndexById;
	int channelCount = 0;
	// The face is always stereo: a mono input is doubled into the right
	// input, and the right output lands here and is dropped.
	std::vector<float> rightInput;
	std::vector<float> rightOutput;
};

} // namespace Veltrane
