#include "Renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace Veltrane {

namespace {

// Planar buffers for the backend and the interleaved views of them.
class BlockBuffers
{
public:
	BlockBuffers(int channels, int frames)
	: channels(channels), frames(frames), interleavedIn(static_cast<size_t>(channels * frames)),
	  interleavedOut(interleavedIn.size()), planarIn(static_cast<size_t>(channels)),
	  planarOut(static_cast<size_t>(channels))
	{
		for (int channel = 0; channel < channels; ++channel)
		{
			planarIn[static_cast<size_t>(channel)].resize(static_cast<size_t>(frames));
			planarOut[static_cast<size_t>(channel)].resize(static_cast<size_t>(frames));
			inputPointers.push_back(planarIn[static_cast<size_t>(channel)].data());
			outputPointers.push_back(planarOut[static_cast<size_t>(channel)].data());
		}
	}

	float* input() { return interleavedIn.data(); }
	const float* output() const { return interleavedOut.data(); }

	void padInputAfter(std::int64_t validFrames)
	{
		std::fill(interleavedIn.begin() + validFrames * channels, interleavedIn.end(), 0.0f);
	}

	void process(RenderBackend& backend)
	{
		for (int frame = 0; frame < frames; ++frame)
			for (int channel = 0; channel < channels; ++channel)
				inputPointers[static_cast<size_t>(channel)][frame] = interleavedIn[static_cast<size_t>(frame * channels + channel)];
		backend.process(inputPointers.data(), outputPointers.data(), frames);
		for (int frame = 0; frame < frames; ++frame)
			for (int channel = 0; channel < channels; ++channel)
				interleavedOut[static_cast<size_t>(frame * channels + channel)] = outputPointers[static_cast<size_t>(channel)][frame];
	}

	// NaN counts as sounding: it must never be trimmed away unseen.
	bool frameSounds(int frame) const
	{
		for (int channel = 0; channel < channels; ++channel)
			if (!(std::fabs(interleavedOut[static_cast<size_t>(frame * channels + channel)]) < kSilenceLevel))
				return true;
		return false;
	}

private:
	int channels;
	int frames;
	std::vector<float> interleavedIn;
	std::vector<float> interleavedOut;
	std::vector<std::vector<float>> planarIn;
	std::vector<std::vector<float>> planarOut;
	std::vector<float*> inputPointers;
	std::vector<float*> outputPointers;
};

// Rendered frames not yet written: only a quiet stretch after the input
// waits here, until a sounding frame proves it part of the tail.
class HeldOutput
{
public:
	HeldOutput(FrameSink& sink, int channels) : sink(sink), channels(channels) {}

	void append(const float* interleaved, int frames)
	{
		held.insert(held.end(), interleaved, interleaved + frames * channels);
	}

	void writeUpTo(std::int64_t endFrame)
	{
		const std::int64_t available = written + static_cast<std::int64_t>(held.size()) / channels;
		const std::int64_t count = std::min(endFrame, available) - written;
		if (count <= 0)
			return;
		sink.write(held.data(), count);
		held.erase(held.begin(), held.begin() + count * channels);
		written += count;
	}

	std::int64_t writtenFrames() const { return written; }

private:
	FrameSink& sink;
	int channels;
	std::vector<float> held;
	std::int64_t written = 0;
};

} // namespace

RenderResult render(RenderBackend& backend, FrameSource& source, FrameSink& sink, const RenderSettings& settings,
	const std::function<void(const RenderProgress&)>& onProgress)
{
	const int channels = settings.channels;
	const int blockSize = settings.blockSize;
	const std::int64_t tailLimit = std::llround(settings.tailSeconds * settings.sampleRate);
	const std::int64_t quietToStop = std::llround(kQuietSecondsToStop * settings.sampleRate);
	const std::int64_t quietKept = std::llround(kQuietSecondsKept * settings.sampleRate);

	BlockBuffers buffers(channels, blockSize);
	HeldOutput output(sink, channels);
	std::int64_t inputFrames = 0;
	bool inputEnded = false;
	std::int64_t rendered = 0;
	std::int64_t lastSounding = -1;
	std::int64_t quietAfterInput = 0;

	for (;;)
	{
		std::int64_t got = 0;
		if (!inputEnded)
		{
			got = source.read(buffers.input(), blockSize);
			inputFrames += got;
			inputEnded = got < blockSize;
		}
		if (inputEnded && got == 0 && (rendered >= inputFrames + tailLimit || quietAfterInput >= quietToStop))
			break;

		buffers.padInputAfter(got);
		buffers.process(backend);
		for (int frame = 0; frame < blockSize; ++frame)
		{
			const std::int64_t position = rendered + frame;
			const bool sounds = buffers.frameSounds(frame);
			if (sounds)
				lastSounding = position;
			if (inputEnded && position >= inputFrames)
				quietAfterInput = sounds ? 0 : quietAfterInput + 1;
		}
		rendered += blockSize;

		output.append(buffers.output(), blockSize);
		std::int64_t deliverable = std::max(inputFrames, lastSounding + 1);
		if (inputEnded)
			deliverable = std::min(deliverable, inputFrames + tailLimit);
		output.writeUpTo(deliverable);

		if (onProgress)
		{
			const double tail = inputEnded ? static_cast<double>(rendered - inputFrames) / settings.sampleRate : 0.0;
			onProgress({inputFrames, std::max(0.0, tail)});
		}
	}

	// Output that never sounded gets no quiet stretch beyond the input.
	const std::int64_t keptEnd = lastSounding < 0 ? 0 : lastSounding + 1 + quietKept;
	const std::int64_t end = std::max(inputFrames, std::min({keptEnd, inputFrames + tailLimit, rendered}));
	output.writeUpTo(end);

	RenderResult result;
	result.inputFrames = inputFrames;
	result.writtenFrames = output.writtenFrames();
	result.tailCut = tailLimit > 0 && quietAfterInput < quietToStop;
	return result;
}

} // namespace Veltrane
