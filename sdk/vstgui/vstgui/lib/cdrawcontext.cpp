#include "cdrawcontext.h"
#include "cbitmap.h"

#include <cairo.h>
#include <cmath>

namespace VSTGUI {

const CLineStyle kLineSolid;
const CLineStyle kLineOnOffDash(CLineStyle::kLineCapButt, CLineStyle::kLineJoinMiter, 0., {1., 1.});

CDrawContext::CDrawContext(cairo_t* cr, const CRect& surfaceRect, double scaleFactor)
: cr(cr), surfaceRect(surfaceRect), scaleFactor(scaleFactor > 0. ? scaleFactor : 1.)
{
	cairo_matrix_t m;
	cairo_matrix_init_identity(&m);
	if (cr)
		cairo_get_matrix(cr, &m);
	const double values[6] = {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
	std::copy(values, values + 6, baseMatrix);
	currentState.clip = surfaceRect;
	currentState.font = kNormalFont;
	transformStack.push(CGraphicsTransform());
}

bool CDrawContext::begin(bool antialias) const
{
	if (!cr || currentState.clip.isEmpty())
		return false;
	cairo_save(cr);
	cairo_matrix_t base = {baseMatrix[0], baseMatrix[1], baseMatrix[2], baseMatrix[3], baseMatrix[4], baseMatrix[5]};
	cairo_set_matrix(cr, &base);
	cairo_scale(cr, scaleFactor, scaleFactor);
	const CRect& c = currentState.clip;
	cairo_rectangle(cr, c.left, c.top, c.getWidth(), c.getHeight());
	cairo_clip(cr);
	const auto& t = getCurrentTransform();
	cairo_matrix_t m = {t.m11, t.m21, t.m12, t.m22, t.dx, t.dy};
	cairo_transform(cr, &m);
	cairo_set_antialias(cr, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
	return true;
}

void CDrawContext::end() const
{
	cairo_restore(cr);
}

void CDrawContext::setSourceColor(const CColor& color) const
{
	cairo_set_source_rgba(cr, color.normRed(), color.normGreen(), color.normBlue(),
	                      color.normAlpha() * currentState.globalAlpha);
}

void CDrawContext::applyLineStyle() const
{
	const auto& style = currentState.lineStyle;
	cairo_set_line_width(cr, currentState.lineWidth);
	static const cairo_line_cap_t caps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND, CAIRO_LINE_CAP_SQUARE};
	static const cairo_line_join_t joins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_JOIN_BEVEL};
	cairo_set_line_cap(cr, caps[style.getLineCap()]);
	cairo_set_line_join(cr, joins[style.getLineJoin()]);
	// Dash lengths are in line widths, as VSTGUI gives them.
	std::vector<double> dashes;
	for (auto d : style.getDashLengths())
		dashes.push_back(d * currentState.lineWidth);
	cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), style.getDashPhase());
}

void CDrawContext::fillAndStroke(const CDrawStyle style) const
{
	if (style == kDrawFilled || style == kDrawFilledAndStroked)
	{
		setSourceColor(currentState.fillColor);
		if (style == kDrawFilledAndStroked)
			cairo_fill_preserve(cr);
		else
			cairo_fill(cr);
	}
	if (style == kDrawStroked || style == kDrawFilledAndStroked)
	{
		applyLineStyle();
		setSourceColor(currentState.frameColor);
		cairo_stroke(cr);
	}
}

// In integral mode lines of odd width sit on pixel centres, so they stay sharp.
static double pixelCentre(const CDrawMode& mode, CCoord lineWidth, double v)
{
	if (!mode.integralMode())
		return v;
	return static_cast<int>(std::round(lineWidth)) % 2 ? std::floor(v) + 0.5 : std::round(v);
}

void CDrawContext::drawLine(const CPoint& start, const CPoint& end)
{
	drawLines({{start, end}});
}

void CDrawContext::drawLines(const LineList& lines)
{
	if (lines.empty() || !begin(currentState.drawMode.modeIgnoringIntegralMode() == kAntiAliasing))
		return;
	const auto& mode = currentState.drawMode;
	const CCoord w = currentState.lineWidth;
	for (const auto& line : lines)
	{
		cairo_move_to(cr, pixelCentre(mode, w, line.first.x), pixelCentre(mode, w, line.first.y));
		cairo_line_to(cr, pixelCentre(mode, w, line.second.x), pixelCentre(mode, w, line.second.y));
	}
	fillAndStroke(kDrawStroked);
	end();
}

