#include "ctextlabel.h"
#include "../cbitmap.h"
#include "../cdrawcontext.h"

#include <cairo.h>

namespace VSTGUI {

CTextLabel::CTextLabel(const CRect& size, UTF8StringPtr txt, CBitmap* background, const int32_t style)
: CParamDisplay(size, background, style), text(txt)
{
}

void CTextLabel::setText(const UTF8String& txt)
{
	if (text == txt)
		return;
	text = txt;
	setDirty(true);
}

void CTextLabel::draw(CDrawContext* context)
{
	drawBack(context);
	drawPlatformText(context, text.data());
	setDirty(false);
}

bool CTextLabel::sizeToFit()
{
	// Measure on a scratch surface: the label may not be in a window yet.
	cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
	cairo_t* cr = cairo_create(surface);
	CCoord width = 0;
	{
		CDrawContext context(cr, CRect(0, 0, 1, 1));
		context.setFont(getFont());
		width = context.getStringWidth(text.data());
	}
	cairo_destroy(cr);
	cairo_surface_destroy(surface);
	CRect r(size);
	r.setWidth(width + textInset.x * 2. + 2.);
	setViewSize(r);
	setMouseableArea(r);
	return true;
}

} // namespace VSTGUI
