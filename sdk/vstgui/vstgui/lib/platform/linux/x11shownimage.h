// What the window shows: a copy of the back buffer as last sent to the X
// server. Comparing a freshly painted image with it, tile by tile, tells
// which pixels really changed, so a redraw of views that look the same as
// before sends nothing.
#pragma once

#include <cairo/cairo.h>

#include <cstdint>
#include <vector>

namespace VSTGUI {
namespace X11 {

class ShownImage
{
public:
	// The window's content is unknown: the next comparison finds everything changed.
	void reset(int width, int height);

	// The tiles inside area where image (ARGB32, the window's size) differs
	// from what is shown; they count as shown from now on. The caller owns
	// the region returned.
	cairo_region_t* takeChanges(cairo_surface_t* image, const cairo_region_t* area);

private:
	bool tileDiffers(const uint8_t* data, int stride, const cairo_rectangle_int_t& tile) const;
	void copyTile(const uint8_t* data, int stride, const cairo_rectangle_int_t& tile);

	int width = 0;
	int height = 0;
	bool known = false;
	std::vector<uint32_t> pixels;
};

} // namespace X11
} // namespace VSTGUI
