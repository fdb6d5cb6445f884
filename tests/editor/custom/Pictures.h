// Small synthetic pictures for the controls' drawing tests.
#pragma once

#include "vstgui/lib/cbitmap.h"

#include <cairo.h>

#include <functional>

namespace CustomViewTest {

// A vertical strip of count images of width × height; image i is filled with
// the opaque colour colour(i) (0xRRGGBB).
inline VSTGUI::SharedPointer<VSTGUI::CBitmap> strip(int width, int height, int count,
                                                     const std::function<uint32_t(int)>& colour)
{
	auto bitmap = VSTGUI::makeOwned<VSTGUI::CBitmap>(width, height * count);
	cairo_t* cr = cairo_create(bitmap->getSurface());
	for (int i = 0; i < count; ++i)
	{
		const uint32_t c = colour(i);
		cairo_set_source_rgb(cr, ((c >> 16) & 255) / 255., ((c >> 8) & 255) / 255., (c & 255) / 255.);
		cairo_rectangle(cr, 0, i * height, width, height);
		cairo_fill(cr);
	}
	cairo_destroy(cr);
	return bitmap;
}

inline VSTGUI::SharedPointer<VSTGUI::CBitmap> filled(int width, int height, uint32_t colour)
{
	return strip(width, height, 1, [colour](int) { return colour; });
}

} // namespace CustomViewTest
