#pragma once

#include "RenderBackend.h"

#include "host/clap/ClapHost.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Veltrane {

// The module's CLAP face (clap_entry), loaded as a CLAP host loads it.
// Parameter ids are the CLAP ids, which are the VST 3 ids; values are plain.
class ClapBackend : public RenderBackend
{
public:
	// path: a .clap file, or a .vst3 bundle whose binary carries clap_entry. Throws ToolError.
	explicit ClapBackend(const std::string& path);

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
	// Hands the events to the plug-in outside processing, and the main-thread work it asks for.
	void flush(const VeltraneHost::InputEvents& events);
	std::optional<ParameterDescription> presetParameter() const;

	std::string binaryPath;
	std::unique_ptr<VeltraneHost::ClapLibrary> library;
	VeltraneHost::ClapHostContext host;
	std::unique_ptr<VeltraneHost::ClapInstance> instance;
	std::vector<ParameterDescription> described;
	double sampleRate = 0.0;
	int maxBlock = 0;
	int channelCount = 0;
	VeltraneHost::InputEvents initialChanges; // repeated in the first block, so the plug-in starts on them
	VeltraneHost::InputEvents noEvents;
	VeltraneHost::OutputEvents output;
	bool firstBlock = true;
	std::vector<float> rightInput;
	std::vector<float> rightOutput;
};

} // namespace Veltrane
