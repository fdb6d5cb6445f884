// What CFrame needs from the platform's window, and what the window tells the
// frame. The frame implements the callback; a platform layer implements the
// frame (on Linux an X11 child window drawn with cairo).
#pragma once

#include "../cbuttonstate.h"
#include "../crect.h"
#include "../vstkeycode.h"

namespace VSTGUI {

class CDrawContext;

enum class PlatformType : int32_t
{
	kHWND,
	kWindowRef,
	kNSView,
	kUIView,
	kHWNDTopLevel,
	kX11EmbedWindowID,
	kDefaultNative = kX11EmbedWindowID,
};

// Platform-specific settings handed to CFrame::open (see platform_x11.h).
struct IPlatformFrameConfig
{
	virtual ~IPlatformFrameConfig() noexcept = default;
};

class IPlatformFrameCallback
{
public:
	virtual ~IPlatformFrameCallback() noexcept = default;

	// Draw everything inside rect (frame coordinates) into the context.
	virtual void platformDrawRect(CDrawContext* context, const CRect& rect) = 0;
	virtual CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) = 0;
	virtual CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) = 0;
	virtual CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) = 0;
	virtual CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) = 0;
	virtual bool platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
	                                  const CButtonState& buttons) = 0;
	virtual bool platformOnKeyDown(VstKeyCode& keyCode) = 0;
	virtual bool platformOnKeyUp(VstKeyCode& keyCode) = 0;
	// The window gained (true) or lost (false) the keyboard focus.
	virtual void platformOnActivate(bool state) = 0;
};

class IPlatformFrame : public NonAtomicReferenceCounted
{
public:
	explicit IPlatformFrame(IPlatformFrameCallback* frame) : frame(frame) {}

	virtual bool getSize(CRect& size) const = 0;
	virtual bool setSize(const CRect& newSize) = 0;
	// Queue a redraw of rect (frame coordinates); drawing happens later, from
	// the platform's event handling, through platformDrawRect.
	virtual bool invalidRect(const CRect& rect) = 0;
	// Ask for the keyboard focus (a text edit was clicked).
	virtual bool takeKeyboardFocus() = 0;
	// On X11 the child window's id, cast to a pointer.
	virtual void* getPlatformRepresentation() const = 0;
	virtual PlatformType getPlatformType() const = 0;

	IPlatformFrameCallback* getFrame() const { return frame; }

protected:
	IPlatformFrameCallback* frame;
};

} // namespace VSTGUI
