// A view that holds views. Children's sizes are in the container's own
// coordinates (its top-left is their 0, 0). The container owns its children:
// addView takes over the caller's reference.
#pragma once

#include "ccolor.h"
#include "cdrawdefs.h"
#include "cview.h"

#include <functional>
#include <vector>

namespace VSTGUI {

class GetViewOptions
{
public:
	enum : uint32_t
	{
		kNone = 0,
		kDeep = 1 << 0,
		kMouseEnabled = 1 << 1,
		kIncludeViewContainer = 1 << 2,
		kIncludeInvisible = 1 << 3,
	};
	GetViewOptions(uint32_t flags = kNone) : flags(flags) {}
	GetViewOptions& deep(bool state = true) { return set(kDeep, state); }
	GetViewOptions& mouseEnabled(bool state = true) { return set(kMouseEnabled, state); }
	GetViewOptions& includeViewContainer(bool state = true) { return set(kIncludeViewContainer, state); }
	GetViewOptions& includeInvisible(bool state = true) { return set(kIncludeInvisible, state); }
	bool getDeep() const { return flags & kDeep; }
	bool getMouseEnabled() const { return flags & kMouseEnabled; }
	bool getIncludeViewContainer() const { return flags & kIncludeViewContainer; }
	bool getIncludeInvisible() const { return flags & kIncludeInvisible; }

private:
	GetViewOptions& set(uint32_t flag, bool state)
	{
		flags = state ? (flags | flag) : (flags & ~flag);
		return *this;
	}
	uint32_t flags;
};

class CViewContainer : public CView
{
public:
	explicit CViewContainer(const CRect& size);
	CViewContainer(const CViewContainer& other); // copies the children too
	~CViewContainer() noexcept override;

	// Children
	virtual bool addView(CView* view, CView* before = nullptr);
	virtual bool removeView(CView* view, bool withForget = true);
	virtual bool removeAll(bool withForget = true);
	virtual bool changeViewZOrder(CView* view, uint32_t newIndex);
	bool isChild(CView* view, bool deep = false) const;
	uint32_t getNbViews() const { return static_cast<uint32_t>(children.size()); }
	CView* getView(uint32_t index) const { return index < children.size() ? children[index] : nullptr; }
	// Calls f for each child, back to front.
	void forEachChild(const std::function<void(CView*)>& f) const;
	template <class ViewClass>
	void getChildViewsOfType(std::vector<ViewClass*>& result, bool deep = false) const
	{
		for (auto* child : children)
		{
			if (auto* v = dynamic_cast<ViewClass*>(child))
				result.push_back(v);
			if (deep)
				if (auto* c = child->asViewContainer())
					c->getChildViewsOfType<ViewClass>(result, true);
		}
	}
	// The topmost view under where (this container's parent coordinates).
	virtual CView* getViewAt(const CPoint& where, const GetViewOptions& options = GetViewOptions()) const;
	CViewContainer* asViewContainer() override { return this; }

	// Background: the bitmap if there is one, else the colour unless transparent.
	virtual void setBackgroundColor(const CColor& color);
	CColor getBackgroundColor() const { return backgroundColor; }
	virtual void setBackgroundOffset(const CPoint& offset) { backgroundOffset = offset; }
	const CPoint& getBackgroundOffset() const { return backgroundOffset; }
	virtual void setBackgroundColorDrawStyle(CDrawStyle style);
	CDrawStyle getBackgroundColorDrawStyle() const { return backgroundColorDrawStyle; }
	virtual void drawBackgroundRect(CDrawContext* context, const CRect& updateRect);

	// CView
	void draw(CDrawContext* context) override;
	void drawRect(CDrawContext* context, const CRect& updateRect) override;
	void invalid() override;
	void invalidRect(const CRect& rect) override; // rect in this container's coordinates
	void setViewSize(const CRect& rect, bool invalid = true) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseCancel() override;
	bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	             const CButtonState& buttons) override;
	bool hitTest(const CPoint& where, const CButtonState& buttons = -1) override;
	bool attached(CView* parent) override;
	bool removed(CView* parent) override;
	CPoint& localToFrame(CPoint& point) const override;
	CPoint& frameToLocal(CPoint& point) const override;

	CLASS_METHODS(CViewContainer, CView)

protected:
	// A child leaves: forget any reference to it (mouse capture).
	virtual void childRemoved(CView* child);
	CView* getMouseDownView() const { return mouseDownView; }

private:
	// Where (parent coordinates) in this container's coordinates.
	CPoint toLocal(const CPoint& where) const { return CPoint(where).offset(-size.left, -size.top); }

	std::vector<CView*> children; // each holds one reference
	CView* mouseDownView = nullptr;
	CColor backgroundColor = kBlackCColor;
	CPoint backgroundOffset;
	CDrawStyle backgroundColorDrawStyle = kDrawFilledAndStroked;
};

} // namespace VSTGUI
