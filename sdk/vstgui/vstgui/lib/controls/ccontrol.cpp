#include "ccontrol.h"
#include "../cbitmap.h"
#include "../cframe.h"

#include <algorithm>

namespace VSTGUI {

int32_t CControl::kZoomModifier = kShift;
int32_t CControl::kDefaultValueModifier = kControl;

CControl::CControl(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
: CView(size), listener(listener), tag(tag)
{
	setBackground(background);
	setWantsFocus(false);
}

CControl::CControl(const CControl& other)
: CView(other)
, listener(other.listener)
, tag(other.tag)
, oldValue(other.oldValue)
, defaultValue(other.defaultValue)
, value(other.value)
, vmin(other.vmin)
, vmax(other.vmax)
, wheelInc(other.wheelInc)
{
}

CControl::~CControl() noexcept = default;

void CControl::setValue(float val)
{
	val = std::min(std::max(val, getMin()), getMax());
	if (val != value)
	{
		value = val;
		setDirty(true);
	}
}

void CControl::setValueNormalized(float val)
{
	val = std::min(std::max(val, 0.f), 1.f);
	setValue(getRange() * val + getMin());
}

float CControl::getValueNormalized() const
{
	const float range = getRange();
	return range == 0.f ? 0.f : (getValue() - getMin()) / range;
}

void CControl::bounceValue()
{
	value = std::min(std::max(value, getMin()), getMax());
}

bool CControl::checkDefaultValue(CButtonState button)
{
	const bool modifierClick = button.isLeftButton() && button.getModifierState() == kDefaultValueModifier;
	if (!modifierClick && !(button.isLeftButton() && button.isDoubleClick()))
		return false;
	const float old = getValue();
	setValue(getDefaultValue());
	if (getValue() != old)
		valueChanged();
	if (isDirty())
		invalid();
	return true;
}

void CControl::setTag(int32_t val)
{
	if (listener)
		listener->controlTagWillChange(this);
	tag = val;
	if (listener)
		listener->controlTagDidChange(this);
}

void CControl::registerControlListener(IControlListener* l)
{
	if (l && std::find(subListeners.begin(), subListeners.end(), l) == subListeners.end())
		subListeners.push_back(l);
}

void CControl::unregisterControlListener(IControlListener* l)
{
	subListeners.erase(std::remove(subListeners.begin(), subListeners.end(), l), subListeners.end());
}

void CControl::beginEdit()
{
	// Nested gestures count; only the outermost reaches the listeners.
	if (++editing != 1)
		return;
	forEachListener([this](IControlListener* l) { l->controlBeginEdit(this); });
	if (auto* frame = getFrame())
		frame->beginEdit(tag);
}

void CControl::endEdit()
{
	if (editing == 0 || --editing != 0)
		return;
	if (auto* frame = getFrame())
		frame->endEdit(tag);
	forEachListener([this](IControlListener* l) { l->controlEndEdit(this); });
}

void CControl::valueChanged()
{
	forEachListener([this](IControlListener* l) { l->valueChanged(this); });
}

void CControl::setDirty(bool val)
{
	CView::setDirty(val);
	// The old value records what was last drawn.
	if (val)
		oldValue = value != -1.f ? -1.f : 0.f;
	else
		oldValue = value;
}

bool CControl::isDirty() const
{
	return oldValue != value || CView::isDirty();
}

bool CControl::sizeToBackground(CCoord imageHeight)
{
	auto* bitmap = getDrawBackground();
	if (!bitmap || !bitmap->isLoaded())
		return false;
	CRect r(size);
	r.setWidth(bitmap->getWidth()).setHeight(imageHeight > 0 ? imageHeight : bitmap->getHeight());
	setViewSize(r);
	setMouseableArea(r);
	return true;
}

void IMultiBitmapControl::autoComputeHeightOfOneImage()
{
	auto* view = dynamic_cast<CView*>(this);
	if (!view || !view->getBackground() || subPixmaps <= 0)
		return;
	heightOfOneImage = view->getBackground()->getHeight() / subPixmaps;
}

} // namespace VSTGUI
