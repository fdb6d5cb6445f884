// The knobs of the editor window: a dark knurled knob with a white pointer,
// ringed by an amber arc that fills as the value rises.
#include "Draw.h"
#include "EditorStyle.h"

#include <cmath>

namespace artwork {

namespace {

void drawValueArc(cairo_t* cr, const KnobGeometry& g, double angle) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The groove the arc runs in.
    cairo_set_line_width(cr, g.arcWidth + 2.0);
    setColour(cr, withAlpha(rgb(0x000000), 0.55));
    knobArc(cr, g.cx, g.cy, g.arcRadius, -135, 135);
    cairo_stroke(cr);
    cairo_set_line_width(cr, g.arcWidth);
    setColour(cr, rgb(0x15171a));
    knobArc(cr, g.cx, g.cy, g.arcRadius, -135, 135);
    cairo_stroke(cr);
    if (angle <= -134.0) return;

    // A soft glow under the lit part, then the lit part itself.
    cairo_set_line_width(cr, g.arcWidth * 2.2);
    setColour(cr, withAlpha(palette::accent(), 0.18));
    knobArc(cr, g.cx, g.cy, g.arcRadius, -135, angle);
    cairo_stroke(cr);
    cairo_set_line_width(cr, g.arcWidth * 0.8);
    setColour(cr, palette::accent());
    knobArc(cr, g.cx, g.cy, g.arcRadius, -135, angle);
    cairo_stroke(cr);
}

void drawBody(cairo_t* cr, const KnobGeometry& g, double side, double angle) {
    softShadow(cr, g.cx, g.cy + side * 0.035, g.skirtRadius, side * 0.06, 0.55);

    // Knurled skirt, lit from above; the knurls turn with the knob.
    cairo_pattern_t* skirt = cairo_pattern_create_linear(0, g.cy - g.skirtRadius, 0, g.cy + g.skirtRadius);
    cairo_pattern_add_color_stop_rgb(skirt, 0, 0.30, 0.32, 0.36);
    cairo_pattern_add_color_stop_rgb(skirt, 1, 0.07, 0.08, 0.09);
    circle(cr, g.cx, g.cy, g.skirtRadius);
    fillWith(cr, skirt);

    cairo_set_line_width(cr, std::max(1.0, side * 0.012));
    const int knurls = 40;
    for (int i = 0; i < knurls; ++i) {
        double a = angle + 360.0 * i / knurls;
        double x0, y0, x1, y1;
        polar(g.cx, g.cy, g.capRadius + 1.5, a, x0, y0);
        polar(g.cx, g.cy, g.skirtRadius - 0.8, a, x1, y1);
        // Knurls facing the light catch it, the others sink into shade.
        double light = 0.5 + 0.5 * std::cos((a + 30.0) * kPi / 180.0);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.04 + 0.10 * light);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    }
    cairo_set_line_width(cr, 1.0);
    setColour(cr, withAlpha(rgb(0x000000), 0.7));
    circle(cr, g.cx, g.cy, g.skirtRadius - 0.5);
    cairo_stroke(cr);

    // Cap: brushed dome with a fixed highlight.
    cairo_pattern_t* cap = cairo_pattern_create_linear(g.cx - g.capRadius, g.cy - g.capRadius,
                                                       g.cx + g.capRadius, g.cy + g.capRadius);
    cairo_pattern_add_color_stop_rgb(cap, 0, 0.40, 0.43, 0.47);
    cairo_pattern_add_color_stop_rgb(cap, 0.55, 0.20, 0.22, 0.25);
    cairo_pattern_add_color_stop_rgb(cap, 1, 0.11, 0.12, 0.14);
    circle(cr, g.cx, g.cy, g.capRadius);
    fillWith(cr, cap);

    cairo_pattern_t* shine = cairo_pattern_create_radial(g.cx - g.capRadius * 0.35, g.cy - g.capRadius * 0.45, 0,
                                                         g.cx - g.capRadius * 0.35, g.cy - g.capRadius * 0.45,
                                                         g.capRadius * 0.9);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.22);
    cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0.0);
    circle(cr, g.cx, g.cy, g.capRadius);
    fillWith(cr, shine);

    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
    knobArc(cr, g.cx, g.cy, g.capRadius - 0.5, -80, 40);
    cairo_stroke(cr);

    // Pointer: a white line from near the centre over the skirt's edge.
    double x0, y0, x1, y1;
    polar(g.cx, g.cy, g.capRadius * 0.30, angle, x0, y0);
    polar(g.cx, g.cy, g.skirtRadius - 1.0, angle, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, side * 0.045);
    setColour(cr, withAlpha(rgb(0x000000), 0.45));
    cairo_move_to(cr, x0 + 0.6, y0 + 1.0);
    cairo_line_to(cr, x1 + 0.6, y1 + 1.0);
    cairo_stroke(cr);
    cairo_set_line_width(cr, side * 0.035);
    setColour(cr, rgb(0xf4f1ea));
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

}  // namespace

void drawEditorKnob(cairo_t* cr, const Picture& p) {
    const KnobGeometry g = knobGeometry(p.width);
    eachFrame(cr, p, [&](int f, double side, double) {
        double angle = knobAngle(f, p.frames);
        drawValueArc(cr, g, angle);
        drawBody(cr, g, side, angle);
    });
}

}  // namespace artwork
