// The base of everything on screen. A view's size is in its parent's
// coordinates; the frame is the root. A view with an empty size is neither
// drawn nor hit by the mouse.
#pragma once

#include "cbuttonstate.h"
#include "crect.h"
#include "cstring.h"
#include "vstkeycode.h"

#include <map>
#include <vector>

namespace VSTGUI {

class CBitmap;
class CDrawContext;
class CFrame;
class CViewContainer;
class VSTGUIEditorInterface;

// Which edges of the parent a view sticks to when the parent resizes.
enum CViewAutosizing : int32_t
{
	kAutosizeNone = 0,
	kAutosizeLeft = 1 << 0,
	kAutosizeTop = 1 << 1,
	kAutosizeRight = 1 << 2,
	kAutosizeBottom = 1 << 3,
	kAutosizeColumn = 1 << 4,
	kAutosizeRow = 1 << 5,
	kAutosizeAll = kAutosizeLeft | kAutosizeTop | kAutosizeRight | kAutosizeBottom,
};

class CView : public CBaseObject
{
public:
	explicit CView(const CRect& size);
	CView(const CView& view);
	~CView() noexcept override;
	CView& operator=(const CView&) = delete;

	// Drawing
	virtual void draw(CDrawContext* context);
	// Draws the part inside updateRect (parent coordinates); the default draws all.
	virtual void drawRect(CDrawContext* context, const CRect& updateRect);
	virtual bool checkUpdate(const CRect& updateRect) const
	{
		return !size.isEmpty() && updateRect.rectOverlap(size);
	}
	virtual void setDirty(bool state = true) { dirty = state; }
	virtual bool isDirty() const { return dirty; }
	// Queues a redraw of the whole view, or of rect (parent coordinates).
	virtual void invalid();
	virtual void invalidRect(const CRect& rect);

	// Mouse, wheel and keys; where is in parent coordinates.
	virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseCancel();
	virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
	virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
	// The axis form calls the plain form for the vertical axis.
	virtual bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	                     const CButtonState& buttons);
	virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
	// 1 when handled, -1 when not.
	virtual int32_t onKeyDown(VstKeyCode& keyCode);
	virtual int32_t onKeyUp(VstKeyCode& keyCode);
	virtual bool hitTest(const CPoint& where, const CButtonState& buttons = -1);

	// Geometry
	virtual void setViewSize(const CRect& rect, bool invalid = true);
	const CRect& getViewSize() const { return size; }
	virtual void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
	const CRect& getMouseableArea() const { return mouseableArea; }
	CRect& getMouseableArea(CRect& rect) const { return rect = mouseableArea; }
	CCoord getWidth() const { return size.getWidth(); }
	CCoord getHeight() const { return size.getHeight(); }
	virtual bool sizeToFit() { return false; }
	virtual void parentSizeChanged() {}
	virtual void setAutosizeFlags(int32_t flags) { autosizeFlags = flags; }
	int32_t getAutosizeFlags() const { return autosizeFlags; }
	// Between this view's coordinates (its parent's) and the frame's.
	virtual CPoint& localToFrame(CPoint& point) const;
	virtual CPoint& frameToLocal(CPoint& point) const;

	// State
	virtual void setMouseEnabled(bool state = true) { mouseEnabled = state; }
	bool getMouseEnabled() const { return mouseEnabled; }
	virtual void setVisible(bool state);
	bool isVisible() const { return visible && alphaValue > 0.f; }
	virtual void setTransparency(bool state) { transparent = state; }
	bool getTransparency() const { return transparent; }
	virtual void setAlphaValue(float alpha);
	float getAlphaValue() const { return alphaValue; }
	virtual void setWantsFocus(bool state) { wantsFocusFlag = state; }
	bool wantsFocus() const { return wantsFocusFlag; }
	virtual void takeFocus() {}
	virtual void looseFocus() {}
	void setTooltipText(UTF8StringPtr text) { tooltip = UTF8String(text); }
	const UTF8String& getTooltipText() const { return tooltip; }

	// Background pictures (the disabled one when the mouse is disabled)
	virtual void setBackground(CBitmap* background);
	CBitmap* getBackground() const { return background; }
	virtual void setDisabledBackground(CBitmap* background);
	CBitmap* getDisabledBackground() const { return disabledBackground; }
	CBitmap* getDrawBackground() const;

	// The view tree
	virtual bool attached(CView* parent);
	virtual bool removed(CView* parent);
	bool isAttached() const { return attachedFlag; }
	CView* getParentView() const { return parentView; }
	virtual CFrame* getFrame() const { return parentFrame; }
	virtual VSTGUIEditorInterface* getEditor() const;
	virtual CViewContainer* asViewContainer() { return nullptr; }

	// Data that travels with the view.
	bool setAttribute(CViewAttributeID id, uint32_t inSize, const void* inData);
	bool getAttributeSize(CViewAttributeID id, uint32_t& outSize) const;
	bool getAttribute(CViewAttributeID id, uint32_t inSize, void* outData, uint32_t& outSize) const;
	bool removeAttribute(CViewAttributeID id);
	template <typename T>
	bool setAttribute(CViewAttributeID id, const T& data)
	{
		return setAttribute(id, sizeof(T), &data);
	}
	template <typename T>
	bool getAttribute(CViewAttributeID id, T& data) const
	{
		uint32_t outSize = 0;
		return getAttribute(id, sizeof(T), &data, outSize) && outSize == sizeof(T);
	}

	CLASS_METHODS(CView, CBaseObject)

protected:
	CRect size;
	CRect mouseableArea;
	SharedPointer<CBitmap> background;
	SharedPointer<CBitmap> disabledBackground;

private:
	CView* parentView = nullptr;
	CFrame* parentFrame = nullptr;
	std::map<CViewAttributeID, std::vector<uint8_t>> attributes;
	UTF8String tooltip;
	float alphaValue = 1.f;
	int32_t autosizeFlags = kAutosizeNone;
	bool dirty = false;
	bool attachedFlag = false;
	bool mouseEnabled = true;
	bool visible = true;
	bool transparent = false;
	bool wantsFocusFlag = false;
};

} // namespace VSTGUI
