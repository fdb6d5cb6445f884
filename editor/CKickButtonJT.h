// A momentary button that reports its value on press, on release or on both,
// so an effect can act the moment a pad is hit rather than when it is let go.
// Press and release always bracket one edit, whatever the mode.
#pragma once

#include "vstgui/lib/controls/cbuttons.h"

namespace VSTGUI {

class CKickButtonJT : public CKickButton
{
public:
	enum SendMode : int32_t
	{
		kSendOnPressAndRelease = 0, // 1 on press, the minimum on release
		kSendOnRelease = 1,
		kSendOnPress = 2,
	};

	CKickButtonJT(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
	              const CPoint& offset = CPoint(0, 0));
	~CKickButtonJT() noexcept override;

	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;

	int32_t sendMode = kSendOnPressAndRelease;
};

} // namespace VSTGUI
