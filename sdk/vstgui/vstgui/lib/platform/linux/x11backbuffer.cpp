#include "x11backbuffer.h"

#include <cairo/cairo-xcb.h>

#include <algorithm>

namespace VSTGUI {
namespace X11 {
namespace {

// Past this many rectangles one pass over their bounds is cheaper.
constexpr int kMaxSeparateRects = 16;

template <typename Each>
void forEachRect(const cairo_region_t* region, Each each)
{
	const int count = cairo_region_num_rectangles(region);
	if (count > kMaxSeparateRects)
	{
		cairo_rectangle_int_t bounds;
		cairo_region_get_extents(region, &bounds);
		each(bounds);
		return;
	}
	for (int i = 0; i < count; ++i)
	{
		cairo_rectangle_int_t rect;
		cairo_region_get_rectangle(region, i, &rect);
		each(rect);
	}
}

} // namespace

BackBuffer::BackBuffer(xcb_connection_t* connection, xcb_window_t window, xcb_visualtype_t* visual, int width,
                       int height)
{
	width = std::max(width, 1);
	height = std::max(height, 1);
	windowSurface = cairo_xcb_surface_create(connection, window, visual, width, height);
	image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

BackBuffer::~BackBuffer()
{
	if (image)
		cairo_surface_destroy(image);
	if (windowSurface)
	{
		// cairo keeps per-connection state; finishing the device drops it
		// before the connection closes, so that a new connection that gets
		// the same address is not mistaken for this one.
		cairo_surface_finish(windowSurface);
		if (cairo_device_t* device = cairo_surface_get_device(windowSurface))
			cairo_device_finish(device);
		cairo_surface_destroy(windowSurface);
	}
}

bool BackBuffer::isValid() const
{
	return cairo_surface_status(windowSurface) == CAIRO_STATUS_SUCCESS &&
	       cairo_surface_status(image) == CAIRO_STATUS_SUCCESS;
}

void BackBuffer::resize(int width, int height)
{
	width = std::max(width, 1);
	height = std::max(height, 1);
	cairo_xcb_surface_set_size(windowSurface, width, height);
	cairo_surface_destroy(image);
	image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

void BackBuffer::paint(const cairo_region_t* region, const Painter& painter)
{
	if (!isValid())
		return;
	forEachRect(region, [&](const cairo_rectangle_int_t& rect) {
		cairo_t* cr = cairo_create(image);
		cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
		cairo_clip(cr);
		cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
		cairo_paint(cr);
		cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
		painter(cr, rect);
		cairo_destroy(cr);
	});
	cairo_surface_flush(image);
}

void BackBuffer::present(const cairo_region_t* region)
{
	if (!isValid() || cairo_region_is_empty(region))
		return;
	cairo_t* cr = cairo_create(windowSurface);
	cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
	cairo_set_source_surface(cr, image, 0, 0);
	forEachRect(region, [cr](const cairo_rectangle_int_t& rect) {
		cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
	});
	cairo_fill(cr);
	cairo_destroy(cr);
	cairo_surface_flush(windowSurface);
}

} // namespace X11
} // namespace VSTGUI
