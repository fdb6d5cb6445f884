// Cheap base-2 logarithm and power in single precision. Their results are
// part of the parameter tapers and of the audio path, so every operation is
// kept in float and in this order; do not "simplify" the arithmetic.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

inline float fastLog2(float x)
{
	uint32_t bits;
	std::memcpy(&bits, &x, sizeof bits);
	const uint32_t mantissaBits = (bits & 0x007FFFFFu) | 0x3F000000u;
	float mantissa;
	std::memcpy(&mantissa, &mantissaBits, sizeof mantissa);

	float y = static_cast<float>(bits) * 1.1920928955078125e-7f;
	y = y - 124.22551727294922f;
	y = y - mantissa * 1.4980303049087524f;
	y = y - 1.7258800268173218f / (mantissa + 0.35208871960639954f);
	return y;
}

// NaN yields 0 and p >= 2^31 yields +infinity: those are the inputs whose
// integer conversions below would otherwise be undefined.
inline float fastPow2(float p)
{
	if (p != p)
		return 0.0f;
	if (p >= 2147483648.0f)
		return std::numeric_limits<float>::infinity();

	const float offset = p >= 0.0f ? 0.0f : 1.0f;
	const float c = p < -126.0f ? -126.0f : p;
	const int w = static_cast<int>(c);
	const float z = (c - static_cast<float>(w)) + offset;
	float t = 27.728023529052734f / (4.842525482177734f - z);
	t = t + c;
	t = t + 121.27405548095703f;
	t = t - z * 1.4901291131973267f;

	// Truncate through 64 bits and keep the low 32, so large p stays defined.
	const int64_t scaled = static_cast<int64_t>(t * 8388608.0f);
	const uint32_t bits = static_cast<uint32_t>(static_cast<uint64_t>(scaled));
	float result;
	std::memcpy(&result, &bits, sizeof result);
	return result;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
