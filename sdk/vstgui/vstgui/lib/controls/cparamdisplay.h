// Shows a value as text over a filled, framed background (or a bitmap).
#pragma once

#include "../ccolor.h"
#include "../cdrawdefs.h"
#include "../cfont.h"
#include "ccontrol.h"

#include <functional>
#include <string>

namespace VSTGUI {

enum CParamDisplayStyle : int32_t
{
	kShadowText = 1 << 0,
	k3DIn = 1 << 1,
	k3DOut = 1 << 2,
	kNoTextStyle = 1 << 3,
	kNoDrawStyle = 1 << 4,
	kRoundRectStyle = 1 << 5,
	kNoFrame = 1 << 6,
};

class CParamDisplay : public CControl
{
public:
	CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);
	CParamDisplay(const CParamDisplay& other);

	// Turns the value into the text shown; false falls back to the number.
	using ValueToStringFunction = std::function<bool(float value, char utf8String[256], CParamDisplay* display)>;
	using ValueToStringFunction2 = std::function<bool(float value, std::string& result, CParamDisplay* display)>;
	void setValueToStringFunction(const ValueToStringFunction& f) { valueToString = f; }
	void setValueToStringFunction2(const ValueToStringFunction2& f) { valueToString2 = f; }
	// The value's text from the value-to-string function; false without one or when it declines.
	bool convertValueToString(float value, std::string& result);
	// The text the value shows as (the function's, else the number with the precision).
	std::string getValueText(float value);

	virtual void setFont(CFontRef font);
	CFontRef getFont() const { return fontID; }
	virtual void setFontColor(CColor color) { fontColor = color; }
	CColor getFontColor() const { return fontColor; }
	virtual void setBackColor(CColor color) { backColor = color; }
	CColor getBackColor() const { return backColor; }
	virtual void setFrameColor(CColor color) { frameColor = color; }
	CColor getFrameColor() const { return frameColor; }
	virtual void setShadowColor(CColor color) { shadowColor = color; }
	CColor getShadowColor() const { return shadowColor; }
	virtual void setShadowTextOffset(const CPoint& o) { shadowTextOffset = o; }
	CPoint getShadowTextOffset() const { return shadowTextOffset; }
	virtual void setAntialias(bool state) { antialias = state; }
	bool getAntialias() const { return antialias; }
	virtual void setHoriAlign(CHoriTxtAlign align) { horiTxtAlign = align; }
	CHoriTxtAlign getHoriAlign() const { return horiTxtAlign; }
	virtual void setTextInset(const CPoint& p) { textInset = p; }
	CPoint getTextInset() const { return textInset; }
	virtual void setRoundRectRadius(const CCoord& radius) { roundRectRadius = radius; }
	CCoord getRoundRectRadius() const { return roundRectRadius; }
	virtual void setFrameWidth(const CCoord& width) { frameWidth = width; }
	CCoord getFrameWidth() const { return frameWidth; }
	virtual void setBackOffset(const CPoint& o) { backOffset = o; }
	const CPoint& getBackOffset() const { return backOffset; }
	virtual void setStyle(int32_t val) { style = val; }
	int32_t getStyle() const { return style; }
	virtual void setPrecision(uint8_t precision) { valuePrecision = precision; }
	uint8_t getPrecision() const { return valuePrecision; }

	void draw(CDrawContext* context) override;

	CLASS_METHODS(CParamDisplay, CControl)

protected:
	// Background (bitmap, or colour unless transparent) and frame.
	virtual void drawBack(CDrawContext* context, CBitmap* newBack = nullptr);
	virtual void drawPlatformText(CDrawContext* context, UTF8StringPtr text);
	void drawText(CDrawContext* context, UTF8StringPtr text, const CRect& rect);

	ValueToStringFunction valueToString;
	ValueToStringFunction2 valueToString2;
	SharedPointer<CFontDesc> fontID;
	CColor fontColor = kWhiteCColor;
	CColor backColor = kBlackCColor;
	CColor frameColor = kBlackCColor;
	CColor shadowColor = kRedCColor;
	CPoint shadowTextOffset = CPoint(1., 1.);
	CPoint textInset;
	CPoint backOffset;
	CCoord roundRectRadius = 6.;
	CCoord frameWidth = 1.;
	CHoriTxtAlign horiTxtAlign = kCenterText;
	int32_t style;
	uint8_t valuePrecision = 2;
	bool antialias = true;
};

} // namespace VSTGUI
