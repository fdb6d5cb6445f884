#pragma once

#include "RenderBackend.h"
#include "Vst3Module.h"

#include "host/ProcessBlock.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vsttypes.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrane {

// A VST 3 module loaded through the test host, as a DAW loads it.
class Vst3Backend : public RenderBackend
{
public:
	// path: the .vst3 bundle folder or the binary inside it. Throws ToolError.
	explicit Vst3Backend(const std::string& path);

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
	void runInRealTime() override { processMode = Steinberg::Vst::kRealtime; }
	bool queueEdit(std::uint32_t id, double normalized) override;

	// The instance itself, for what a renderer does not need (the editor).
	VeltraneHost::PlugInstance& instance() { return loaded.instance; }

private:
	std::optional<Steinberg::Vst::ParamID> findPresetParameter() const;
	Steinberg::Vst::ParamID presetParameterId() const; // throws ToolError without one

	Vst3Module loaded;
	std::unique_ptr<VeltraneHost::ProcessBlock> block;
	int channelCount = 0;
	// Normalized values set before start, repeated in the first block so
	// the processor starts on them rather than gliding there.
	std::vector<std::pair<Steinberg::Vst::ParamID, Steinberg::Vst::ParamValue>> initialChanges;
	bool firstBlock = true;
	bool editsQueued = false;
	Steinberg::int32 processMode = Steinberg::Vst::kOffline;
};

} // namespace Veltrane
