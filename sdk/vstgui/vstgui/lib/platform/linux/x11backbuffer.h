// The frame's drawing surface: views paint into an image in memory, and only
// finished rectangles are copied to the window, so nothing half-drawn (and
// no flicker) ever shows.
#pragma once

#include <cairo/cairo.h>
#include <xcb/xcb.h>

#include <functional>

namespace VSTGUI {
namespace X11 {

class BackBuffer
{
public:
	BackBuffer(xcb_connection_t* connection, xcb_window_t window, xcb_visualtype_t* visual, int width, int height);
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
	// Copies region from the image to the window.
	void present(const cairo_region_t* region);

private:
	cairo_surface_t* windowSurface = nullptr;
	cairo_surface_t* image = nullptr;
};

} // namespace X11
} // namespace VSTGUI
