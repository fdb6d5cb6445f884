#pragma once

#include "AudioFile.h"
#include "Renderer.h"

#include <algorithm>
#include <vector>

namespace Veltrane {

class FileFrameSource : public FrameSource
{
public:
	explicit FileFrameSource(SoundFileReader& reader) : reader(reader) {}
	std::int64_t read(float* interleaved, std::int64_t frames) override { return reader.read(interleaved, frames); }

private:
	SoundFileReader& reader;
};

class FileFrameSink : public FrameSink
{
public:
	explicit FileFrameSink(SoundFileWriter& writer) : writer(writer) {}
	void write(const float* interleaved, std::int64_t frames) override { writer.write(interleaved, frames); }

private:
	SoundFileWriter& writer;
};

// Frames held in memory, handed out in order.
class MemoryFrameSource : public FrameSource
{
public:
	MemoryFrameSource(const std::vector<float>& interleaved, int channels) : samples(interleaved), channels(channels) {}

	std::int64_t read(float* interleaved, std::int64_t frames) override
	{
		const std::int64_t left = static_cast<std::int64_t>(samples.size()) / channels - position;
		const std::int64_t count = std::min(frames, left);
		std::copy_n(samples.begin() + position * channels, count * channels, interleaved);
		position += count;
		return count;
	}

private:
	const std::vector<float>& samples;
	int channels;
	std::int64_t position = 0;
};

} // namespace Veltrane
