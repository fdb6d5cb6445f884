#include "CKickButtonJT.h"

namespace VSTGUI {

CKickButtonJT::CKickButtonJT(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                             const CPoint& offset)
: CKickButton(size, listener, tag, background, offset)
{
}

CKickButtonJT::~CKickButtonJT() noexcept = default;

CMouseEventResult CKickButtonJT::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	// A press sends 1 whatever the maximum; the entry state keeps the button
	// pressed-looking if the pointer leaves it.
	value = 1.f;
	fEntryState = 1.f;
	beginEdit();
	if (sendMode == kSendOnPressAndRelease || sendMode == kSendOnPress)
	{
		valueChanged();
		if (isDirty())
			invalid();
	}
	return CKickButton::onMouseMoved(where, buttons);
}

CMouseEventResult CKickButtonJT::onMouseUp(CPoint&, const CButtonState&)
{
	value = getMin();
	if (sendMode == kSendOnPressAndRelease || sendMode == kSendOnRelease)
		valueChanged();
	if (isDirty())
		invalid();
	endEdit();
	return kMouseEventHandled;
}

} // namespace VSTGUI
