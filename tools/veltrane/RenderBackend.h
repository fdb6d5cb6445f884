#pragma once

#include "host/ClassId.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Veltrane {

// A parameter as the plug-in reports it, in plain (display) values.
struct ParameterDescription
{
	std::uint32_t id = 0;
	std::string title;
	std::string units;
	double minimum = 0.0;
	double maximum = 1.0;
	double defaultValue = 0.0;
	// 0 = continuous; otherwise the number of steps between minimum and maximum.
	std::int32_t stepCount = 0;
	// The entries of a list parameter, whose plain value is the entry index.
	std::vector<std::string> labels;
	bool readOnly = false;

	bool isList() const { return !labels.empty(); }
};

// One loaded plug-in driven offline, whatever its plug-in format. The call
// order is: configure, then any of loadState / selectPreset / setParameter,
// then start, process repeatedly, stop; saveState works at any point.
// Every failure throws ToolError with a text fit for the user.
class RenderBackend
{
public:
	virtual ~RenderBackend() = default;

	virtual std::vector<ParameterDescription> parameters() const = 0;
	virtual std::vector<std::string> presetNames() const = 0;
	// The VST 3 component class, which preset files name their plug-in by;
	// zero for a face whose state is not the component's.
	virtual VeltraneHost::ClassId classId() const = 0;

	// Main bus of `channels` (1 or 2) in and out, at most maxBlock frames a call.
	virtual void configure(double sampleRate, int channels, int maxBlock) = 0;
	// False when the plug-in refuses the bytes.
	virtual bool loadState(const std::vector<std::uint8_t>& state) = 0;
	virtual std::vector<std::uint8_t> saveState() const = 0;
	virtual void selectPreset(int index) = 0;
	// Given to the plug-in before start and again with the first block, so it starts there.
	virtual void setParameter(std::uint32_t id, double plainValue) = 0;

	virtual void start() = 0;
	// Planar buffers of `channels` channels; inputs may be overwritten.
	virtual void process(float* const* inputs, float* const* outputs, int frames) = 0;
	virtual void stop() = 0;

	// For live audio: process calls come on a real-time thread, so the
	// plug-in is told it runs in real time. Before configure.
	virtual void runInRealTime() {}
	// Real-time safe: a value this face's editor sent (normalized, as the
	// editor reports it), passed to the plug-in with the next process call.
	// False when the face takes no such values or the block has no room left.
	virtual bool queueEdit(std::uint32_t /*id*/, double /*normalized*/) { return false; }
};

} // namespace Veltrane
