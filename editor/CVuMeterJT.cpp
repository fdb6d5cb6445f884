#include "CVuMeterJT.h"

#include "vstgui/lib/cbitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace VSTGUI {

namespace {

// Truncation toward zero that answers 0 for NaN and values below 1, so an
// odd LED count or picture size never turns into an undefined conversion.
int32_t wholePixels(double v)
{
	if (!(v >= 1.0))
		return 0;
	return v >= 2147483647.0 ? 2147483647 : static_cast<int32_t>(v);
}

// The extent of t along a side of length L, in steps of one LED.
int32_t ledExtent(int32_t nbLed, float t, CCoord length)
{
	const float n = static_cast<float>(nbLed);
	// Fewer than one LED lights nothing, as a negative count would.
	const int32_t leds = wholePixels(n * t + 0.5f);
	return wholePixels(static_cast<float>(leds) / n * length + 0.5);
}

} // namespace

CVuMeterJT::CVuMeterJT(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed, bool inverted,
                       bool analog, int32_t style)
: CVuMeter(size, onBitmap, offBitmap, nbLed, style), inverted(inverted), analog(analog)
{
}

CVuMeterJT::~CVuMeterJT() noexcept = default;

void CVuMeterJT::draw(CDrawContext* context)
{
	CBitmap* onBitmap = getOnBitmap();
	if (!onBitmap)
		return;
	if (analog)
		drawNeedle(context, onBitmap);
	else
		drawLeds(context, onBitmap);
	setDirty(false);
}

float CVuMeterJT::followedLevel()
{
	const float held = std::max(value, getOldValue() - decreaseValue);
	setOldValue(held);
	return follower.process(held);
}

void CVuMeterJT::drawNeedle(CDrawContext* context, CBitmap* strip)
{
	bounceValue();
	const float level = followedLevel();
	CPoint offset(0, 0);
	if (value >= 0.f && frameHeight > 0.)
	{
		double f = level;
		if (inverted)
		{
			const double z = zeroFrame / frameCount;
			f = z - level * z;
		}
		const double position = std::floor(f * (frameCount - 1.) * frameHeight);
		if (std::isfinite(position) && std::fabs(position) < 9.0e18)
		{
			const auto p = static_cast<int64_t>(position);
			// Snap to the top of the image the position falls in.
			const int32_t whole = wholePixels(frameHeight);
			offset.y = static_cast<CCoord>(whole > 0 ? p - static_cast<int32_t>(p) % whole : p);
		}
	}
	strip->draw(context, getViewSize(), offset, 1.f);
}

void CVuMeterJT::drawLeds(CDrawContext* context, CBitmap* onBitmap)
{
	CRect on(rectOn);
	CRect off(rectOff);
	CPoint onOffset(0, 0);
	CPoint offOffset(0, 0);
	bounceValue();
	// Two LEDs make an on/off lamp, without ballistics.
	const float level = nbLed == 2 ? (value < 0.5f ? 0.f : 1.f) : followedLevel();
	if (style & kHorizontal)
	{
		const CCoord length = onBitmap->getWidth();
		if (!inverted)
		{
			const int32_t q = ledExtent(nbLed, getMin() + level, length);
			offOffset.x = q;
			off.left += q;
			on.right = rectOn.left + q;
		}
		else
		{
			const int32_t q = ledExtent(nbLed, getMax() - level, length);
			onOffset.x = q;
			on.left += q;
			off.right = off.left + q;
		}
	}
	else
	{
		const CCoord length = onBitmap->getHeight();
		if (!inverted)
		{
			const int32_t q = ledExtent(nbLed, getMax() - level, length);
			onOffset.y = q;
			off.bottom = rectOff.top + q;
			on.top += q;
		}
		else
		{
			const int32_t q = ledExtent(nbLed, level, length);
			offOffset.y = q;
			on.bottom = on.top + q;
			off.top += q;
		}
	}
	if (offBitmap)
		offBitmap->draw(context, off, offOffset, 1.f);
	onBitmap->draw(context, on, onOffset, 1.f);
}

} // namespace VSTGUI
