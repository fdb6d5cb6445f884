// Knobs. A drag turns the knob in the editor's knob mode: circular (the value
// jumps to the angle clicked), relative circular (the angle moved is added),
// or linear (up/right distance over 200 px for the whole range, times the
// zoom factor while the zoom modifier is held). Alt swaps linear and circular;
// the wheel adds the wheel increment (a tenth with the zoom modifier);
// Ctrl-click or double-click sets the default value.
#pragma once

#include "ccontrol.h"

namespace VSTGUI {

class CKnobBase : public CControl
{
public:
	virtual void valueToPoint(CPoint& point) const;
	// The value at point (view-local, 0, 0 at the top-left).
	virtual float valueFromPoint(CPoint& point) const;

	virtual void setStartAngle(float val) { startAngle = val; }
	virtual float getStartAngle() const { return startAngle; }
	virtual void setRangeAngle(float val) { rangeAngle = val; }
	virtual float getRangeAngle() const { return rangeAngle; }
	virtual void setZoomFactor(float val) { zoomFactor = val; }
	virtual float getZoomFactor() const { return zoomFactor; }
	virtual void setInsetValue(CCoord val) { inset = val; }
	virtual CCoord getInsetValue() const { return inset; }

	void setMin(float val) override;
	void setMax(float val) override;

	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;
	bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
	int32_t onKeyDown(VstKeyCode& keyCode) override;
	bool sizeToFit() override;

protected:
	CKnobBase(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background);
	CKnobBase(const CKnobBase&) = default;

	float startAngle;
	float rangeAngle;
	float zoomFactor = 1.5f;
	CCoord inset = 3.;

private:
	// One drag, from press to release.
	struct Drag
	{
		CPoint firstPoint;
		CPoint lastPoint;
		float startValue = 0.f;
		float entryState = 0.f;
		float valueAtPress = 0.f;
		float range = 200.f;
		float coef = 0.f;
		CButtonState oldButton;
		int32_t mode = kCircularMode;
	} drag;
};

// A knob drawn as one image of a vertical filmstrip: image
// floor(normalized value × (images − 1)), or of 1 − value when inverted.
class CAnimKnob : public CKnobBase, public IMultiBitmapControl
{
public:
	// Image height = the view's height, image count from the bitmap.
	CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
	          const CPoint& offset = CPoint(0, 0));
	CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
	          CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint(0, 0));
	CAnimKnob(const CAnimKnob&) = default;

	virtual void setInverseBitmap(bool val) { inverseBitmap = val; }
	virtual bool getInverseBitmap() const { return inverseBitmap; }
	// The image index the current value shows.
	int32_t getFrameIndex() const;

	void setHeightOfOneImage(const CCoord& height) override;
	void setBackground(CBitmap* background) override;
	void setNumSubPixmaps(int32_t count) override;
	void draw(CDrawContext* context) override;
	bool sizeToFit() override;

	CLASS_METHODS(CAnimKnob, CKnobBase)

protected:
	CPoint offset;
	bool inverseBitmap = false;
};

} // namespace VSTGUI
