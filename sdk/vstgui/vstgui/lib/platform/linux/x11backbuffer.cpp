#include "x11backbuffer.h"

#include <cairo/cairo-xcb.h>

#include <algorithm>
#include <cstring>

namespace VSTGUI {
namespace X11 {
namespace {

// Past this many rectangles one pass over their bounds is cheaper.
constexpr int kMaxSeparateRects = 16;
// The rectangles of a comparison are tiles; sending each keeps the bytes down.
constexpr int kMaxSeparateTiles = 1024;
constexpr uint32_t kPutImageHeaderBytes = 24;

template <typename Each>
void forEachRect(const cairo_region_t* region, Each each, int maxSeparate = kMaxSeparateRects)
{
	const int count = cairo_region_num_rectangles(region);
	if (count > maxSeparate)
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

bool hostIsLittleEndian()
{
	const uint32_t one = 1;
	uint8_t first;
	std::memcpy(&first, &one, 1);
	return first == 1;
}

// True when ARGB32 pixels in memory are the window's pixels as they are.
bool windowTakesImagePixels(xcb_connection_t* connection, const xcb_visualtype_t* visual, uint8_t depth)
{
	if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR || visual->red_mask != 0xff0000 ||
	    visual->green_mask != 0x00ff00 || visual->blue_mask != 0x0000ff || (depth != 24 && depth != 32))
		return false;
	const xcb_setup_t* setup = xcb_get_setup(connection);
	const bool serverLittleEndian = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
	if (serverLittleEndian != hostIsLittleEndian())
		return false;
	for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
		if (it.data->depth == depth)
			return it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
	return false;
}

} // namespace

BackBuffer::BackBuffer(xcb_connection_t* connection, xcb_window_t window, xcb_visualtype_t* visual, uint8_t depth,
                       int width, int height)
: connection(connection), window(window), visual(visual), depth(depth)
{
	sameFormat = windowTakesImagePixels(connection, visual, depth);
	if (sameFormat)
	{
		gc = xcb_generate_id(connection);
		const uint32_t noExposures = 0;
		xcb_create_gc(connection, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
		maxRequestBytes = xcb_get_maximum_request_length(connection) * 4u;
	}
	resize(width, height);
}

BackBuffer::~BackBuffer()
{
	if (image)
		cairo_surface_destroy(image);
	if (gc)
		xcb_free_gc(connection, gc);
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
	return image && cairo_surface_status(image) == CAIRO_STATUS_SUCCESS &&
	       (sameFormat || cairo_surface_status(windowSurface) == CAIRO_STATUS_SUCCESS);
}

void BackBuffer::resize(int newWidth, int newHeight)
{
	width = std::max(newWidth, 1);
	height = std::max(newHeight, 1);
	if (image)
		cairo_surface_destroy(image);
	image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
	shown.reset(width, height);
	if (sameFormat)
		return;
	if (windowSurface)
		cairo_xcb_surface_set_size(windowSurface, width, height);
	else
		windowSurface = cairo_xcb_surface_create(connection, window, visual, width, height);
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

bool BackBuffer::presentChanges(const cairo_region_t* painted)
{
	if (!isValid() || cairo_region_is_empty(painted))
		return false;
	cairo_region_t* changed = shown.takeChanges(image, painted);
	const bool sent = present(changed);
	cairo_region_destroy(changed);
	return sent;
}

bool BackBuffer::present(const cairo_region_t* region)
{
	if (!isValid() || cairo_region_is_empty(region))
		return false;
	if (!sameFormat)
		return presentWithCairo(region);
	forEachRect(region, [this](const cairo_rectangle_int_t& rect) { putImage(rect); }, kMaxSeparateTiles);
	return true;
}

// One PutImage per band of rows that fits in a request.
void BackBuffer::putImage(const cairo_rectangle_int_t& rect)
{
	const int left = std::max(rect.x, 0);
	const int top = std::max(rect.y, 0);
	const int right = std::min(rect.x + rect.width, width);
	const int bottom = std::min(rect.y + rect.height, height);
	if (right <= left || bottom <= top)
		return;
	const int bandWidth = right - left;
	const uint32_t rowBytes = static_cast<uint32_t>(bandWidth) * 4u;
	const int rowsPerRequest = static_cast<int>(std::max<uint32_t>(1, (maxRequestBytes - kPutImageHeaderBytes) / rowBytes));
	const uint8_t* data = cairo_image_surface_get_data(image);
	const int stride = cairo_image_surface_get_stride(image);
	for (int y = top; y < bottom; y += rowsPerRequest)
	{
		const int bandRows = std::min(rowsPerRequest, bottom - y);
		rows.resize(static_cast<size_t>(bandWidth) * static_cast<size_t>(bandRows));
		for (int row = 0; row < bandRows; ++row)
			std::memcpy(&rows[static_cast<size_t>(row) * static_cast<size_t>(bandWidth)],
			            data + static_cast<size_t>(y + row) * static_cast<size_t>(stride) + static_cast<size_t>(left) * 4u,
			            rowBytes);
		xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, static_cast<uint16_t>(bandWidth),
		              static_cast<uint16_t>(bandRows), static_cast<int16_t>(left), static_cast<int16_t>(y), 0, depth,
		              rowBytes * static_cast<uint32_t>(bandRows), reinterpret_cast<const uint8_t*>(rows.data()));
	}
}

bool BackBuffer::presentWithCairo(const cairo_region_t* region)
{
	cairo_t* cr = cairo_create(windowSurface);
	cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
	cairo_set_source_surface(cr, image, 0, 0);
	forEachRect(region, [cr](const cairo_rectangle_int_t& rect) {
		cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
	});
	cairo_fill(cr);
	cairo_destroy(cr);
	cairo_surface_flush(windowSurface);
	return true;
}

} // namespace X11
} // namespace VSTGUI