void CDrawContext::drawPolygon(const PointList& polygon, const CDrawStyle drawStyle)
{
	if (polygon.size() < 2 || !begin(currentState.drawMode.modeIgnoringIntegralMode() == kAntiAliasing))
		return;
	cairo_move_to(cr, polygon[0].x, polygon[0].y);
	for (size_t i = 1; i < polygon.size(); ++i)
		cairo_line_to(cr, polygon[i].x, polygon[i].y);
	fillAndStroke(drawStyle);
	end();
}

void CDrawContext::drawRect(const CRect& rect, const CDrawStyle drawStyle)
{
	if (!begin(currentState.drawMode.modeIgnoringIntegralMode() == kAntiAliasing))
		return;
	if (drawStyle != kDrawStroked)
	{
		cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
		fillAndStroke(kDrawFilled);
	}
	if (drawStyle != kDrawFilled)
	{
		CRect r(rect);
		r.inset(currentState.lineWidth / 2., currentState.lineWidth / 2.); // keep the stroke inside
		cairo_rectangle(cr, r.left, r.top, r.getWidth(), r.getHeight());
		fillAndStroke(kDrawStroked);
	}
	end();
}

void CDrawContext::drawRoundRect(const CRect& rect, CCoord radius, const CDrawStyle drawStyle)
{
	if (!begin(true))
		return;
	CRect r(rect);
	if (drawStyle == kDrawStroked)
		r.inset(currentState.lineWidth / 2., currentState.lineWidth / 2.);
	const double rad = std::max(0., std::min({radius, r.getWidth() / 2., r.getHeight() / 2.}));
	cairo_new_sub_path(cr);
	cairo_arc(cr, r.right - rad, r.top + rad, rad, -M_PI / 2., 0.);
	cairo_arc(cr, r.right - rad, r.bottom - rad, rad, 0., M_PI / 2.);
	cairo_arc(cr, r.left + rad, r.bottom - rad, rad, M_PI / 2., M_PI);
	cairo_arc(cr, r.left + rad, r.top + rad, rad, M_PI, 1.5 * M_PI);
	cairo_close_path(cr);
	fillAndStroke(drawStyle);
	end();
}

void CDrawContext::arcPath(const CRect& rect, double startRadians, double endRadians, bool pie) const
{
	const CPoint c = rect.getCenter();
	cairo_save(cr);
	cairo_translate(cr, c.x, c.y);
	cairo_scale(cr, rect.getWidth() / 2., rect.getHeight() / 2.);
	if (pie)
		cairo_move_to(cr, 0., 0.);
	cairo_arc(cr, 0., 0., 1., startRadians, endRadians);
	if (pie)
		cairo_close_path(cr);
	cairo_restore(cr); // stroke with an unscaled pen
}

void CDrawContext::drawArc(const CRect& rect, const float startAngle1, const float endAngle2,
                           const CDrawStyle drawStyle)
{
	if (rect.isEmpty() || !begin(true))
		return;
	arcPath(rect, startAngle1 * M_PI / 180., endAngle2 * M_PI / 180., drawStyle != kDrawStroked);
	fillAndStroke(drawStyle);
	end();
}

void CDrawContext::drawEllipse(const CRect& rect, const CDrawStyle drawStyle)
{
	if (rect.isEmpty() || !begin(currentState.drawMode.modeIgnoringIntegralMode() == kAntiAliasing))
		return;
	arcPath(rect, 0., 2. * M_PI, false);
	cairo_close_path(cr);
	fillAndStroke(drawStyle);
	end();
}

void CDrawContext::drawPoint(const CPoint& point, const CColor& color)
{
	if (!begin(false))
		return;
	cairo_rectangle(cr, std::floor(point.x), std::floor(point.y), 1., 1.);
	setSourceColor(color);
	cairo_fill(cr);
	end();
}

void CDrawContext::clearRect(const CRect& rect)
{
	if (!begin(false))
		return;
	cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
	cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
	cairo_fill(cr);
	end();
}

