// The root view: one per editor window. It owns the platform window (none
// when opened offscreen), dispatches mouse, wheel and keys to the views,
// keeps the focus view, and forwards edits and size changes to its editor.
#pragma once

#include "cviewcontainer.h"
#include "platform/iplatformframe.h"

#include <vector>

namespace VSTGUI {

class CFrame;

// What the frame asks of the editor that owns it.
class VSTGUIEditorInterface
{
public:
	virtual void doIdleStuff() {}
	// kCircularMode, kRelativCircularMode or kLinearMode; -1 lets the frame choose.
	virtual int32_t getKnobMode() const { return -1; }
	virtual void beginEdit(int32_t index) { (void)index; }
	virtual void endEdit(int32_t index) { (void)index; }
	virtual CFrame* getFrame() const { return frame; }
	virtual bool beforeSizeChange(const CRect& newSize, const CRect& oldSize)
	{
		(void)newSize;
		(void)oldSize;
		return true;
	}

protected:
	VSTGUIEditorInterface() = default;
	virtual ~VSTGUIEditorInterface() noexcept = default;

	CFrame* frame = nullptr;
};

class IMouseObserver
{
public:
	virtual ~IMouseObserver() noexcept = default;
	virtual void onMouseEntered(CView* view, CFrame* frame) = 0;
	virtual void onMouseExited(CView* view, CFrame* frame) = 0;
	// Answering kMouseEventHandled keeps the event from the views.
	virtual CMouseEventResult onMouseMoved(CFrame*, const CPoint&, const CButtonState&)
	{
		return kMouseEventNotHandled;
	}
	virtual CMouseEventResult onMouseDown(CFrame*, const CPoint&, const CButtonState&)
	{
		return kMouseEventNotHandled;
	}
};

class IKeyboardHook
{
public:
	virtual ~IKeyboardHook() noexcept = default;
	// 1 when the hook took the key (the views do not see it), -1 otherwise.
	virtual int32_t onKeyDown(const VstKeyCode& code, CFrame* frame) = 0;
	virtual int32_t onKeyUp(const VstKeyCode& code, CFrame* frame) = 0;
};

class IViewAddedRemovedObserver
{
public:
	virtual ~IViewAddedRemovedObserver() noexcept = default;
	virtual void onViewAdded(CFrame* frame, CView* view) = 0;
	virtual void onViewRemoved(CFrame* frame, CView* view) = 0;
};

class CFrame : public CViewContainer, public IPlatformFrameCallback
{
public:
	CFrame(const CRect& size, VSTGUIEditorInterface* editor);

	// Opens the window inside parent; a null parent opens offscreen (views
	// attach and draw through drawRect, nothing shows). False when the
	// platform cannot make the window.
	bool open(void* parent, PlatformType parentType = PlatformType::kDefaultNative,
	          IPlatformFrameConfig* config = nullptr);
	// Removes every view, drops the window and forgets the creator's reference.
	void close();
	bool isOpen() const { return opened; }

	IPlatformFrame* getPlatformFrame() const { return platformFrame; }
	VSTGUIEditorInterface* getEditor() const override { return editor; }
	CFrame* getFrame() const override { return const_cast<CFrame*>(this); }
	int32_t getKnobMode() const;
	void beginEdit(int32_t index);
	void endEdit(int32_t index);

	// Size in frame units; the window is that times the zoom. The editor may refuse.
	bool setSize(CCoord width, CCoord height);
	bool getSize(CRect& size) const;
	// Content scaling: the window grows by the factor, drawing is scaled,
	// mouse positions are scaled back.
	bool setZoom(double zoomFactor);
	double getZoom() const { return zoom; }

	// Draws the views inside updateRect (frame units) into the context.
	void drawRect(CDrawContext* context, const CRect& updateRect) override;
	void invalidRect(const CRect& rect) override;
	// Redraws views that changed their value without asking (ticks of the editor's timer).
	void idle();
	// Invalidates every dirty view.
	void invalidateDirtyViews();

	// Focus: the view that receives keys.
	void setFocusView(CView* view);
	CView* getFocusView() const { return focusView; }

	void setTransparency(bool state) override { CViewContainer::setTransparency(state); }
	void enableTooltips(bool state, uint32_t delayTimeInMs = 1000)
	{
		tooltipsEnabled = state;
		tooltipDelay = delayTimeInMs;
	}
	bool tooltipsAreEnabled() const { return tooltipsEnabled; }

	// Events in frame units, as the platform delivers them (after unzooming).
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
	bool onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	             const CButtonState& buttons) override;
	int32_t onKeyDown(VstKeyCode& keyCode) override;
	int32_t onKeyUp(VstKeyCode& keyCode) override;
	// The view the mouse is over, if any.
	CView* getViewUnderMouse() const { return mouseOverView; }

	void registerViewAddedRemovedObserver(IViewAddedRemovedObserver* observer);
	void unregisterViewAddedRemovedObserver(IViewAddedRemovedObserver* observer);
	void registerMouseObserver(IMouseObserver* observer);
	void unregisterMouseObserver(IMouseObserver* observer);
	void registerKeyboardHook(IKeyboardHook* hook);
	void unregisterKeyboardHook(IKeyboardHook* hook);

	// Called by views as they attach and leave.
	void onViewAdded(CView* view);
	void onViewRemoved(CView* view);

	// IPlatformFrameCallback: positions and rectangles in window pixels.
	void platformDrawRect(CDrawContext* context, const CRect& rect) override;
	CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) override;
	CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) override;
	bool platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	                          const CButtonState& buttons) override;
	bool platformOnKeyDown(VstKeyCode& keyCode) override;
	bool platformOnKeyUp(VstKeyCode& keyCode) override;
	void platformOnActivate(bool state) override;

	CLASS_METHODS_NOCOPY(CFrame, CViewContainer)

protected:
	~CFrame() noexcept override;

private:
	CPoint unzoomed(const CPoint& p) const { return {p.x / zoom, p.y / zoom}; }
	void updateMouseOverView(const CPoint& where, const CButtonState& buttons);

	VSTGUIEditorInterface* editor;
	SharedPointer<IPlatformFrame> platformFrame;
	CView* focusView = nullptr;
	CView* mouseOverView = nullptr;
	std::vector<IViewAddedRemovedObserver*> viewObservers;
	std::vector<IMouseObserver*> mouseObservers;
	std::vector<IKeyboardHook*> keyboardHooks;
	double zoom = 1.;
	uint32_t tooltipDelay = 1000;
	bool tooltipsEnabled = false;
	bool opened = false;
};

} // namespace VSTGUI
