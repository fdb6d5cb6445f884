#include "CXYPadJT.h"

#include "vstgui/lib/cdrawcontext.h"

namespace VSTGUI {

namespace {

// Only the left button, whatever the modifier keys.
bool leftButtonAlone(const CButtonState& buttons)
{
	return buttons.getButtonState() == kLButton;
}

} // namespace

CXYPadJT::CXYPadJT(const CRect& size) : CXYPad(size) {}

CXYPadJT::~CXYPadJT() noexcept = default;

bool CXYPadJT::insideRegion(float x, float y) const
{
	bool inside = false;
	for (int i = 0, j = 3; i < 4; j = i++)
	{
		if ((regionY[i] > y) != (regionY[j] > y)
		    && x < (regionX[j] - regionX[i]) * (y - regionY[i]) / (regionY[j] - regionY[i]) + regionX[i])
			inside = !inside;
	}
	return inside;
}

CMouseEventResult CXYPadJT::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	if (!leftButtonAlone(buttons))
		return kMouseEventNotHandled;
	const CCoord r = getRoundRectRadius();
	mouseChangeStartPoint = where;
	mouseChangeStartPoint.offset(-size.left - r / 2., -size.top - r / 2.);
	mouseStartValue = getValue(); // what a cancelled drag goes back to
	tracking = true;
	// The point under the mouse is sent before the edit opens.
	onMouseMoved(where, buttons);
	if (!isEditing())
		beginEdit();
	return kMouseEventHandled;
}

CMouseEventResult CXYPadJT::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	if (joystick ? !leftButtonAlone(buttons) : !buttons.isLeftButton())
		return kMouseEventNotHandled;
	if (getStopTrackingOnMouseExit() && !hitTest(where, buttons))
	{
		endEdit();
		return kMouseMoveEventHandledButDontNeedMoreEvents;
	}
	// The track pad moves as the stock pad does, also before its edit opens
	// (the stock move of this VSTGUI waits for the edit, which would lose the
	// press point); the joystick keeps its point inside the diamond.
	const CCoord r = getRoundRectRadius();
	where.offset(-size.left - r / 2., -size.top - r / 2.);
	const CCoord width = getWidth() - r;
	const CCoord height = getHeight() - r;
	float x = width != 0. ? static_cast<float>(where.x / width) : 0.f;
	float y = height != 0. ? static_cast<float>(where.y / height) : 0.f;
	if (!joystick || insideRegion(x, y))
	{
		boundValues(x, y);
		if (joystick)
		{
			lastX = x;
			lastY = y;
		}
	}
	else
	{
		x = lastX;
		y = lastY;
	}
	setValue(calculateValue(x, y));
	if (listener && isDirty())
		listener->valueChanged(this);
	invalid();
	lastMouseChangePoint = where;
	return kMouseEventHandled;
}

CMouseEventResult CXYPadJT::onMouseUp(CPoint& where, const CButtonState& buttons)
{
	CXYPad::onMouseUp(where, buttons);
	tracking = false;
	return kMouseEventHandled;
}

CMouseEventResult CXYPadJT::onMouseCancel()
{
	// A cancelled drag ends like a released one.
	const auto result = CXYPad::onMouseCancel();
	tracking = false;
	return result;
}

void CXYPadJT::setValue(float val)
{
	if (tracking && !joystick)
	{
		CXYPad::setValue(val);
		return;
	}
	float x, y;
	calculateXY(val, x, y);
	// Outside a drag the value comes from the parameters, whose y runs upward.
	if (!tracking)
		y = 1.f - y;
	if (joystick)
	{
		if (!insideRegion(x, y))
			return;
	}
	else
		boundValues(x, y);
	CXYPad::setValue(calculateValue(x, y));
}

void CXYPadJT::draw(CDrawContext* context)
{
	if (joystick)
		drawJoystick(context);
	else
		CXYPad::draw(context);
}

void CXYPadJT::drawJoystick(CDrawContext* context)
{
	const CRect& R = getViewSize();
	const CCoord midX = static_cast<float>(R.right - R.left) * 0.5 + R.left;
	const CCoord midY = static_cast<float>(R.bottom - R.top) * 0.5 + R.top;
	const CDrawContext::PointList diamond{CPoint(R.left, midY), CPoint(midX, R.top), CPoint(R.right, midY),
	                                      CPoint(midX, R.bottom), CPoint(R.left, midY)};
	context->setLineWidth(2);
	context->setFillColor(getBackColor());
	context->setFrameColor(getFrameColor());
	context->drawPolygon(diamond, kDrawFilledAndStroked);

	const CCoord cx = static_cast<float>((R.right - R.left) * 0.5 + R.left);
	const CCoord cy = static_cast<float>((R.bottom - R.top) * 0.5 + R.top);
	context->setLineWidth(1);
	context->drawLine(CPoint(cx, R.top), CPoint(cx, R.bottom));
	context->drawLine(CPoint(R.left, cy), CPoint(R.right, cy));

	float x, y;
	calculateXY(getValue(), x, y);
	const CCoord r = getRoundRectRadius();
	const CPoint centre(R.left + r / 2. + x * (getWidth() - r), R.top + r / 2. + y * (getHeight() - r));
	CRect puck(centre, CPoint(0, 0));
	puck.extend(r / 2., r / 2.);
	context->setFillColor(getFontColor());
	context->setDrawMode(kAntiAliasing);
	context->drawEllipse(puck, kDrawFilled);
	setDirty(false);
}

} // namespace VSTGUI
