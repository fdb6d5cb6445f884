// The frame's drawing surface: views paint into an image in memory, and only
// finished rectangles are copied to the window, so nothing half-drawn (and
// no flicker) ever shows. Of what was repainted, only the pixels that differ
// from what the window already shows are sent.
#pragma once

#include "x11shownimage.h"

#include <cairo/cairo.h>
#include <xcb/xcb.h>

#include <functional>
#include <vector>

namespace VSTGUI {
namespace X11 {

class BackBuffer
{
public:
	BackBuffer(xcb_connection_t* connection, xcb_window_t window, xcb_visualtype_t* visual, uint8_t depth, int width,
	           int height);
	~BackBuffer();
	BackBuffer(const BackBuffer&) = delete;
	BackBuffer& operator=(const BackBuffer&) = delete;

	bool isValid() const;
	// Resizing keeps nothing; the caller redraws everything.
	void resize(int width, int height);

	// Paints each rectangle of region into the image; paint sees a context
	// clipped to the rectangle, cleared to transparent.
	using Painter = std::function<void(cairo_t*, const cairo_rectangle_int_t&)>;
	void paint(const cairo_region_t* region, const Painter& painter);
	// Sends the window what changed inside the painted region since it was
	// last shown; false when nothing had changed and nothing was sent.
	bool presentChanges(const cairo_region_t* painted);
	// Sends region as it stands (the server lost that part of the window).
	bool present(const cairo_region_t* region);

private:
	void putImage(const cairo_rectangle_int_t& rect);
	bool presentWithCairo(const cairo_region_t* region);

	xcb_connection_t* connection;
	xcb_window_t window;
	xcb_visualtype_t* visual;
	uint8_t depth;
	int width = 1;
	int height = 1;
	cairo_surface_t* image = nullptr;
	ShownImage shown;

	// The image's pixels go to the window as they are when the window's
	// format is 32-bit xRGB in our byte order (every common Linux desktop);
	// any other format is converted by cairo.
	bool sameFormat = false;
	xcb_gcontext_t gc = 0;
	uint32_t maxRequestBytes = 0;
	std::vector<uint32_t> rows; // one request's pixels
	cairo_surface_t* windowSurface = nullptr;
};

} // namespace X11
} // namespace VSTGUI
