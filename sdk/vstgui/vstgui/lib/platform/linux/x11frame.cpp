#include "x11frame.h"

#include "x11runloops.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace VSTGUI {
namespace X11 {
namespace {

constexpr uint32_t kEventMask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS |
                                XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION |
                                XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW |
                                XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE |
                                XCB_EVENT_MASK_FOCUS_CHANGE;

// XEmbed: protocol version 0, and "map me" (XEMBED_MAPPED).
constexpr uint32_t kXEmbedVersion = 0;
constexpr uint32_t kXEmbedMapped = 1;

// Events read in one pass before control goes back to the host.
constexpr int kMaxPasses = 8;

int pixels(CCoord c)
{
	return std::max(1, static_cast<int>(std::lround(c)));
}

xcb_screen_t* screenOfRoot(xcb_connection_t* connection, xcb_window_t root)
{
	for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; xcb_screen_next(&it))
		if (it.data->root == root)
			return it.data;
	return nullptr;
}

xcb_visualtype_t* visualOf(xcb_screen_t* screen, xcb_visualid_t id)
{
	for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
		for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual))
			if (visual.data->visual_id == id)
				return visual.data;
	return nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
	auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
	xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
	const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
	std::free(reply);
	return atom;
}

} // namespace

SharedPointer<IPlatformFrame> Frame::create(IPlatformFrameCallback* callback, const CRect& size,
                                            uint32_t parentWindow, const SharedPointer<IRunLoop>& runLoop)
{
	if (!callback || !parentWindow || !runLoop)
		return nullptr;
	auto frame = owned(new Frame(callback, size, runLoop));
	if (!frame->open(parentWindow))
		return nullptr;
	return SharedPointer<IPlatformFrame>(frame.get());
}

Frame::Frame(IPlatformFrameCallback* callback, const CRect& size, const SharedPointer<IRunLoop>& runLoop)
: IPlatformFrame(callback), size(size), runLoop(runLoop), dirty(cairo_region_create()), exposed(cairo_region_create())
{
}

Frame::~Frame() noexcept
{
	cancelDrawWhenTimerReturns(this);
	stopListening();
	if (attached)
		detachRunLoop(runLoop.get());
	std::free(pending);
	buffer.reset();
	if (connection)
	{
		if (window)
			xcb_destroy_window(connection, window);
		// A round trip: the window is gone once we return, before the host
		// goes on to destroy or reuse its own window.
		std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
		xcb_disconnect(connection);
	}
	cairo_region_destroy(dirty);
	cairo_region_destroy(exposed);
}

bool Frame::open(uint32_t parentWindow)
{
	connection = xcb_connect(nullptr, nullptr);
	if (xcb_connection_has_error(connection) || !createWindow(parentWindow))
		return false;
	keyboard.load(connection);
	announceEmbedding();
	xcb_map_window(connection, window);

	attachRunLoop(runLoop); // timers may use it from now on
	attached = true;
	listening = runLoop->registerEventHandler(xcb_get_file_descriptor(connection), this);
	markDirty(0, 0, pixels(size.getWidth()), pixels(size.getHeight()));
	postRedraw();
	return listening;
}

bool Frame::createWindow(uint32_t parentWindow)
{
	// Asking for the parent's geometry also proves that it exists.
	auto cookie = xcb_get_geometry(connection, parentWindow);
	xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, cookie, nullptr);
	if (!geometry)
		return false;
	xcb_screen_t* screen = screenOfRoot(connection, geometry->root);
	std::free(geometry);
	if (!screen || !(visual = visualOf(screen, screen->root_visual)))
		return false;

	// The screen's own visual with explicit border and colour map works
	// under any parent, whatever visual the host's window has. No
	// background: the server never clears what the buffer painted.
	window = xcb_generate_id(connection);
	const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, 0, kEventMask, screen->default_colormap};
	auto created = xcb_create_window_checked(
		connection, screen->root_depth, window, parentWindow, 0, 0, static_cast<uint16_t>(pixels(size.getWidth())),
		static_cast<uint16_t>(pixels(size.getHeight())), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
		XCB_CW_BACK_PIXMAP | XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_COLORMAP, values);
	if (xcb_generic_error_t* error = xcb_request_check(connection, created))
	{
		std::free(error);
		window = 0;
		return false;
	}
	buffer = std::make_unique<BackBuffer>(connection, window, visual, screen->root_depth, pixels(size.getWidth()),
	                                      pixels(size.getHeight()));
	return buffer->isValid();
}

void Frame::announceEmbedding()
{
	const xcb_atom_t xembedInfo = internAtom(connection, "_XEMBED_INFO");
	if (xembedInfo == XCB_ATOM_NONE)
		return;
	const uint32_t info[] = {kXEmbedVersion, kXEmbedMapped};
	xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, xembedInfo, xembedInfo, 32, 2, info);
}

