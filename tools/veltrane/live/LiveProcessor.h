#pragma once

#include "RenderBackend.h"
#include "live/EditQueue.h"
#include "live/JackClient.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace Veltrane {

// The plug-in on JACK's real-time thread. It was told the largest block it
// will get, and JACK's blocks of any size, also after the server changed the
// buffer size, are cut to fit, so nothing is set up again while audio runs.
class LiveProcessor final : public JackAudio
{
public:
	// backend: configured for stereo and maxBlock frames, and started.
	LiveProcessor(RenderBackend& backend, int maxBlock);

	void process(const float* const* inputs, float* const* outputs, int frames) noexcept override;

	// Main thread. False when the queue is full: offer the edit again later.
	bool post(const ParameterEdit& edit) { return edits.push(edit); }
	// Main thread, once JACK no longer calls process: the edits still queued
	// reach the plug-in through a block of silence, so its state holds them.
	void settle();

	std::uint64_t blocksRun() const { return blocks.load(); }
	// The plug-in failed a process call; from then on the outputs are silent.
	bool failed() const { return failure.load(); }

private:
	static constexpr int kChannels = 2;

	void passQueuedEdits() noexcept;
	void runChunk(const float* const* inputs, float* const* outputs, int offset, int frames);

	RenderBackend& backend;
	int maxBlock;
	EditQueue edits;
	// The plug-in may write into its inputs; JACK's input buffers are not ours to change.
	std::vector<float> inputCopy;
	std::atomic<std::uint64_t> blocks{0};
	std::atomic<bool> failure{false};
};

} // namespace Veltrane
