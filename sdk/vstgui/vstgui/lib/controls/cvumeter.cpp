#include "cvumeter.h"
#include "../cbitmap.h"

namespace VSTGUI {

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed, int32_t style)
: CControl(size, nullptr, 0, onBitmap), offBitmap(offBitmap), nbLed(nbLed), style(style), rectOn(size), rectOff(size)
{
	setWantsFocus(false);
}

void CVuMeter::setOffBitmap(CBitmap* bitmap)
{
	offBitmap = bitmap;
	setDirty(true);
}

void CVuMeter::setViewSize(const CRect& rect, bool doInvalid)
{
	CControl::setViewSize(rect, doInvalid);
	rectOn = rect;
	rectOff = rect;
}

void CVuMeter::draw(CDrawContext* context)
{
	auto* onBitmap = getOnBitmap();
	if (!onBitmap)
		return;
	bounceValue();
	// Peak hold: the shown level falls by the decrease step per drawing.
	float shown = getOldValue() - decreaseValue;
	if (shown < value)
		shown = value;
	setOldValue(shown);
	const float range = getRange();
	const float level = range == 0.f ? 0.f : (shown - getMin()) / range;
	const float leds = nbLed > 0 ? static_cast<float>(nbLed) : 1.f;

	CRect on(rectOn);
	CRect off(rectOff);
	CPoint onOffset;
	CPoint offOffset;
	if (style & kHorizontal)
	{
		const auto lit = static_cast<CCoord>(static_cast<int32_t>(leds * level + 0.5f) / leds * onBitmap->getWidth());
		offOffset(lit, 0);
		off.left += lit;
		on.right = rectOn.left + lit;
	}
	else
	{
		const auto dark =
		    static_cast<CCoord>(static_cast<int32_t>(leds * (1.f - level) + 0.5f) / leds * onBitmap->getHeight());
		onOffset(0, dark);
		off.bottom = rectOff.top + dark;
		on.top += dark;
	}
	if (offBitmap)
		offBitmap->draw(context, off, offOffset);
	onBitmap->draw(context, on, onOffset);
	setDirty(false);
}

} // namespace VSTGUI
