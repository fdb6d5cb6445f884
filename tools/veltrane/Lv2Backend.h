#pragma once

#include "RenderBackend.h"

#include "host/lv2/Lv2Host.h"

#include <memory>
#include <string>
#include <vector>

namespace Veltrane {

// The module's LV2 face, loaded through lilv as LV2 hosts load it.
// Parameters are the LV2 control ports (ids are port indices), in plain
// values; the state is the lilv state of the port values (Turtle text).
class Lv2Backend : public RenderBackend
{
public:
	// path: an .lv2 bundle folder, or a .vst3 bundle with the LV2 bundle
	// beside it; otherwise the plug-in is looked up on the LV2 path. Throws ToolError.
	explicit Lv2Backend(const std::string& path);

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
	VeltraneHost::Lv2Instance& configured() const;

	std::unique_ptr<VeltraneHost::Lv2World> world;
	std::vector<VeltraneHost::Lv2Port> ports;
	std::vector<std::pair<std::string, std::string>> presets;
	std::unique_ptr<VeltraneHost::Lv2Instance> instance;
	int channelCount = 0;
	std::vector<float> rightInput;
	std::vector<float> rightOutput;
};

} // namespace Veltrane
