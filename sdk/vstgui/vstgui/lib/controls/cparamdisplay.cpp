#include "cparamdisplay.h"
#include "../cbitmap.h"
#include "../cdrawcontext.h"

#include <cstdio>

namespace VSTGUI {

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
: CControl(size, nullptr, -1, background), fontID(kNormalFont), style(style)
{
}

CParamDisplay::CParamDisplay(const CParamDisplay& other) = default;

void CParamDisplay::setFont(CFontRef font)
{
	if (font)
		fontID = font;
	setDirty(true);
}

bool CParamDisplay::convertValueToString(float v, std::string& result)
{
	if (valueToString2 && valueToString2(v, result, this))
		return true;
	char text[256] = {};
	if (valueToString && valueToString(v, text, this))
	{
		text[255] = 0;
		result = text;
		return true;
	}
	return false;
}

std::string CParamDisplay::getValueText(float v)
{
	std::string result;
	if (convertValueToString(v, result))
		return result;
	char text[64];
	std::snprintf(text, sizeof(text), "%.*f", static_cast<int>(valuePrecision), static_cast<double>(v));
	return text;
}

void CParamDisplay::draw(CDrawContext* context)
{
	if (style & kNoDrawStyle)
		return;
	drawBack(context);
	drawPlatformText(context, getValueText(value).c_str());
	setDirty(false);
}

void CParamDisplay::drawBack(CDrawContext* context, CBitmap* newBack)
{
	if (auto* bitmap = newBack ? newBack : getDrawBackground())
	{
		bitmap->draw(context, size, backOffset);
		return;
	}
	if (getTransparency())
		return;
	const bool round = style & kRoundRectStyle;
	const bool framed = !(style & (k3DIn | k3DOut | kNoFrame));
	context->setDrawMode(kAntiAliasing);
	context->setLineStyle(kLineSolid);
	context->setLineWidth(frameWidth);
	context->setFillColor(backColor);
	context->setFrameColor(frameColor);
	const CDrawStyle drawStyle = framed ? kDrawFilledAndStroked : kDrawFilled;
	if (round)
		context->drawRoundRect(size, roundRectRadius, drawStyle);
	else
		context->drawRect(size, drawStyle);
	if (style & (k3DIn | k3DOut))
	{
		// A bevel: light on one pair of edges, dark on the other.
		const CColor light = (style & k3DIn) ? backColor : frameColor;
		const CColor dark = (style & k3DIn) ? frameColor : backColor;
		context->setLineWidth(1);
		context->setFrameColor(dark);
		context->drawLines({{size.getTopLeft(), CPoint(size.right - 1, size.top)},
		                    {size.getTopLeft(), CPoint(size.left, size.bottom - 1)}});
		context->setFrameColor(light);
		context->drawLines({{CPoint(size.right - 1, size.top), CPoint(size.right - 1, size.bottom - 1)},
		                    {CPoint(size.left, size.bottom - 1), CPoint(size.right - 1, size.bottom - 1)}});
	}
}

void CParamDisplay::drawPlatformText(CDrawContext* context, UTF8StringPtr text)
{
	CRect rect(size);
	rect.inset(textInset.x, textInset.y);
	drawText(context, text, rect);
}

void CParamDisplay::drawText(CDrawContext* context, UTF8StringPtr text, const CRect& rect)
{
	if ((style & kNoTextStyle) || !text || !*text)
		return;
	context->setFont(fontID);
	if (style & kShadowText)
	{
		CRect shadow(rect);
		shadow.offset(shadowTextOffset);
		context->setFontColor(shadowColor);
		context->drawString(text, shadow, horiTxtAlign, antialias);
	}
	context->setFontColor(fontColor);
	context->drawString(text, rect, horiTxtAlign, antialias);
}

} // namespace VSTGUI
