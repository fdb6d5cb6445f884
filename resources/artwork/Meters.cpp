// Meter pictures: needle meters as one frame per needle position, and LED
// bars as a fully lit and a fully dark picture the meter cuts to length.
#include "Draw.h"
#include "EditorStyle.h"

#include <algorithm>

namespace artwork {

namespace {
constexpr double kSwing = 48.0;  // needle travel either side of upright

void drawMeterFace(cairo_t* cr, double w, double h, double px, double py, double radius) {
    roundedRect(cr, 0, 0, w, h, std::min(4.0, h * 0.1));
    setColour(cr, rgb(0x111214));
    cairo_fill(cr);
    roundedRect(cr, 2, 2, w - 4, h - 4, std::min(3.0, h * 0.08));
    fillPathVertical(cr, 2, h - 4, rgb(0xf3ead2), rgb(0xd9cca6));

    // Scale: black up to the red zone, which takes the last fifth.
    const double redFrom = kSwing * 0.6;
    cairo_set_line_width(cr, std::max(1.0, h * 0.022));
    setColour(cr, rgb(0x222222));
    knobArc(cr, px, py, radius, -kSwing, redFrom);
    cairo_stroke(cr);
    cairo_set_line_width(cr, std::max(2.0, h * 0.05));
    setColour(cr, rgb(0xc8281e));
    knobArc(cr, px, py, radius + h * 0.015, redFrom, kSwing);
    cairo_stroke(cr);
    cairo_set_line_width(cr, std::max(1.0, h * 0.018));
    for (int i = 0; i <= 12; ++i) {
        double a = -kSwing + 2 * kSwing * i / 12, x0, y0, x1, y1;
        polar(px, py, radius, a, x0, y0);
        polar(px, py, radius + (i % 3 == 0 ? h * 0.09 : h * 0.05), a, x1, y1);
        setColour(cr, a >= redFrom ? rgb(0xc8281e) : rgb(0x222222));
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    }
    if (h >= 40) {
        textCentred(cr, "VU", w / 2, py - radius * 0.38, Font{h * 0.16, true, 0.5, 1.0}, rgb(0x2a2a2a));
        textAt(cr, "-20", 4 + w * 0.04, h * 0.2 + h * 0.08, Font{h * 0.09, false}, rgb(0x3a3a3a));
        textAt(cr, "+3", w - 4 - w * 0.1, h * 0.2 + h * 0.08, Font{h * 0.09, false}, rgb(0xc8281e));
    }
}

}  // namespace

void drawAnalogMeter(cairo_t* cr, const Picture& p) {
    eachFrame(cr, p, [&](int f, double w, double h) {
        const double px = w / 2, py = h * 1.08;
        const double radius = std::min(h * 0.78, (w / 2 - 6) / 0.75);
        drawMeterFace(cr, w, h, px, py, radius);
        // Needle from the hidden pivot, with a faint shadow on the face.
        const double angle = knobAngle(f, p.frames, -kSwing, 2 * kSwing);
        double x0, y0, x1, y1;
        polar(px, py, h * 0.3, angle, x0, y0);
        polar(px, py, radius + h * 0.08, angle, x1, y1);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, std::max(1.0, h * 0.022));
        cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
        cairo_move_to(cr, x0 + 1.5, y0 + 1);
        cairo_line_to(cr, x1 + 1.5, y1 + 1);
        cairo_stroke(cr);
        setColour(cr, rgb(0x141414));
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
        // Base plate over the pivot and the glass's sheen.
        fillVertical(cr, 2, h * 0.82, w - 4, h * 0.18 - 2, rgb(0x2a2c30), rgb(0x141518));
        cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, h * 0.5);
        cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0.0);
        cairo_rectangle(cr, 2, 2, w - 4, h * 0.5);
        fillWith(cr, sheen);
    });
}

void drawLedMeter(cairo_t* cr, const Picture& p) {
    const bool horizontal = p.look.horizontal;
    const double w = p.width, h = p.height;
    const double length = horizontal ? w : h;
    const int leds = 10;
    const double pitch = length / leds;
    fillVertical(cr, 0, 0, w, h, rgb(0x0c0d0f), rgb(0x0c0d0f));
    for (int i = 0; i < leds; ++i) {
        // i counts from where the bar starts to light: the bottom, the left,
        // or the far end when inverted.
        double t = double(i) / (leds - 1);
        Colour c = p.look.inverted ? mix(rgb(0xf2c23a), rgb(0xe0503e), t)
                                   : (t < 0.6 ? mix(rgb(0x4cd06a), rgb(0xd8e04a), t / 0.6)
                                              : mix(rgb(0xf2a33a), rgb(0xe0382e), (t - 0.6) / 0.4));
        if (!p.look.lit) c = mix(c, rgb(0x000000), 0.8);
        double start = pitch * i + 1;
        bool fromFarEnd = horizontal ? p.look.inverted : !p.look.inverted;
        double along = fromFarEnd ? length - start - (pitch - 2) : start;
        double x = horizontal ? along : 2, y = horizontal ? 2 : along;
        double bw = horizontal ? pitch - 2 : w - 4, bh = horizontal ? h - 4 : pitch - 2;
        roundedRect(cr, x, y, bw, bh, 1.2);
        setColour(cr, c);
        cairo_fill(cr);
        if (p.look.lit) {
            roundedRect(cr, x + 1, y + 1, bw - 2, std::min(bh, 3.0) - 1, 0.8);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
            cairo_fill(cr);
        }
    }
}

}  // namespace artwork
