// A square pad whose puck carries two coordinates, packed into the one value
// (x to three decimals, y in the decimals after): x runs left to right, y top
// to bottom, 0 ... 1 each, over the view shrunk by half the round-rect radius.
#pragma once

#include "cparamdisplay.h"

#include <cmath>

namespace VSTGUI {

class CXYPad : public CParamDisplay
{
public:
	explicit CXYPad(const CRect& size = CRect(0, 0, 0, 0));
	CXYPad(const CXYPad&) = default;

	void setStopTrackingOnMouseExit(bool state) { stopTrackingOnMouseExit = state; }
	bool getStopTrackingOnMouseExit() const { return stopTrackingOnMouseExit; }

	void draw(CDrawContext* context) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;

	static float calculateValue(float x, float y)
	{
		x = std::floor(x * 1000.f + 0.5f) * 0.001f;
		y = std::floor(y * 1000.f + 0.5f) * 0.0000001f;
		return x + y;
	}
	static void calculateXY(float value, float& x, float& y)
	{
		x = std::floor(value * 1000.f + 0.5f) * 0.001f;
		y = std::floor((value - x) * 10000000.f + 0.5f) * 0.001f;
	}

	CLASS_METHODS(CXYPad, CParamDisplay)

protected:
	// Limits both coordinates to 0 ... 1.
	void boundValues(float& x, float& y);

	float mouseStartValue = 0.f;
	CPoint mouseChangeStartPoint;
	CPoint lastMouseChangePoint;
	bool stopTrackingOnMouseExit = false;
};

} // namespace VSTGUI
