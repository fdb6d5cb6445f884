#include "cbitmap.h"
#include "cdrawcontext.h"

#include <cairo.h>

namespace VSTGUI {

CBitmap::CBitmap(const CResourceDescription& desc) : resourceDesc(desc)
{
	if (desc.type != CResourceDescription::kStringType || !desc.u.name)
		return;
	// cairo reports a missing or damaged file as an error surface, never by crashing.
	cairo_surface_t* loaded = cairo_image_surface_create_from_png(resourcePath(desc.u.name).c_str());
	if (cairo_surface_status(loaded) == CAIRO_STATUS_SUCCESS)
		surface = loaded;
	else
		cairo_surface_destroy(loaded);
}

CBitmap::CBitmap(CCoord width, CCoord height)
{
	if (width <= 0 || height <= 0)
		return;
	cairo_surface_t* created =
	    cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
	if (cairo_surface_status(created) == CAIRO_STATUS_SUCCESS)
		surface = created;
	else
		cairo_surface_destroy(created);
}

CBitmap::~CBitmap() noexcept
{
	if (surface)
		cairo_surface_destroy(surface);
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha)
{
	if (context)
		context->drawBitmap(this, rect, offset, alpha);
}

CCoord CBitmap::getWidth() const
{
	return surface ? cairo_image_surface_get_width(surface) : 0;
}

CCoord CBitmap::getHeight() const
{
	return surface ? cairo_image_surface_get_height(surface) : 0;
}

} // namespace VSTGUI
