#include "cframe.h"
#include "cdrawcontext.h"
#include "platform/platformfactory.h"

#include <algorithm>

namespace VSTGUI {
namespace {

template <typename T>
void addOnce(std::vector<T*>& list, T* item)
{
	if (item && std::find(list.begin(), list.end(), item) == list.end())
		list.push_back(item);
}

template <typename T>
void removeFrom(std::vector<T*>& list, T* item)
{
	list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor) : CViewContainer(size), editor(editor) {}

CFrame::~CFrame() noexcept
{
	// Here, while the views can still tell the frame they leave.
	removeAll();
}

bool CFrame::open(void* parent, PlatformType parentType, IPlatformFrameConfig* config)
{
	if (opened)
		return false;
	if (parent)
	{
		CRect windowSize(size);
		windowSize.setWidth(size.getWidth() * zoom).setHeight(size.getHeight() * zoom);
		platformFrame = createPlatformFrame(this, windowSize, parent, parentType, config);
		if (!platformFrame)
			return false;
	}
	opened = true;
	// The frame is its own root: attaching it attaches every view below.
	CViewContainer::attached(this);
	return true;
}

void CFrame::close()
{
	setFocusView(nullptr);
	mouseOverView = nullptr;
	removeAll();
	CViewContainer::removed(this);
	platformFrame = nullptr;
	opened = false;
	forget();
}

int32_t CFrame::getKnobMode() const
{
	const int32_t mode = editor ? editor->getKnobMode() : -1;
	return mode == -1 ? kCircularMode : mode;
}

void CFrame::beginEdit(int32_t index)
{
	if (editor)
		editor->beginEdit(index);
}

void CFrame::endEdit(int32_t index)
{
	if (editor)
		editor->endEdit(index);
}

bool CFrame::setSize(CCoord width, CCoord height)
{
	CRect newSize(size);
	newSize.setWidth(width).setHeight(height);
	if (newSize == size)
		return true;
	if (editor && !editor->beforeSizeChange(newSize, size))
		return false;
	CViewContainer::setViewSize(newSize, false);
	if (platformFrame)
		platformFrame->setSize(CRect(0, 0, width * zoom, height * zoom));
	invalid();
	return true;
}

bool CFrame::getSize(CRect& outSize) const
{
	outSize = size;
	return true;
}

bool CFrame::setZoom(double zoomFactor)
{
	if (zoomFactor <= 0.)
		return false;
	zoom = zoomFactor;
	if (platformFrame)
		platformFrame->setSize(CRect(0, 0, size.getWidth() * zoom, size.getHeight() * zoom));
	invalid();
	return true;
}

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect)
{
	if (!context || updateRect.isEmpty())
		return;
	context->saveGlobalState();
	{
		CDrawContext::Transform transform(*context, CGraphicsTransform().scale(zoom, zoom));
		context->setClipRect(updateRect);
		CViewContainer::drawRect(context, updateRect);
	}
	context->restoreGlobalState();
}

void CFrame::invalidRect(const CRect& rect)
{
	if (!platformFrame || !isVisible())
		return;
	CRect r(rect);
	r.bound(CRect(0, 0, size.getWidth(), size.getHeight()));
	if (r.isEmpty())
		return;
	platformFrame->invalidRect(CRect(r.left * zoom, r.top * zoom, r.right * zoom, r.bottom * zoom));
}

void CFrame::idle()
{
	invalidateDirtyViews();
}

static void invalidateDirty(CView* view)
{
	if (view->isDirty())
		view->invalid();
	if (auto* container = view->asViewContainer())
		container->forEachChild(invalidateDirty);
}

void CFrame::invalidateDirtyViews()
{
	forEachChild(invalidateDirty);
}

void CFrame::setFocusView(CView* view)
{
	if (view == focusView)
		return;
	CView* old = focusView;
	focusView = view;
	if (old)
		old->looseFocus();
	// looseFocus may have moved the focus on; only then the new view takes it.
	if (focusView == view && view)
		view->takeFocus();
}

void CFrame::updateMouseOverView(const CPoint& where, const CButtonState& buttons)
{
	CView* view = getViewAt(where, GetViewOptions().deep().mouseEnabled());
	if (view == mouseOverView)
		return;
	CPoint p(where);
	if (CView* old = std::exchange(mouseOverView, nullptr))
	{
		CPoint local(p);
		old->frameToLocal(local);
		old->onMouseExited(local, buttons);
		for (auto* o : std::vector<IMouseObserver*>(mouseObservers))
			o->onMouseExited(old, this);
	}
	mouseOverView = view;
	if (view)
	{
		CPoint local(p);
		view->frameToLocal(local);
		view->onMouseEntered(local, buttons);
		for (auto* o : std::vector<IMouseObserver*>(mouseObservers))
			o->onMouseEntered(view, this);
	}
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	for (auto* o : std::vector<IMouseObserver*>(mouseObservers))
		if (o->onMouseDown(this, where, buttons) == kMouseEventHandled)
			return kMouseEventHandled;
	// A click elsewhere ends a text edit.
	if (focusView && getViewAt(where, GetViewOptions().deep()) != focusView)
		setFocusView(nullptr);
	return CViewContainer::onMouseDown(where, buttons);
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons)
{
	const auto result = CViewContainer::onMouseUp(where, buttons);
	updateMouseOverView(where, buttons);
	return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	for (auto* o : std::vector<IMouseObserver*>(mouseObservers))
		if (o->onMouseMoved(this, where, buttons) == kMouseEventHandled)
			return kMouseEventHandled;
	if (getMouseDownView())
		return CViewContainer::onMouseMoved(where, buttons);
	updateMouseOverView(where, buttons);
	return kMouseEventNotHandled;
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons)
{
	if (!getMouseDownView())
		updateMouseOverView(CPoint(-1e9, -1e9), buttons);
	(void)where;
	return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                     const CButtonState& buttons)
{
	return CViewContainer::onWheel(where, axis, distance, buttons);
}

int32_t CFrame::onKeyDown(VstKeyCode& keyCode)
{
	for (auto* hook : std::vector<IKeyboardHook*>(keyboardHooks))
		if (hook->onKeyDown(keyCode, this) == 1)
			return 1;
	if (focusView)
	{
		SharedPointer<CView> guard(focusView);
		return focusView->onKeyDown(keyCode);
	}
	return -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& keyCode)
{
	for (auto* hook : std::vector<IKeyboardHook*>(keyboardHooks))
		if (hook->onKeyUp(keyCode, this) == 1)
			return 1;
	if (focusView)
	{
		SharedPointer<CView> guard(focusView);
		return focusView->onKeyUp(keyCode);
	}
	return -1;
}

void CFrame::registerViewAddedRemovedObserver(IViewAddedRemovedObserver* observer)
{
	addOnce(viewObservers, observer);
}

void CFrame::unregisterViewAddedRemovedObserver(IViewAddedRemovedObserver* observer)
{
	removeFrom(viewObservers, observer);
}

void CFrame::registerMouseObserver(IMouseObserver* observer)
{
	addOnce(mouseObservers, observer);
}

void CFrame::unregisterMouseObserver(IMouseObserver* observer)
{
	removeFrom(mouseObservers, observer);
}

void CFrame::registerKeyboardHook(IKeyboardHook* hook)
{
	addOnce(keyboardHooks, hook);
}

void CFrame::unregisterKeyboardHook(IKeyboardHook* hook)
{
	removeFrom(keyboardHooks, hook);
}

void CFrame::onViewAdded(CView* view)
{
	if (view == this)
		return;
	for (auto* o : std::vector<IViewAddedRemovedObserver*>(viewObservers))
		o->onViewAdded(this, view);
}

void CFrame::onViewRemoved(CView* view)
{
	if (view == this)
		return;
	if (mouseOverView == view)
		mouseOverView = nullptr;
	if (focusView == view)
		setFocusView(nullptr);
	for (auto* o : std::vector<IViewAddedRemovedObserver*>(viewObservers))
		o->onViewRemoved(this, view);
}

void CFrame::platformDrawRect(CDrawContext* context, const CRect& rect)
{
	drawRect(context, CRect(rect.left / zoom, rect.top / zoom, rect.right / zoom, rect.bottom / zoom));
}

CMouseEventResult CFrame::platformOnMouseDown(CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard(this);
	CPoint p = unzoomed(where);
	return onMouseDown(p, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved(CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard(this);
	CPoint p = unzoomed(where);
	return onMouseMoved(p, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard(this);
	CPoint p = unzoomed(where);
	return onMouseUp(p, buttons);
}

CMouseEventResult CFrame::platformOnMouseExited(CPoint& where, const CButtonState& buttons)
{
	SharedPointer<CFrame> guard(this);
	CPoint p = unzoomed(where);
	return onMouseExited(p, buttons);
}

bool CFrame::platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                                  const CButtonState& buttons)
{
	SharedPointer<CFrame> guard(this);
	return onWheel(unzoomed(where), axis, distance, buttons);
}

bool CFrame::platformOnKeyDown(VstKeyCode& keyCode)
{
	SharedPointer<CFrame> guard(this);
	return onKeyDown(keyCode) == 1;
}

bool CFrame::platformOnKeyUp(VstKeyCode& keyCode)
{
	SharedPointer<CFrame> guard(this);
	return onKeyUp(keyCode) == 1;
}

void CFrame::platformOnActivate(bool state)
{
	// Losing the window's focus ends a text edit.
	if (!state)
		setFocusView(nullptr);
}

} // namespace VSTGUI
