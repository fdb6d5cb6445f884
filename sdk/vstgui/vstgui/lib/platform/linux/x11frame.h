// The frame's window on X11: a child of the host's window, embedded as XEmbed
// describes, on an xcb connection of its own. Its events are handled when
// the host's run loop reports the connection readable; drawing is collected
// and done at the end of that pass.
#pragma once

#include "x11backbuffer.h"
#include "x11keyboard.h"
#include "x11pointer.h"
#include "x11timer.h"

#include "vstgui/lib/platform/platform_x11.h"

#include <memory>

namespace VSTGUI {
namespace X11 {

class Frame final : public IPlatformFrame, private IEventHandler, private IDrawAfterTimer
{
public:
	// Null when the parent window or the X server cannot be reached.
	static SharedPointer<IPlatformFrame> create(IPlatformFrameCallback* callback, const CRect& size,
	                                            uint32_t parentWindow, const SharedPointer<IRunLoop>& runLoop);
	~Frame() noexcept override;

	bool getSize(CRect& size) const override;
	bool setSize(const CRect& newSize) override;
	bool invalidRect(const CRect& rect) override;
	bool takeKeyboardFocus() override;
	void* getPlatformRepresentation() const override;
	PlatformType getPlatformType() const override { return PlatformType::kX11EmbedWindowID; }

private:
	Frame(IPlatformFrameCallback* callback, const CRect& size, const SharedPointer<IRunLoop>& runLoop);
	bool open(uint32_t parentWindow);
	bool createWindow(uint32_t parentWindow);
	void announceEmbedding();

	void onEvent() override;
	xcb_generic_event_t* nextEvent();
	bool abandoned() const;
	void dispatch(const xcb_generic_event_t* event);
	void onExpose(const xcb_expose_event_t& event);
	void onButtonPress(const xcb_button_press_event_t& event);
	void onButtonRelease(const xcb_button_release_event_t& event);
	void onMotion(const xcb_motion_notify_event_t& event);
	void onLeave(const xcb_leave_notify_event_t& event);
	void onKey(const xcb_key_press_event_t& event, bool down);

	void markDirty(int x, int y, int width, int height);
	void redrawSoon();
	void postRedraw();
	void drawAfterTimer() override;
	void flushDrawing();
	void paint(cairo_t* cr, const cairo_rectangle_int_t& rect);
	void stopListening();

	CRect size;
	SharedPointer<IRunLoop> runLoop;
	bool attached = false;  // runLoop counted among the loops in use
	bool listening = false; // our connection registered on runLoop

	xcb_connection_t* connection = nullptr;
	xcb_window_t window = 0;
	xcb_visualtype_t* visual = nullptr;
	std::unique_ptr<BackBuffer> buffer;

	cairo_region_t* dirty = nullptr;   // to repaint
	cairo_region_t* exposed = nullptr; // to copy to the window
	bool redrawPosted = false;
	bool dispatching = false;
	xcb_generic_event_t* pending = nullptr;

	KeyboardMap keyboard;
	ClickCounter clicks;
};

} // namespace X11
} // namespace VSTGUI
