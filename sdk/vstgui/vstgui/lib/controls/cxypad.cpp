#include "cxypad.h"
#include "../cdrawcontext.h"

#include <algorithm>

namespace VSTGUI {

CXYPad::CXYPad(const CRect& size) : CParamDisplay(size)
{
	// A packed value reaches just above 1 (y adds below the third decimal).
	CParamDisplay::setMax(2.f);
}

void CXYPad::draw(CDrawContext* context)
{
	drawBack(context);
	float x, y;
	calculateXY(getValue(), x, y);
	const CCoord r = getRoundRectRadius();
	const CCoord width = getWidth() - r;
	const CCoord height = getHeight() - r;
	CRect puck(x * width, y * height, x * width, y * height);
	puck.extend(r / 2., r / 2.);
	puck.offset(size.left + r / 2., size.top + r / 2.);
	context->setFillColor(getFontColor());
	context->setDrawMode(kAntiAliasing);
	context->drawEllipse(puck, kDrawFilled);
	setDirty(false);
}

CMouseEventResult CXYPad::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	mouseStartValue = getValue();
	mouseChangeStartPoint = where;
	mouseChangeStartPoint.offset(-size.left - getRoundRectRadius() / 2., -size.top - getRoundRectRadius() / 2.);
	beginEdit();
	return onMouseMoved(where, buttons);
}

CMouseEventResult CXYPad::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton() || !isEditing())
		return kMouseEventNotHandled;
	if (stopTrackingOnMouseExit && !hitTest(where, buttons))
	{
		endEdit();
		return kMouseMoveEventHandledButDontNeedMoreEvents;
	}
	const CCoord r = getRoundRectRadius();
	CPoint p(where);
	p.offset(-size.left - r / 2., -size.top - r / 2.);
	const CCoord width = getWidth() - r;
	const CCoord height = getHeight() - r;
	float x = width > 0 ? static_cast<float>(p.x / width) : 0.f;
	float y = height > 0 ? static_cast<float>(p.y / height) : 0.f;
	boundValues(x, y);
	setValue(calculateValue(x, y));
	if (isDirty())
		valueChanged();
	invalid();
	lastMouseChangePoint = p;
	return kMouseEventHandled;
}

CMouseEventResult CXYPad::onMouseUp(CPoint&, const CButtonState& buttons)
{
	if (buttons.isLeftButton() && isEditing())
		endEdit();
	return kMouseEventHandled;
}

CMouseEventResult CXYPad::onMouseCancel()
{
	if (isEditing())
	{
		setValue(mouseStartValue);
		if (isDirty())
		{
			valueChanged();
			invalid();
		}
		endEdit();
	}
	return kMouseEventHandled;
}

void CXYPad::boundValues(float& x, float& y)
{
	x = std::min(std::max(x, 0.f), 1.f);
	y = std::min(std::max(y, 0.f), 1.f);
}

} // namespace VSTGUI
