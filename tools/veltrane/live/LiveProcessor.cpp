#include "live/LiveProcessor.h"

#include <algorithm>

namespace Veltrane {

LiveProcessor::LiveProcessor(RenderBackend& backend, int maxBlock)
: backend(backend), maxBlock(maxBlock), inputCopy(static_cast<size_t>(maxBlock) * kChannels)
{
}

void LiveProcessor::passQueuedEdits() noexcept
{
	ParameterEdit edit;
	while (edits.pop(edit))
		// A later value of the same parameter replaces an earlier one in the
		// block, and the block has room for every parameter, so none is refused.
		backend.queueEdit(edit.id, edit.normalized);
}

void LiveProcessor::runChunk(const float* const* inputs, float* const* outputs, int offset, int frames)
{
	float* in[kChannels];
	float* out[kChannels];
	for (int channel = 0; channel < kChannels; ++channel)
	{
		in[channel] = inputCopy.data() + static_cast<size_t>(channel) * static_cast<size_t>(maxBlock);
		std::copy_n(inputs[channel] + offset, frames, in[channel]);
		out[channel] = outputs[channel] + offset;
	}
	backend.process(in, out, frames);
}

void LiveProcessor::process(const float* const* inputs, float* const* outputs, int frames) noexcept
{
	if (!failure.load(std::memory_order_relaxed))
	{
		try
		{
			passQueuedEdits();
			for (int offset = 0; offset < frames; offset += maxBlock)
				runChunk(inputs, outputs, offset, std::min(maxBlock, frames - offset));
			blocks.fetch_add(1, std::memory_order_relaxed);
			return;
		}
		catch (...)
		{
			// Only a failing plug-in throws here; the main loop reports it and ends.
			failure = true;
		}
	}
	for (int channel = 0; channel < kChannels; ++channel)
		std::fill_n(outputs[channel], frames, 0.0f);
}

void LiveProcessor::settle()
{
	constexpr int kFrames = 64;
	std::vector<float> silence(static_cast<size_t>(kFrames) * kChannels, 0.0f);
	std::vector<float> output(silence.size());
	const float* in[kChannels] = {silence.data(), silence.data() + kFrames};
	float* out[kChannels] = {output.data(), output.data() + kFrames};
	process(in, out, std::min(kFrames, maxBlock));
}

} // namespace Veltrane