bool Frame::getSize(CRect& result) const
{
	result = size;
	return true;
}

bool Frame::setSize(const CRect& newSize)
{
	size = newSize;
	const uint32_t values[] = {static_cast<uint32_t>(pixels(size.getWidth())),
	                           static_cast<uint32_t>(pixels(size.getHeight()))};
	xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
	buffer->resize(pixels(size.getWidth()), pixels(size.getHeight()));
	cairo_region_subtract(exposed, exposed); // nothing left to copy: the image is new
	markDirty(0, 0, pixels(size.getWidth()), pixels(size.getHeight()));
	redrawSoon();
	return true;
}

bool Frame::invalidRect(const CRect& rect)
{
	const int left = static_cast<int>(std::floor(rect.left));
	const int top = static_cast<int>(std::floor(rect.top));
	const int right = static_cast<int>(std::ceil(rect.right));
	const int bottom = static_cast<int>(std::ceil(rect.bottom));
	if (right <= left || bottom <= top)
		return true;
	markDirty(left, top, right - left, bottom - top);
	redrawSoon();
	return true;
}

bool Frame::takeKeyboardFocus()
{
	xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
	xcb_flush(connection);
	return true;
}

void* Frame::getPlatformRepresentation() const
{
	return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

void Frame::markDirty(int x, int y, int width, int height)
{
	const cairo_rectangle_int_t bounds {0, 0, pixels(size.getWidth()), pixels(size.getHeight())};
	cairo_rectangle_int_t rect {x, y, width, height};
	cairo_region_t* area = cairo_region_create_rectangle(&rect);
	cairo_region_intersect_rectangle(area, &bounds);
	cairo_region_union(dirty, area);
	cairo_region_destroy(area);
}

// While events are handled, or a timer fires, drawing follows at the end of
// that pass; otherwise the frame wakes itself.
void Frame::redrawSoon()
{
	if (!dispatching && !drawWhenTimerReturns(this))
		postRedraw();
}

// The run loop calls back only when the connection is readable, so a redraw
// wanted between events is announced with an Expose sent to ourselves.
void Frame::postRedraw()
{
	if (redrawPosted || !listening)
		return;
	char event[32] = {}; // the size of every X event on the wire
	xcb_expose_event_t expose {};
	expose.response_type = XCB_EXPOSE;
	expose.window = window;
	std::memcpy(event, &expose, sizeof expose);
	// Event mask 0: only the window's creator, that is this connection, gets it.
	xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, event);
	xcb_flush(connection);
	redrawPosted = true;
}

void Frame::drawAfterTimer()
{
	if (!listening || dispatching)
		return;
	SharedPointer<Frame> guard(this);
	dispatching = true;
	flushDrawing();
	dispatching = false;
	if (abandoned())
		return;
	// Views that asked again while drawing, and events xcb read while sending,
	// wait for the next pass.
	if (!pending)
		pending = xcb_poll_for_queued_event(connection);
	if (pending || !cairo_region_is_empty(dirty))
		postRedraw();
}

void Frame::onEvent()
{
	if (!listening)
		return;
	SharedPointer<Frame> guard(this); // the frame may let go of us from inside a callback
	dispatching = true;
	for (int pass = 0; pass < kMaxPasses; ++pass)
	{
		while (xcb_generic_event_t* event = nextEvent())
		{
			dispatch(event);
			std::free(event);
			if (abandoned())
				return;
		}
		flushDrawing();
		// Drawing can make xcb read events off the socket; those would not
		// wake the run loop again.
		if (!(pending = xcb_poll_for_queued_event(connection)))
			break;
	}
	dispatching = false;
	if (xcb_connection_has_error(connection))
		stopListening(); // the server is gone: the descriptor would stay readable forever
	else if (pending || !cairo_region_is_empty(dirty))
		postRedraw();
}

xcb_generic_event_t* Frame::nextEvent()
{
	if (pending)
		return std::exchange(pending, nullptr);
	return xcb_poll_for_event(connection);
}

// The owner (CFrame) dropped us while we were calling it: the callback is
// gone and only our guard is left.
bool Frame::abandoned() const
{
	return getNbReference() == 1;
}

