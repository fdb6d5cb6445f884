// Unprocessed copies for the block-wise entry points that the frame-wise
// effects of this engine do not use.
#pragma once

#include <cstdint>
#include <cstring>

inline void copyFlatBuffer(const float* in, float* out, uint32_t samples)
{
	std::memmove(out, in, sizeof(float) * samples);
}

// Copies the first channel, and the second when there is one.
inline void copyFirstTwoChannels(float* const* in, float* const* out, uint32_t channels, int32_t frames)
{
	for (uint32_t channel = 0; channel < channels && channel < 2; ++channel)
		for (int32_t i = 0; i < frames; ++i)
			out[channel][i] = in[channel][i];
}
