#include "cviewcontainer.h"
#include "cbitmap.h"
#include "cdrawcontext.h"
#include "cframe.h"
#include "controls/ccontrol.h"

#include <algorithm>

namespace VSTGUI {

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::CViewContainer(const CViewContainer& other)
: CView(other)
, backgroundColor(other.backgroundColor)
, backgroundOffset(other.backgroundOffset)
, backgroundColorDrawStyle(other.backgroundColorDrawStyle)
{
	for (auto* child : other.children)
		if (auto* copy = dynamic_cast<CView*>(child->newCopy()))
			addView(copy);
}

CViewContainer::~CViewContainer() noexcept
{
	removeAll();
}

bool CViewContainer::addView(CView* view, CView* before)
{
	if (!view || isChild(view))
		return false;
	auto at = std::find(children.begin(), children.end(), before);
	children.insert(at, view);
	if (isAttached())
	{
		view->attached(this);
		view->invalid();
	}
	return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
	auto it = std::find(children.begin(), children.end(), view);
	if (it == children.end())
		return false;
	view->invalid();
	children.erase(it);
	childRemoved(view);
	if (view->isAttached())
		view->removed(this);
	if (withForget)
		view->forget();
	return true;
}

bool CViewContainer::removeAll(bool withForget)
{
	while (!children.empty())
		removeView(children.back(), withForget);
	return true;
}

bool CViewContainer::changeViewZOrder(CView* view, uint32_t newIndex)
{
	auto it = std::find(children.begin(), children.end(), view);
	if (it == children.end() || newIndex >= children.size())
		return false;
	children.erase(it);
	children.insert(children.begin() + newIndex, view);
	view->invalid();
	return true;
}

bool CViewContainer::isChild(CView* view, bool deep) const
{
	for (auto* child : children)
	{
		if (child == view)
			return true;
		if (deep)
			if (auto* c = child->asViewContainer())
				if (c->isChild(view, true))
					return true;
	}
	return false;
}

void CViewContainer::forEachChild(const std::function<void(CView*)>& f) const
{
	for (auto* child : std::vector<CView*>(children))
		f(child);
}

CView* CViewContainer::getViewAt(const CPoint& where, const GetViewOptions& options) const
{
	const CPoint local = toLocal(where);
	for (auto it = children.rbegin(); it != children.rend(); ++it)
	{
		CView* view = *it;
		if (view->getViewSize().isEmpty() || !view->getViewSize().pointInside(local))
			continue;
		if (!options.getIncludeInvisible() && !view->isVisible())
			continue;
		if (options.getMouseEnabled() && !view->getMouseEnabled())
			continue;
		auto* container = view->asViewContainer();
		if (container && options.getDeep())
		{
			if (auto* inner = container->getViewAt(local, options))
				return inner;
			if (options.getIncludeViewContainer())
				return view;
			continue;
		}
		return view;
	}
	return nullptr;
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
	backgroundColor = color;
	setDirty(true);
}

void CViewContainer::setBackgroundColorDrawStyle(CDrawStyle style)
{
	backgroundColorDrawStyle = style;
	setDirty(true);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& updateRect)
{
	(void)updateRect;
	const CRect local(0, 0, size.getWidth(), size.getHeight());
	if (auto* bitmap = getDrawBackground())
		bitmap->draw(context, local, backgroundOffset);
	else if (!getTransparency())
	{
		context->setDrawMode(kAliasing);
		context->setLineWidth(1);
		context->setLineStyle(kLineSolid);
		context->setFillColor(backgroundColor);
		context->setFrameColor(backgroundColor);
		context->drawRect(local, backgroundColorDrawStyle);
	}
}

void CViewContainer::draw(CDrawContext* context)
{
	drawRect(context, size);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
	CRect visible(updateRect);
	visible.bound(size);
	if (visible.isEmpty())
		return;
	CDrawContext::Transform transform(*context, CGraphicsTransform().translate(size.left, size.top));
	visible.offset(-size.left, -size.top);

	CRect oldClip;
	context->getClipRect(oldClip);
	CRect clip(visible);
	clip.bound(oldClip);
	if (!clip.isEmpty())
	{
		context->setClipRect(clip);
		drawBackgroundRect(context, clip);
		for (auto* view : children)
		{
			if (!view->isVisible() || !view->checkUpdate(clip))
				continue;
			CRect viewClip(view->getViewSize());
			viewClip.bound(clip);
			if (viewClip.isEmpty())
				continue;
			context->setClipRect(viewClip);
			const float alpha = context->getGlobalAlpha();
			context->setGlobalAlpha(alpha * view->getAlphaValue());
			view->drawRect(context, viewClip);
			context->setGlobalAlpha(alpha);
		}
	}
	context->setClipRect(oldClip);
	setDirty(false);
}

void CViewContainer::invalid()
{
	setDirty(false);
	invalidRect(CRect(0, 0, size.getWidth(), size.getHeight()));
}

void CViewContainer::invalidRect(const CRect& rect)
{
	if (!isAttached() || !isVisible())
		return;
	CRect r(rect);
	r.offset(size.left, size.top);
	r.bound(size);
	if (!r.isEmpty())
		CView::invalidRect(r);
}

void CViewContainer::setViewSize(const CRect& rect, bool doInvalid)
{
	CView::setViewSize(rect, doInvalid);
	for (auto* child : children)
		child->parentSizeChanged();
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
	CPoint local = toLocal(where);
	for (auto it = children.rbegin(); it != children.rend(); ++it)
	{
		CView* view = *it;
		if (!view->getMouseEnabled() || !view->isVisible() || !view->hitTest(local, buttons))
			continue;
		// Modifier and right clicks go to the listener first (context menus).
		auto* control = dynamic_cast<CControl*>(view);
		if (control && control->getListener() && (buttons & (kAlt | kShift | kControl | kApple | kRButton)))
			if (control->getListener()->controlModifierClicked(control, buttons) != 0)
				return kMouseEventHandled;
		SharedPointer<CView> guard(view); // the view may leave the tree while handling
		if (view->wantsFocus())
			if (auto* frame = getFrame())
				frame->setFocusView(view);
		CPoint p(local);
		const auto result = view->onMouseDown(p, buttons);
		if (result == kMouseEventNotHandled || result == kMouseEventNotImplemented)
		{
			if (view->asViewContainer())
				continue; // an empty spot of a child container: look further down
			return kMouseEventNotHandled;
		}
		if (result == kMouseEventHandled && isChild(view))
			mouseDownView = view;
		return result;
	}
	return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
	CView* view = mouseDownView;
	if (!view)
		return kMouseEventNotHandled;
	view->remember();
	CPoint p = toLocal(where);
	view->onMouseUp(p, buttons);
	mouseDownView = nullptr;
	view->forget();
	return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
	CView* view = mouseDownView;
	if (!view)
		return kMouseEventNotHandled;
	view->remember();
	CPoint p = toLocal(where);
	const auto result = view->onMouseMoved(p, buttons);
	if (result != kMouseEventHandled && result != kMouseEventNotImplemented && mouseDownView == view)
		mouseDownView = nullptr; // the view wants no more moves
	view->forget();
	return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseCancel()
{
	if (CView* view = std::exchange(mouseDownView, nullptr))
	{
		view->remember();
		view->onMouseCancel();
		view->forget();
	}
	return kMouseEventHandled;
}

bool CViewContainer::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                             const CButtonState& buttons)
{
	const CPoint local = toLocal(where);
	for (auto it = children.rbegin(); it != children.rend(); ++it)
	{
		CView* view = *it;
		if (!view->getMouseEnabled() || !view->isVisible() || !view->hitTest(local, buttons))
			continue;
		if (view->onWheel(local, axis, distance, buttons))
			return true;
		if (!view->asViewContainer())
			return false;
	}
	return false;
}

bool CViewContainer::hitTest(const CPoint& where, const CButtonState& buttons)
{
	return CView::hitTest(where, buttons);
}

bool CViewContainer::attached(CView* parent)
{
	if (!CView::attached(parent))
		return false;
	for (auto* child : std::vector<CView*>(children))
		child->attached(this);
	return true;
}

bool CViewContainer::removed(CView* parent)
{
	if (!isAttached())
		return false;
	mouseDownView = nullptr;
	for (auto* child : std::vector<CView*>(children))
		child->removed(this);
	return CView::removed(parent);
}

CPoint& CViewContainer::localToFrame(CPoint& point) const
{
	point.offset(size.left, size.top);
	return CView::localToFrame(point);
}

CPoint& CViewContainer::frameToLocal(CPoint& point) const
{
	point.offset(-size.left, -size.top);
	return CView::frameToLocal(point);
}

void CViewContainer::childRemoved(CView* child)
{
	if (mouseDownView == child)
		mouseDownView = nullptr;
}

} // namespace VSTGUI
