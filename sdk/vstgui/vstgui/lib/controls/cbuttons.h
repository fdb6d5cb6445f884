// Two-state and momentary buttons drawn from a picture of images stacked
// vertically.
#pragma once

#include "ccontrol.h"

namespace VSTGUI {

// Toggles between minimum and maximum on a click. It shows the top of its
// picture when off and the picture from half its height when on (the value
// is the maximum), whatever the image height says.
class COnOffButton : public CControl
{
public:
	enum Style
	{
		kPostListenerUpdate = 1 << 0, // redraw after the listener heard the change
		kPreListenerUpdate = 1 << 1,  // redraw before
	};

	COnOffButton(const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1,
	             CBitmap* background = nullptr, int32_t style = kPreListenerUpdate);
	COnOffButton(const COnOffButton&) = default;

	int32_t getStyle() const { return style; }
	void setStyle(int32_t newStyle) { style = newStyle; }

	void draw(CDrawContext* context) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;
	int32_t onKeyDown(VstKeyCode& keyCode) override;
	bool sizeToFit() override;

	CLASS_METHODS(COnOffButton, CControl)

protected:
	int32_t style;
};

// Maximum while pressed with the pointer inside, back to the minimum on
// release, when it reports the value to its listener. Image 1 shows pressed.
class CKickButton : public CControl, public IMultiBitmapControl
{
public:
	CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
	            const CPoint& offset = CPoint(0, 0));
	CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CCoord heightOfOneImage,
	            CBitmap* background, const CPoint& offset = CPoint(0, 0));
	CKickButton(const CKickButton&) = default;

	void draw(CDrawContext* context) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;
	int32_t onKeyDown(VstKeyCode& keyCode) override;
	int32_t onKeyUp(VstKeyCode& keyCode) override;
	bool sizeToFit() override;

	CLASS_METHODS(CKickButton, CControl)

protected:
	CPoint offset;
	float fEntryState = 0.f; // the value restored when the pointer leaves the button
};

} // namespace VSTGUI