double CDrawContext::getDrawingScale() const
{
	// A uniform scale (the frame's zoom) counts; a rotation or a stretch keeps the context's own.
	const auto& t = getCurrentTransform();
	return t.m11 == t.m22 && t.m12 == 0 && t.m21 == 0 && t.m11 > 0 ? scaleFactor * t.m11 : scaleFactor;
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
	if (!bitmap || dest.isEmpty())
		return;
	double resolution = 1.;
	cairo_surface_t* surface = bitmap->getSurface(getDrawingScale(), &resolution);
	if (!surface || !begin(true))
		return;
	cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
	cairo_clip(cr);
	cairo_set_source_surface(cr, surface, dest.left - offset.x, dest.top - offset.y);
	if (resolution != 1.)
	{
		// A larger picture is drawn at the picture's own size: its pixels
		// land one to one at its scale, and are filtered down at 1.5.
		cairo_matrix_t matrix;
		cairo_matrix_init_scale(&matrix, resolution, resolution);
		cairo_matrix_translate(&matrix, offset.x - dest.left, offset.y - dest.top);
		cairo_pattern_set_matrix(cairo_get_source(cr), &matrix);
		cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
	}
	cairo_paint_with_alpha(cr, alpha * currentState.globalAlpha);
	end();
}

void CDrawContext::setFont(const CFontRef font, const CCoord& size, const int32_t& style)
{
	if (!font)
		return;
	if (size > 0 || style >= 0)
	{
		auto copy = makeOwned<CFontDesc>(*font);
		if (size > 0)
			copy->setSize(size);
		if (style >= 0)
			copy->setStyle(style);
		currentState.font = copy;
	}
	else
		currentState.font = font;
}

bool CDrawContext::selectFont() const
{
	const CFontDesc* font = currentState.font ? currentState.font.get() : kNormalFont;
	const int32_t style = font->getStyle();
	cairo_select_font_face(cr, font->getName().empty() ? "Sans" : font->getName().data(),
	                       (style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
	                       (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
	cairo_set_font_size(cr, font->getSize() > 0 ? font->getSize() : 12.);
	return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}

CCoord CDrawContext::getStringWidth(UTF8StringPtr string)
{
	if (!cr || !string)
		return 0;
	cairo_save(cr);
	cairo_text_extents_t extents{};
	if (selectFont())
		cairo_text_extents(cr, string, &extents);
	cairo_restore(cr);
	return extents.x_advance;
}

void CDrawContext::drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign, bool antialias)
{
	if (!string || !*string || !begin(antialias))
		return;
	if (selectFont())
	{
		cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
		cairo_clip(cr);
		cairo_font_extents_t font{};
		cairo_text_extents_t text{};
		cairo_font_extents(cr, &font);
		cairo_text_extents(cr, string, &text);
		double x = rect.left;
		if (hAlign == kCenterText)
			x = rect.left + (rect.getWidth() - text.x_advance) / 2.;
		else if (hAlign == kRightText)
			x = rect.right - text.x_advance;
		const double y = rect.top + (rect.getHeight() + font.ascent - font.descent) / 2.;
		cairo_move_to(cr, std::round(x), std::round(y));
		setSourceColor(currentState.fontColor);
		cairo_show_text(cr, string);
	}
	end();
}

void CDrawContext::drawString(UTF8StringPtr string, const CPoint& point, bool antialias)
{
	if (!string || !*string || !begin(antialias))
		return;
	if (selectFont())
	{
		cairo_move_to(cr, point.x, point.y);
		setSourceColor(currentState.fontColor);
		cairo_show_text(cr, string);
	}
	end();
}

void CDrawContext::setClipRect(const CRect& clip)
{
	CRect r(clip);
	getCurrentTransform().transform(r);
	currentState.clip = r.normalize();
}

CRect& CDrawContext::getClipRect(CRect& clip) const
{
	clip = currentState.clip;
	getCurrentTransform().inverse().transform(clip);
	return clip.normalize();
}

void CDrawContext::resetClipRect()
{
	currentState.clip = surfaceRect;
}

void CDrawContext::saveGlobalState()
{
	stateStack.push(currentState);
}

void CDrawContext::restoreGlobalState()
{
	if (stateStack.empty())
		return;
	currentState = stateStack.top();
	stateStack.pop();
}

void CDrawContext::pushTransform(const CGraphicsTransform& transformation)
{
	transformStack.push(getCurrentTransform() * transformation);
}

void CDrawContext::popTransform()
{
	if (transformStack.size() > 1)
		transformStack.pop();
}

} // namespace VSTGUI
