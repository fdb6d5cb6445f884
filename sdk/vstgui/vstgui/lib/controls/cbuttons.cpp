#include "cbuttons.h"
#include "../cbitmap.h"

namespace VSTGUI {

COnOffButton::COnOffButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                           int32_t style)
: CControl(size, listener, tag, background), style(style)
{
	setWantsFocus(true);
}

void COnOffButton::draw(CDrawContext* context)
{
	if (auto* bitmap = getDrawBackground())
	{
		// Off from the top, on from half the picture: two stacked images.
		const CCoord top = (value == getMax()) ? bitmap->getHeight() / 2. : 0.;
		bitmap->draw(context, size, CPoint(0, top));
	}
	setDirty(false);
}

CMouseEventResult COnOffButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	beginEdit();
	return kMouseEventHandled;
}

CMouseEventResult COnOffButton::onMouseUp(CPoint& where, const CButtonState&)
{
	if (!isEditing())
		return kMouseEventHandled;
	if (getMouseableArea().pointInside(where))
	{
		value = (value == getMax()) ? getMin() : getMax();
		if (style & kPreListenerUpdate)
			invalid();
		valueChanged();
		if (!(style & kPreListenerUpdate))
			invalid();
	}
	endEdit();
	return kMouseEventHandled;
}

CMouseEventResult COnOffButton::onMouseCancel()
{
	if (isEditing())
		endEdit();
	return kMouseEventHandled;
}

int32_t COnOffButton::onKeyDown(VstKeyCode& keyCode)
{
	if (keyCode.modifier != 0 || (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER))
		return -1;
	beginEdit();
	value = (value == getMax()) ? getMin() : getMax();
	invalid();
	valueChanged();
	endEdit();
	return 1;
}

bool COnOffButton::sizeToFit()
{
	// Off above on: one image is half the bitmap.
	auto* bitmap = getDrawBackground();
	return bitmap && sizeToBackground(bitmap->getHeight() / 2.);
}

CKickButton::CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                         const CPoint& offset)
: CKickButton(size, listener, tag, size.getHeight(), background, offset)
{
}

CKickButton::CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                         CBitmap* background, const CPoint& offset)
: CControl(size, listener, tag, background), offset(offset)
{
	this->heightOfOneImage = heightOfOneImage;
	setWantsFocus(true);
}

void CKickButton::draw(CDrawContext* context)
{
	if (auto* bitmap = getDrawBackground())
	{
		CPoint where(offset);
		bounceValue();
		if (value == getMax())
			where.y += heightOfOneImage;
		bitmap->draw(context, size, where);
	}
	setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	fEntryState = value;
	beginEdit();
	return onMouseMoved(where, buttons);
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	if (!isEditing() || !buttons.isLeftButton())
		return kMouseEventHandled;
	// Pressed while the pointer is inside, released look outside.
	value = getMouseableArea().pointInside(where) ? getMax() : fEntryState;
	if (isDirty())
		invalid();
	return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint&, const CButtonState&)
{
	if (!isEditing())
		return kMouseEventHandled;
	if (value == getMax())
		valueChanged();
	value = getMin();
	valueChanged();
	if (isDirty())
		invalid();
	endEdit();
	return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseCancel()
{
	if (isEditing())
	{
		value = getMin();
		if (isDirty())
			invalid();
		endEdit();
	}
	return kMouseEventHandled;
}

int32_t CKickButton::onKeyDown(VstKeyCode& keyCode)
{
	if (keyCode.modifier != 0 || (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER))
		return -1;
	if (value != getMax())
	{
		beginEdit();
		value = getMax();
		invalid();
		valueChanged();
	}
	return 1;
}

int32_t CKickButton::onKeyUp(VstKeyCode& keyCode)
{
	if (keyCode.modifier != 0 || (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER))
		return -1;
	if (isEditing())
	{
		value = getMin();
		invalid();
		valueChanged();
		endEdit();
	}
	return 1;
}

bool CKickButton::sizeToFit()
{
	return sizeToBackground(heightOfOneImage);
}

} // namespace VSTGUI
