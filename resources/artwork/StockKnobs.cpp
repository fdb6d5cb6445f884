// Knob strips of the stock library: opaque knobs on a panel-coloured square
// with a printed scale, and ring knobs on a transparent ground.
#include "Draw.h"
#include "EditorStyle.h"

#include <algorithm>

namespace artwork {

namespace {

void drawScale(cairo_t* cr, double cx, double cy, double inner, double outer, double width) {
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 0.85, 0.87, 0.9, 0.7);
    for (int i = 0; i <= 10; ++i) {
        double a = -135.0 + 27.0 * i, x0, y0, x1, y1;
        polar(cx, cy, inner, a, x0, y0);
        polar(cx, cy, (i % 5 == 0) ? outer : (inner + outer) / 2 + 0.3, a, x1, y1);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
    }
    cairo_stroke(cr);
}

void drawCap(cairo_t* cr, double cx, double cy, double r, Colour body, double angle, double side) {
    softShadow(cr, cx, cy + r * 0.12, r, r * 0.25, 0.5);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    Colour light = mix(body, rgb(0xffffff), 0.35), dark = mix(body, rgb(0x000000), 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    circle(cr, cx, cy, r);
    fillWith(cr, p);
    circle(cr, cx, cy, r * 0.78);
    fillPathVertical(cr, cy - r, 2 * r, mix(body, rgb(0xffffff), 0.18), mix(body, rgb(0x000000), 0.3));
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    circle(cr, cx, cy, r - 0.5);
    cairo_stroke(cr);

    // A pointer that reads on light and dark caps alike.
    bool lightBody = body.r + body.g + body.b > 1.6;
    double x0, y0, x1, y1;
    polar(cx, cy, r * 0.25, angle, x0, y0);
    polar(cx, cy, r * 0.92, angle, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::max(1.5, side * 0.05));
    setColour(cr, lightBody ? rgb(0x1a1a1a) : rgb(0xf4f1ea));
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

}  // namespace

void drawStockKnob(cairo_t* cr, const Picture& p) {
    const Colour body = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double side, double) {
        fillVertical(cr, 0, 0, side, side, palette::panelTop(), palette::panelBottom());
        const double cx = side / 2, cy = side / 2;
        drawScale(cr, cx, cy, side * 0.40, side * 0.47, std::max(1.0, side * 0.022));
        drawCap(cr, cx, cy, side * 0.34, body, knobAngle(f, p.frames), side);
    });
}

void drawAlphaKnob(cairo_t* cr, const Picture& p) {
    const Colour ring = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double side, double) {
        const double cx = side / 2, cy = side / 2, r = side * 0.42, width = std::max(2.0, side * 0.07);
        const double angle = knobAngle(f, p.frames);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, width);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
        knobArc(cr, cx, cy, r, -135, 135);
        cairo_stroke(cr);
        if (angle > -134.0) {
            setColour(cr, ring);
            knobArc(cr, cx, cy, r, -135, angle);
            cairo_stroke(cr);
        }
        drawCap(cr, cx, cy, side * 0.28, rgb(0x30343a), angle, side);
        double dx, dy;
        polar(cx, cy, side * 0.18, angle, dx, dy);
        setColour(cr, ring);
        circle(cr, dx, dy, std::max(1.2, side * 0.035));
        cairo_fill(cr);
    });
}

}  // namespace artwork
