#include "cview.h"
#include "cbitmap.h"
#include "cdrawcontext.h"
#include "cframe.h"

#include <cstring>

#if __has_include("../uidescription/icontroller.h")
#include "../uidescription/icontroller.h"
#define VSTGUI_VIEW_OWNS_CONTROLLER 1
#endif

namespace VSTGUI {

CView::CView(const CRect& size) : size(size), mouseableArea(size) {}

CView::CView(const CView& view)
: CBaseObject()
, size(view.size)
, mouseableArea(view.mouseableArea)
, background(view.background)
, disabledBackground(view.disabledBackground)
, tooltip(view.tooltip)
, alphaValue(view.alphaValue)
, autosizeFlags(view.autosizeFlags)
, mouseEnabled(view.mouseEnabled)
, visible(view.visible)
, transparent(view.transparent)
, wantsFocusFlag(view.wantsFocusFlag)
{
}

CView::~CView() noexcept
{
#ifdef VSTGUI_VIEW_OWNS_CONTROLLER
	// A view owns the sub-controller the description made for it.
	IController* controller = nullptr;
	if (getAttribute(kCViewControllerAttribute, controller) && controller)
	{
		if (auto* reference = dynamic_cast<IReference*>(controller))
			reference->forget();
		else
			delete controller;
	}
#endif
}

void CView::draw(CDrawContext* context)
{
	if (auto* bitmap = getDrawBackground())
		bitmap->draw(context, size);
	setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& updateRect)
{
	(void)updateRect;
	draw(context);
}

void CView::invalid()
{
	setDirty(false);
	invalidRect(size);
}

void CView::invalidRect(const CRect& rect)
{
	if (!isAttached() || !isVisible())
		return;
	if (parentView)
		parentView->invalidRect(rect);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&)
{
	return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&)
{
	return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&)
{
	return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseCancel()
{
	return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&)
{
	return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&)
{
	return kMouseEventNotImplemented;
}

bool CView::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                    const CButtonState& buttons)
{
	return axis == kMouseWheelAxisY && onWheel(where, distance, buttons);
}

bool CView::onWheel(const CPoint&, const float&, const CButtonState&)
{
	return false;
}

int32_t CView::onKeyDown(VstKeyCode&)
{
	return -1;
}

int32_t CView::onKeyUp(VstKeyCode&)
{
	return -1;
}

bool CView::hitTest(const CPoint& where, const CButtonState&)
{
	return !size.isEmpty() && mouseableArea.pointInside(where);
}

void CView::setViewSize(const CRect& rect, bool doInvalid)
{
	if (size == rect)
		return;
	if (doInvalid)
		invalid();
	// A mouseable area that followed the size keeps following it.
	if (mouseableArea == size)
		mouseableArea = rect;
	size = rect;
	if (doInvalid)
		invalid();
}

CPoint& CView::localToFrame(CPoint& point) const
{
	if (parentView)
		return parentView->localToFrame(point);
	return point;
}

CPoint& CView::frameToLocal(CPoint& point) const
{
	if (parentView)
		return parentView->frameToLocal(point);
	return point;
}

void CView::setVisible(bool state)
{
	if (visible == state)
		return;
	if (!state)
		invalid();
	visible = state;
	if (state)
		invalid();
}

void CView::setAlphaValue(float alpha)
{
	if (alphaValue == alpha)
		return;
	alphaValue = alpha;
	invalid();
}

void CView::setBackground(CBitmap* bitmap)
{
	background = bitmap;
	setDirty(true);
}

void CView::setDisabledBackground(CBitmap* bitmap)
{
	disabledBackground = bitmap;
	setDirty(true);
}

CBitmap* CView::getDrawBackground() const
{
	if (!mouseEnabled && disabledBackground)
		return disabledBackground;
	return background;
}

bool CView::attached(CView* parent)
{
	if (attachedFlag || !parent)
		return false;
	parentView = parent == this ? nullptr : parent; // the frame is its own root
	parentFrame = parent->getFrame();
	attachedFlag = true;
	if (parentFrame)
		parentFrame->onViewAdded(this);
	return true;
}

bool CView::removed(CView* parent)
{
	(void)parent;
	if (!attachedFlag)
		return false;
	if (parentFrame)
		parentFrame->onViewRemoved(this);
	attachedFlag = false;
	parentView = nullptr;
	parentFrame = nullptr;
	return true;
}

VSTGUIEditorInterface* CView::getEditor() const
{
	auto* frame = getFrame();
	return frame ? frame->getEditor() : nullptr;
}

bool CView::setAttribute(CViewAttributeID id, uint32_t inSize, const void* inData)
{
	if (!inData && inSize)
		return false;
	auto* bytes = static_cast<const uint8_t*>(inData);
	attributes[id].assign(bytes, bytes + inSize);
	return true;
}

bool CView::getAttributeSize(CViewAttributeID id, uint32_t& outSize) const
{
	auto it = attributes.find(id);
	if (it == attributes.end())
		return false;
	outSize = static_cast<uint32_t>(it->second.size());
	return true;
}

bool CView::getAttribute(CViewAttributeID id, uint32_t inSize, void* outData, uint32_t& outSize) const
{
	auto it = attributes.find(id);
	if (it == attributes.end() || inSize < it->second.size())
		return false;
	outSize = static_cast<uint32_t>(it->second.size());
	if (outSize)
		std::memcpy(outData, it->second.data(), outSize);
	return true;
}

bool CView::removeAttribute(CViewAttributeID id)
{
	return attributes.erase(id) > 0;
}

} // namespace VSTGUI
