// Test input that exercises a filtered delay: quiet noise with full-scale
// clicks every 997 frames, the same for a given seed.
#pragma once

#include <cstddef>
#include <random>
#include <vector>

inline std::vector<float> noise(size_t length, unsigned seed)
{
	std::mt19937 random(seed);
	std::uniform_real_distribution<float> value(-0.25f, 0.25f);
	std::vector<float> signal(length);
	for (float& sample : signal)
		sample = value(random);
	for (size_t i = 0; i < length; i += 997)
		signal[i] = 1.0f;
	return signal;
}
