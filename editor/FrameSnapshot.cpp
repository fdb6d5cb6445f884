#include "FrameSnapshot.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"

#include <cairo.h>

#include <cmath>
#include <memory>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

bool writeFramePng(VSTGUI::CFrame& frame, const char* path)
{
	// The window's pixels: the frame's size times its zoom.
	const VSTGUI::CRect size = frame.getViewSize();
	const int width = static_cast<int>(std::lround(size.getWidth() * frame.getZoom()));
	const int height = static_cast<int>(std::lround(size.getHeight() * frame.getZoom()));
	if (width <= 0 || height <= 0)
		return false;

	const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
		cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), &cairo_surface_destroy);
	const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), &cairo_destroy);
	if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
		return false;
	{
		VSTGUI::CDrawContext context(cr.get(), VSTGUI::CRect(0, 0, width, height));
		frame.drawRect(&context, size);
	}
	cairo_surface_flush(surface.get());
	return cairo_surface_write_to_png(surface.get(), path) == CAIRO_STATUS_SUCCESS;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
