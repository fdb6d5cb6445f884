#include "cknob.h"
#include "../cbitmap.h"
#include "../cframe.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {
namespace {

constexpr float kLinearRange = 200.f; // pixels for the whole range

} // namespace

CKnobBase::CKnobBase(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
: CControl(size, listener, tag, background)
, startAngle(static_cast<float>(3. * M_PI / 4.))
, rangeAngle(static_cast<float>(3. * M_PI / 2.))
{
}

void CKnobBase::valueToPoint(CPoint& point) const
{
	const double alpha = startAngle + getValueNormalized() * rangeAngle;
	const CPoint c(size.getWidth() / 2., size.getHeight() / 2.);
	point.x = std::floor(c.x + std::cos(alpha) * (c.x - inset) + 0.5);
	point.y = std::floor(c.y + std::sin(alpha) * (c.y - inset) + 0.5);
}

float CKnobBase::valueFromPoint(CPoint& point) const
{
	const double half = rangeAngle * 0.5;
	const CPoint c(size.getWidth() / 2., size.getHeight() / 2.);
	const double rx = std::max(c.x - inset, 1.);
	const double ry = std::max(c.y - inset, 1.);
	// Angle from the middle of the travel, folded into -pi ... pi.
	double alpha = std::atan2((point.y - c.y) / ry, (point.x - c.x) / rx) - (startAngle + half);
	alpha = std::remainder(alpha, 2. * M_PI);
	if (half < 0.)
		alpha = -alpha;
	if (alpha > std::fabs(half))
		return getMax();
	if (alpha < -std::fabs(half))
		return getMin();
	return getMin() + static_cast<float>(0.5 + alpha / std::fabs(rangeAngle)) * getRange();
}

void CKnobBase::setMin(float val)
{
	CControl::setMin(val);
	if (getValue() < val)
		setValue(val);
}

void CKnobBase::setMax(float val)
{
	CControl::setMax(val);
	if (getValue() > val)
		setValue(val);
}

CMouseEventResult CKnobBase::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	beginEdit();
	if (checkDefaultValue(buttons))
	{
		endEdit();
		return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
	}

	// Alt swaps the editor's mode between linear and circular.
	const int32_t editorMode = getFrame() ? getFrame()->getKnobMode() : kCircularMode;
	int32_t mode = editorMode;
	if (buttons & kAlt)
		mode = editorMode == kLinearMode ? kCircularMode : kLinearMode;

	CPoint local(where);
	local.offset(-size.left, -size.top);
	drag.mode = mode;
	drag.firstPoint = where;
	drag.entryState = value;
	drag.valueAtPress = value;
	drag.startValue = valueFromPoint(local);
	drag.oldButton = buttons;
	drag.range = kLinearRange;
	if (mode == kLinearMode && (buttons & kZoomModifier))
		drag.range *= zoomFactor;
	drag.coef = getRange() / drag.range;
	// A circular click moves the knob at once; the other modes wait for movement.
	drag.lastPoint = mode == kCircularMode ? CPoint(-1e9, -1e9) : where;
	return onMouseMoved(where, buttons);
}

CMouseEventResult CKnobBase::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton() || !isEditing())
		return kMouseEventNotHandled;
	if (where == drag.lastPoint)
		return kMouseEventHandled;
	drag.lastPoint = where;
	const float middle = getRange() * 0.5f;

	if (drag.mode == kLinearMode)
	{
		const CCoord diff = (drag.firstPoint.y - where.y) + (where.x - drag.firstPoint.x);
		if (buttons != drag.oldButton)
		{
			// The fine modifier changed mid-drag: keep the value, change the rate.
			drag.range = kLinearRange * ((buttons & kZoomModifier) ? zoomFactor : 1.f);
			const float coef = getRange() / drag.range;
			drag.entryState += static_cast<float>(diff * (drag.coef - coef));
			drag.coef = coef;
			drag.oldButton = buttons;
		}
		value = static_cast<float>(drag.entryState + diff * drag.coef);
		bounceValue();
	}
	else
	{
		CPoint local(where);
		local.offset(-size.left, -size.top);
		const float pointed = valueFromPoint(local);
		if (drag.mode == kRelativCircularMode)
		{
			// Add the angle moved; a jump across the dead zone at the bottom is not a turn.
			const float delta = pointed - drag.startValue;
			if (std::fabs(delta) < middle)
				value += delta;
			bounceValue();
			drag.startValue = pointed;
		}
		else
		{
			value = pointed;
			// Do not wrap from one end to the other across the dead zone.
			if (drag.startValue - value > middle)
				value = getMax();
			else if (value - drag.startValue > middle)
				value = getMin();
			else
				drag.startValue = value;
		}
	}
	if (value != getOldValue())
		valueChanged();
	if (isDirty())
		invalid();
	return kMouseEventHandled;
}

