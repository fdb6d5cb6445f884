// A view with a value: range, default, wheel step, tag and listeners. An edit
// gesture is bracketed by beginEdit/endEdit, which reach the listeners and
// the frame's editor (with the tag); each change in between calls valueChanged.
#pragma once

#include "../cview.h"
#include "icontrollistener.h"

#include <vector>

namespace VSTGUI {

// Orientation and direction flags shared by controls.
enum CControlEnum : int32_t
{
	kHorizontal = 1 << 0,
	kVertical = 1 << 1,
	kLeft = 1 << 2,
	kRight = 1 << 3,
	kTop = 1 << 4,
	kBottom = 1 << 5,
};

class CControl : public CView
{
public:
	CControl(const CRect& size, IControlListener* listener = nullptr, int32_t tag = 0,
	         CBitmap* background = nullptr);
	CControl(const CControl& other);
	~CControl() noexcept override;

	// Value, clamped to min ... max.
	virtual void setValue(float val);
	virtual float getValue() const { return value; }
	virtual void setValueNormalized(float val);
	virtual float getValueNormalized() const;
	virtual void setMin(float val) { vmin = val; }
	virtual float getMin() const { return vmin; }
	virtual void setMax(float val) { vmax = val; }
	virtual float getMax() const { return vmax; }
	float getRange() const { return getMax() - getMin(); }
	virtual void setOldValue(float val) { oldValue = val; }
	virtual float getOldValue() const { return oldValue; }
	virtual void setDefaultValue(float val) { defaultValue = val; }
	virtual float getDefaultValue() const { return defaultValue; }
	virtual void setWheelInc(float val) { wheelInc = val; }
	virtual float getWheelInc() const { return wheelInc; }
	// Clamps the value into the range.
	virtual void bounceValue();
	// Ctrl-click or double-click: sets the default value (and reports it); true when it did.
	virtual bool checkDefaultValue(CButtonState button);

	// Identity and listeners
	virtual void setTag(int32_t val);
	virtual int32_t getTag() const { return tag; }
	virtual void setListener(IControlListener* l) { listener = l; }
	IControlListener* getListener() const { return listener; }
	// Extra listeners that hear the same calls after the main listener.
	void registerControlListener(IControlListener* l);
	void unregisterControlListener(IControlListener* l);

	// The edit gesture
	virtual void beginEdit();
	virtual void endEdit();
	bool isEditing() const { return editing > 0; }
	virtual void valueChanged();

	// Dirty while the value differs from the one last drawn.
	void setDirty(bool val = true) override;
	bool isDirty() const override;

	// VSTGUI's modifiers: fine adjustment and reset to default.
	static int32_t kZoomModifier;
	static int32_t kDefaultValueModifier;

	CLASS_METHODS_VIRTUAL(CControl, CView)

protected:
	template <typename F>
	void forEachListener(F f)
	{
		if (listener)
			f(listener);
		for (auto* l : std::vector<IControlListener*>(subListeners))
			f(l);
	}

	// Fits the view and its mouse area to the background's width and to
	// imageHeight (the whole bitmap when 0); false without a loaded background.
	bool sizeToBackground(CCoord imageHeight = 0);

	IControlListener* listener;
	int32_t tag;
	float oldValue = 1.f;
	float defaultValue = 0.5f;
	float value = 0.f;
	float vmin = 0.f;
	float vmax = 1.f;
	float wheelInc = 0.1f;

private:
	std::vector<IControlListener*> subListeners;
	int32_t editing = 0;
};

// Controls that draw one image of a vertical strip of equal images.
class IMultiBitmapControl
{
public:
	virtual ~IMultiBitmapControl() noexcept = default;
	virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
	virtual CCoord getHeightOfOneImage() const { return heightOfOneImage; }
	virtual void setNumSubPixmaps(int32_t count) { subPixmaps = count; }
	virtual int32_t getNumSubPixmaps() const { return subPixmaps; }
	// Height of one image from the bitmap's height and the image count.
	void autoComputeHeightOfOneImage();

protected:
	CCoord heightOfOneImage = 0;
	int32_t subPixmaps = 0;
};

} // namespace VSTGUI
