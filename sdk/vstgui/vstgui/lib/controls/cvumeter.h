// An LED bar: the on picture over the lit part, the off picture over the
// rest, in steps of one LED; the shown level falls by the decrease step per
// drawing (peak hold) and never below the value.
#pragma once

#include "ccontrol.h"

namespace VSTGUI {

class CVuMeter : public CControl
{
public:
	CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed, int32_t style = kVertical);
	CVuMeter(const CVuMeter&) = default;

	virtual void setDecreaseStepValue(float value) { decreaseValue = value; }
	float getDecreaseStepValue() const { return decreaseValue; }
	virtual void setOnBitmap(CBitmap* bitmap) { setBackground(bitmap); }
	CBitmap* getOnBitmap() const { return getBackground(); }
	virtual void setOffBitmap(CBitmap* bitmap);
	CBitmap* getOffBitmap() const { return offBitmap; }
	virtual void setNbLed(int32_t nb) { nbLed = nb; }
	int32_t getNbLed() const { return nbLed; }
	virtual void setStyle(int32_t newStyle) { style = newStyle; }
	int32_t getStyle() const { return style; }

	void setViewSize(const CRect& rect, bool invalid = true) override;
	// The shown level decays, so the old value is not touched here.
	void setDirty(bool state = true) override { CView::setDirty(state); }
	bool isDirty() const override { return CView::isDirty(); }
	void draw(CDrawContext* context) override;

	CLASS_METHODS(CVuMeter, CControl)

protected:
	SharedPointer<CBitmap> offBitmap;
	int32_t nbLed;
	int32_t style;
	float decreaseValue = 0.1f;
	CRect rectOn;
	CRect rectOff;
};

} // namespace VSTGUI