void Frame::dispatch(const xcb_generic_event_t* event)
{
	switch (event->response_type & 0x7f)
	{
		case XCB_EXPOSE:
			onExpose(*reinterpret_cast<const xcb_expose_event_t*>(event));
			break;
		case XCB_BUTTON_PRESS:
			onButtonPress(*reinterpret_cast<const xcb_button_press_event_t*>(event));
			break;
		case XCB_BUTTON_RELEASE:
			onButtonRelease(*reinterpret_cast<const xcb_button_release_event_t*>(event));
			break;
		case XCB_MOTION_NOTIFY:
			onMotion(*reinterpret_cast<const xcb_motion_notify_event_t*>(event));
			break;
		case XCB_ENTER_NOTIFY:
		{
			const auto& enter = *reinterpret_cast<const xcb_enter_notify_event_t*>(event);
			CPoint where(enter.event_x, enter.event_y);
			frame->platformOnMouseMoved(where, heldButtons(enter.state) | modifierButtons(enter.state));
			break;
		}
		case XCB_LEAVE_NOTIFY:
			onLeave(*reinterpret_cast<const xcb_leave_notify_event_t*>(event));
			break;
		case XCB_KEY_PRESS:
			onKey(*reinterpret_cast<const xcb_key_press_event_t*>(event), true);
			break;
		case XCB_KEY_RELEASE:
			onKey(*reinterpret_cast<const xcb_key_press_event_t*>(event), false);
			break;
		case XCB_FOCUS_IN:
		case XCB_FOCUS_OUT:
		{
			const auto& focus = *reinterpret_cast<const xcb_focus_in_event_t*>(event);
			if (focus.detail != XCB_NOTIFY_DETAIL_POINTER)
				frame->platformOnActivate((event->response_type & 0x7f) == XCB_FOCUS_IN);
			break;
		}
		case XCB_MAPPING_NOTIFY:
			keyboard.load(connection);
			break;
		default:
			break; // errors of requests nobody waits for, and events we did not ask for
	}
}

void Frame::onExpose(const xcb_expose_event_t& event)
{
	const bool sentBySelf = (event.response_type & 0x80) != 0 && event.width == 0;
	if (sentBySelf)
	{
		redrawPosted = false;
		return;
	}
	// The image holds everything drawn so far: copy, do not repaint.
	cairo_rectangle_int_t rect {event.x, event.y, event.width, event.height};
	cairo_region_union_rectangle(exposed, &rect);
}

void Frame::onButtonPress(const xcb_button_press_event_t& event)
{
	CPoint where(event.event_x, event.event_y);
	WheelStep step;
	if (wheelStep(event.detail, step))
	{
		frame->platformOnMouseWheel(where, step.axis, step.distance, modifierButtons(event.state));
		return;
	}
	const int32_t button = buttonOf(event.detail);
	if (!button)
		return;
	int32_t buttons = button | modifierButtons(event.state);
	if (clicks.isDoubleClick(button, where, event.time))
		buttons |= kDoubleClick;
	frame->platformOnMouseDown(where, buttons);
}

void Frame::onButtonRelease(const xcb_button_release_event_t& event)
{
	const int32_t button = buttonOf(event.detail);
	if (!button)
		return; // wheel buttons act on press only
	CPoint where(event.event_x, event.event_y);
	frame->platformOnMouseUp(where, button | modifierButtons(event.state));
}

void Frame::onMotion(const xcb_motion_notify_event_t& event)
{
	CPoint where(event.event_x, event.event_y);
	frame->platformOnMouseMoved(where, heldButtons(event.state) | modifierButtons(event.state));
}

void Frame::onLeave(const xcb_leave_notify_event_t& event)
{
	// While a button is held the pointer is grabbed and the drag goes on.
	if (heldButtons(event.state) || event.mode != XCB_NOTIFY_MODE_NORMAL)
		return;
	CPoint where(event.event_x, event.event_y);
	frame->platformOnMouseExited(where, modifierButtons(event.state));
}

void Frame::onKey(const xcb_key_press_event_t& event, bool down)
{
	VstKeyCode key;
	if (!keyboard.translate(event.detail, event.state, key))
		return;
	if (down)
		frame->platformOnKeyDown(key);
	else
		frame->platformOnKeyUp(key);
}

void Frame::flushDrawing()
{
	bool sent = false;
	if (!cairo_region_is_empty(dirty))
	{
		// Views may invalidate while they draw; that lands in a fresh region.
		cairo_region_t* painting = std::exchange(dirty, cairo_region_create());
		buffer->paint(painting, [this](cairo_t* cr, const cairo_rectangle_int_t& rect) { paint(cr, rect); });
		// Only what looks different from before goes to the server.
		sent = buffer->presentChanges(painting);
		cairo_region_destroy(painting);
	}
	if (!cairo_region_is_empty(exposed))
	{
		sent = buffer->present(exposed) || sent;
		cairo_region_subtract(exposed, exposed);
	}
	if (sent)
		xcb_flush(connection);
}

void Frame::paint(cairo_t* cr, const cairo_rectangle_int_t& rect)
{
	const CRect surface(0, 0, size.getWidth(), size.getHeight());
	CDrawContext context(cr, surface, 1.0);
	frame->platformDrawRect(&context, CRect(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height));
}

void Frame::stopListening()
{
	if (listening)
		runLoop->unregisterEventHandler(this);
	listening = false;
}

} // namespace X11
} // namespace VSTGUI
