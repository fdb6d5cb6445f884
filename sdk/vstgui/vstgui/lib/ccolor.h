// An 8-bit-per-channel RGBA colour.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct CColor
{
	constexpr CColor(uint8_t red = 255, uint8_t green = 255, uint8_t blue = 255, uint8_t alpha = 255)
	: red(red), green(green), blue(blue), alpha(alpha)
	{
	}

	constexpr bool operator==(const CColor& o) const
	{
		return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
	}
	constexpr bool operator!=(const CColor& o) const { return !(*this == o); }

	// Channels as 0 ... 1.
	template <typename T = double>
	T normRed() const { return red / T(255); }
	template <typename T = double>
	T normGreen() const { return green / T(255); }
	template <typename T = double>
	T normBlue() const { return blue / T(255); }
	template <typename T = double>
	T normAlpha() const { return alpha / T(255); }
	void setNormAlpha(double a) { alpha = toByte(a); }
	void setNormRed(double v) { red = toByte(v); }
	void setNormGreen(double v) { green = toByte(v); }
	void setNormBlue(double v) { blue = toByte(v); }

	uint8_t red;
	uint8_t green;
	uint8_t blue;
	uint8_t alpha;

private:
	static uint8_t toByte(double v) { return static_cast<uint8_t>((v < 0 ? 0 : v > 1 ? 1 : v) * 255. + 0.5); }
};

constexpr CColor MakeCColor(uint8_t red = 0, uint8_t green = 0, uint8_t blue = 0, uint8_t alpha = 255)
{
	return CColor(red, green, blue, alpha);
}

constexpr CColor kTransparentCColor(255, 255, 255, 0);
constexpr CColor kBlackCColor(0, 0, 0, 255);
constexpr CColor kWhiteCColor(255, 255, 255, 255);
constexpr CColor kGreyCColor(127, 127, 127, 255);
constexpr CColor kRedCColor(255, 0, 0, 255);
constexpr CColor kGreenCColor(0, 255, 0, 255);
constexpr CColor kBlueCColor(0, 0, 255, 255);
constexpr CColor kYellowCColor(255, 255, 0, 255);
constexpr CColor kMagentaCColor(255, 0, 255, 255);
constexpr CColor kCyanCColor(0, 255, 255, 255);

} // namespace VSTGUI
