#include "Vst3Face.h"

#include <random>

namespace Vst2Test {

std::vector<float> testSignal(int length, unsigned seed)
{
	std::mt19937 random(seed);
	std::uniform_real_distribution<float> noise(-0.25f, 0.25f);
	std::vector<float> signal(static_cast<size_t>(length));
	for (float& sample : signal)
		sample = noise(random);
	for (int i = 0; i < length; i += 997)
		signal[static_cast<size_t>(i)] = 1.0f;
	return signal;
}

} // namespace Vst2Test
