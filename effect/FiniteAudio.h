// Guards that keep one bad sample (not a number, infinite) from poisoning the
// filters and delay lines, where feedback would keep it alive for good.
#pragma once

#include <cmath>

inline bool isFiniteSample(float x)
{
	return std::isfinite(x);
}

// A sample that is not finite enters the effect as silence; finite samples pass bit for bit.
inline float silenceIfNotFinite(float x)
{
	return isFiniteSample(x) ? x : 0.0f;
}
