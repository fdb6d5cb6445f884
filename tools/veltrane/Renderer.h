#pragma once

#include "RenderBackend.h"

#include <cstdint>
#include <functional>

namespace Veltrane {

// Interleaved frames in; fewer than asked means the input has ended.
class FrameSource
{
public:
	virtual ~FrameSource() = default;
	virtual std::int64_t read(float* interleaved, std::int64_t frames) = 0;
};

// Interleaved frames out, in order.
class FrameSink
{
public:
	virtual ~FrameSink() = default;
	virtual void write(const float* interleaved, std::int64_t frames) = 0;
};

struct RenderSettings
{
	double sampleRate = 48000.0;
	int channels = 2;
	int blockSize = 512;
	// Longest stretch rendered after the input ends; 0 renders no tail.
	double tailSeconds = 30.0;
};

struct RenderProgress
{
	std::int64_t inputFrames;	// read so far
	double tailSeconds;			// rendered after the input ended
};

struct RenderResult
{
	std::int64_t inputFrames = 0;
	std::int64_t writtenFrames = 0;
	// The tail limit was reached before the output fell quiet.
	bool tailCut = false;
};

// The output counts as silent below this peak level (-90 dBFS).
constexpr float kSilenceLevel = 3.16227766e-5f;
// The tail ends after this long below kSilenceLevel; it exceeds the longest delay.
constexpr double kQuietSecondsToStop = 2.1;
// How much of the final quiet stretch the output keeps.
constexpr double kQuietSecondsKept = 0.1;

// Runs the source through a started backend in blocks of exactly blockSize
// frames, the last input block padded with silence, then renders silent
// input until the output has stayed below kSilenceLevel for
// kQuietSecondsToStop or the tail limit is reached. Everything is written
// up to the last sounding frame plus kQuietSecondsKept, never less than the
// input's length and never more than the input plus the tail limit.
RenderResult render(RenderBackend& backend, FrameSource& source, FrameSink& sink, const RenderSettings& settings,
	const std::function<void(const RenderProgress&)>& onProgress = {});

} // namespace Veltrane