CMouseEventResult CKnobBase::onMouseUp(CPoint&, const CButtonState&)
{
	if (isEditing())
		endEdit();
	return kMouseEventHandled;
}

CMouseEventResult CKnobBase::onMouseCancel()
{
	if (isEditing())
	{
		value = drag.valueAtPress;
		if (isDirty())
		{
			valueChanged();
			invalid();
		}
		endEdit();
	}
	return kMouseEventHandled;
}

bool CKnobBase::onWheel(const CPoint&, const float& distance, const CButtonState& buttons)
{
	if (!getMouseEnabled())
		return false;
	const float step = distance * getWheelInc() * ((buttons & kZoomModifier) ? 0.1f : 1.f);
	beginEdit();
	setValueNormalized(getValueNormalized() + step);
	if (isDirty())
	{
		invalid();
		valueChanged();
	}
	endEdit();
	return true;
}

int32_t CKnobBase::onKeyDown(VstKeyCode& keyCode)
{
	switch (keyCode.virt)
	{
		case VKEY_UP:
		case VKEY_RIGHT:
		case VKEY_DOWN:
		case VKEY_LEFT:
		{
			float step = (keyCode.virt == VKEY_DOWN || keyCode.virt == VKEY_LEFT) ? -1.f : 1.f;
			if (keyCode.modifier & MODIFIER_SHIFT)
				step *= 0.1f;
			beginEdit();
			setValueNormalized(getValueNormalized() + step * getWheelInc());
			if (isDirty())
			{
				invalid();
				valueChanged();
			}
			endEdit();
			return 1;
		}
		case VKEY_ESCAPE:
			if (!isEditing())
				return -1;
			onMouseCancel();
			return 1;
		default:
			return -1;
	}
}

bool CKnobBase::sizeToFit()
{
	return sizeToBackground();
}

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                     const CPoint& offset)
: CKnobBase(size, listener, tag, background), offset(offset)
{
	heightOfOneImage = size.getHeight();
	if (background && heightOfOneImage > 0)
		subPixmaps = static_cast<int32_t>(background->getHeight() / heightOfOneImage);
	inset = 0;
}

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
                     CCoord heightOfOneImage, CBitmap* background, const CPoint& offset)
: CKnobBase(size, listener, tag, background), offset(offset)
{
	this->subPixmaps = subPixmaps;
	this->heightOfOneImage = heightOfOneImage;
	inset = 0;
}

void CAnimKnob::setHeightOfOneImage(const CCoord& height)
{
	IMultiBitmapControl::setHeightOfOneImage(height);
	if (getDrawBackground() && heightOfOneImage > 0)
		setNumSubPixmaps(static_cast<int32_t>(getDrawBackground()->getHeight() / heightOfOneImage));
}

void CAnimKnob::setBackground(CBitmap* bitmap)
{
	CKnobBase::setBackground(bitmap);
	if (heightOfOneImage <= 0)
		heightOfOneImage = size.getHeight();
	if (bitmap && heightOfOneImage > 0)
		setNumSubPixmaps(static_cast<int32_t>(bitmap->getHeight() / heightOfOneImage));
}

void CAnimKnob::setNumSubPixmaps(int32_t count)
{
	IMultiBitmapControl::setNumSubPixmaps(count);
	setDirty(true);
}

int32_t CAnimKnob::getFrameIndex() const
{
	if (subPixmaps <= 1)
		return 0;
	float v = std::min(std::max(getValueNormalized(), 0.f), 1.f);
	if (inverseBitmap)
		v = 1.f - v;
	const auto index = static_cast<int32_t>(std::floor(v * static_cast<float>(subPixmaps - 1)));
	return std::min(std::max(index, 0), subPixmaps - 1);
}

void CAnimKnob::draw(CDrawContext* context)
{
	if (auto* bitmap = getDrawBackground())
	{
		CPoint where(offset.x, offset.y + getFrameIndex() * heightOfOneImage);
		bitmap->draw(context, size, where);
	}
	setDirty(false);
}

bool CAnimKnob::sizeToFit()
{
	return sizeToBackground(heightOfOneImage);
}

} // namespace VSTGUI
