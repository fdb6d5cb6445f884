// Draws on a cairo context. All coordinates are the caller's local ones;
// the current transform (pushed with CDrawContext::Transform) maps them to the
// frame, the scale factor maps the frame to surface pixels. The context does
// not own the cairo_t and leaves its state as it found it after every call.
#pragma once

#include "ccolor.h"
#include "cdrawdefs.h"
#include "cfont.h"
#include "cgraphicstransform.h"

#include <stack>
#include <utility>
#include <vector>

typedef struct _cairo cairo_t;

namespace VSTGUI {

class CBitmap;

class CDrawContext : public NonAtomicReferenceCounted
{
public:
	using LinePair = std::pair<CPoint, CPoint>;
	using LineList = std::vector<LinePair>;
	using PointList = std::vector<CPoint>;

	CDrawContext(cairo_t* cr, const CRect& surfaceRect, double scaleFactor = 1.0);
	~CDrawContext() noexcept override = default;
	CDrawContext(const CDrawContext&) = delete;
	CDrawContext& operator=(const CDrawContext&) = delete;

	// Shapes
	void drawLine(const CPoint& start, const CPoint& end);
	void drawLine(const LinePair& line) { drawLine(line.first, line.second); }
	void drawLines(const LineList& lines);
	void drawPolygon(const PointList& polygon, const CDrawStyle drawStyle = kDrawStroked);
	void drawRect(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
	// Angles in degrees, clockwise from 3 o'clock.
	void drawArc(const CRect& rect, const float startAngle1, const float endAngle2,
	             const CDrawStyle drawStyle = kDrawStroked);
	void drawEllipse(const CRect& rect, const CDrawStyle drawStyle = kDrawStroked);
	void drawPoint(const CPoint& point, const CColor& color);
	// In-house: VSTGUI builds round rects from graphics paths, which the subset lacks.
	void drawRoundRect(const CRect& rect, CCoord radius, const CDrawStyle drawStyle = kDrawStroked);
	void clearRect(const CRect& rect);

	// Draws the part of the bitmap that starts at offset into dest.
	void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset = CPoint(0, 0), float alpha = 1.f);

	// Text, in the font colour; the rectangle variant centres vertically.
	void setFont(const CFontRef font, const CCoord& size = 0, const int32_t& style = -1);
	CFontRef getFont() const { return currentState.font; }
	CCoord getStringWidth(UTF8StringPtr string);
	void drawString(UTF8StringPtr string, const CRect& rect, const CHoriTxtAlign hAlign = kCenterText,
	                bool antialias = true);
	void drawString(UTF8StringPtr string, const CPoint& point, bool antialias = true);

	// Pen and colours
	void setLineStyle(const CLineStyle& style) { currentState.lineStyle = style; }
	const CLineStyle& getLineStyle() const { return currentState.lineStyle; }
	void setLineWidth(CCoord width) { currentState.lineWidth = width; }
	CCoord getLineWidth() const { return currentState.lineWidth; }
	void setDrawMode(CDrawMode mode) { currentState.drawMode = mode; }
	CDrawMode getDrawMode() const { return currentState.drawMode; }
	void setFillColor(const CColor& color) { currentState.fillColor = color; }
	CColor getFillColor() const { return currentState.fillColor; }
	void setFrameColor(const CColor& color) { currentState.frameColor = color; }
	CColor getFrameColor() const { return currentState.frameColor; }
	void setFontColor(const CColor& color) { currentState.fontColor = color; }
	CColor getFontColor() const { return currentState.fontColor; }
	void setGlobalAlpha(float newAlpha) { currentState.globalAlpha = newAlpha; }
	float getGlobalAlpha() const { return currentState.globalAlpha; }

	// Clipping, in local coordinates.
	void setClipRect(const CRect& clip);
	CRect& getClipRect(CRect& clip) const;
	void resetClipRect();

	// Saves and restores pen, colours, font, alpha and clip.
	void saveGlobalState();
	void restoreGlobalState();

	// Local-to-frame transform.
	const CGraphicsTransform& getCurrentTransform() const { return transformStack.top(); }
	void pushTransform(const CGraphicsTransform& transformation);
	void popTransform();
	// Applies a transform for its own lifetime.
	struct Transform
	{
		Transform(CDrawContext& context, const CGraphicsTransform& transformation) : context(context)
		{
			context.pushTransform(transformation);
		}
		~Transform() noexcept { context.popTransform(); }
		Transform(const Transform&) = delete;
		Transform& operator=(const Transform&) = delete;

	private:
		CDrawContext& context;
	};

	double getScaleFactor() const { return scaleFactor; }
	// Surface pixels per local unit: the scale factor times the transform's
	// scale (the frame's zoom); bitmaps pick their resolution by it.
	double getDrawingScale() const;
	const CRect& getSurfaceRect() const { return surfaceRect; }
	cairo_t* getCairo() const { return cr; }

private:
	struct State
	{
		CRect clip; // in frame coordinates
		CColor frameColor = kBlackCColor;
		CColor fillColor = kWhiteCColor;
		CColor fontColor = kBlackCColor;
		SharedPointer<CFontDesc> font;
		CCoord lineWidth = 1.;
		CLineStyle lineStyle;
		CDrawMode drawMode;
		float globalAlpha = 1.f;
	};

	// Sets up the cairo context for one drawing call (save; clip; transform).
	bool begin(bool antialias) const;
	void end() const;
	void setSourceColor(const CColor& color) const;
	void applyLineStyle() const;
	void fillAndStroke(const CDrawStyle style) const;
	// An elliptic arc inside rect; a pie closes it through the centre.
	void arcPath(const CRect& rect, double startRadians, double endRadians, bool pie) const;
	bool selectFont() const;

	cairo_t* cr;
	CRect surfaceRect;
	double scaleFactor;
	double baseMatrix[6]; // the cairo matrix found at construction
	State currentState;
	std::stack<State> stateStack;
	std::stack<CGraphicsTransform> transformStack;
};

} // namespace VSTGUI
