// An XY pad with two faces. "TrackPad": the stock pad, except that a value
// arriving from outside a drag (from the parameters) is shown upside down.
// "Joystick": a vector joystick whose point stays inside a diamond (the pad
// turned by 45°, corners at the middles of the edges), drawn with a
// cross-hair; dragged outside, the point waits where it left the diamond.
#pragma once

#include "vstgui/lib/controls/cxypad.h"

namespace VSTGUI {

class CXYPadJT : public CXYPad
{
public:
	explicit CXYPadJT(const CRect& size);
	~CXYPadJT() noexcept override;

	void draw(CDrawContext* context) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;
	void setValue(float val) override;

	// Even-odd crossing test of (x, y) against the corners in regionX/regionY.
	bool insideRegion(float x, float y) const;

	bool tracking = false;
	bool joystick = false;
	// Corners: middle of the left, top, right and bottom edge.
	float regionX[4] = {0.f, 0.5f, 1.f, 0.5f};
	float regionY[4] = {0.5f, 0.f, 0.5f, 1.f};
	float lastX = 0.f;
	float lastY = 0.f;

private:
	void drawJoystick(CDrawContext* context);
};

} // namespace VSTGUI
