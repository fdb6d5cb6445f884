// Conversions from floating point to integers that stay defined for every
// input: NaN becomes 0 and out-of-range values saturate, where a plain cast
// would be undefined behaviour. In-range values convert exactly as a cast does.
#pragma once

#include <cstdint>

inline int32_t saturatingInt32(double value)
{
	if (!(value == value))
		return 0;
	if (value >= 2147483647.0)
		return INT32_MAX;
	if (value <= -2147483648.0)
		return INT32_MIN;
	return static_cast<int32_t>(value);
}

inline uint32_t saturatingUint32(double value)
{
	if (!(value > 0.0))
		return 0;
	if (value >= 4294967295.0)
		return UINT32_MAX;
	return static_cast<uint32_t>(value);
}
