// Buttons and switches of the stock library. Two-image pictures hold off
// above on; radio strips and lever switches hold one image per position.
#include "Draw.h"
#include "EditorStyle.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

void glow(cairo_t* cr, double cx, double cy, double radius, Colour c, double strength) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, strength);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    circle(cr, cx, cy, radius);
    fillWith(cr, g);
}

void lamp(cairo_t* cr, double cx, double cy, double r, Colour c, bool lit) {
    circle(cr, cx, cy, r + 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_fill(cr);
    if (lit) glow(cr, cx, cy, r * 1.9, c, 0.45);
    Colour face = lit ? c : mix(c, rgb(0x000000), 0.72);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 0, cx, cy, r);
    Colour hi = lit ? mix(c, rgb(0xffffff), 0.7) : mix(face, rgb(0xffffff), 0.15);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, face.r, face.g, face.b);
    circle(cr, cx, cy, r);
    fillWith(cr, p);
}

void key(cairo_t* cr, double x, double y, double w, double h, double radius, bool pressed) {
    roundedRect(cr, x, y, w, h, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    roundedRect(cr, x + 1, y + 1, w - 2, h - 2, radius - 1);
    if (pressed)
        fillPathVertical(cr, y, h, rgb(0x23262b), rgb(0x31353c));
    else
        fillPathVertical(cr, y, h, rgb(0x4a5058), rgb(0x2c3036));
}

}  // namespace

void drawLedButton(cairo_t* cr, const Picture& p) {
    eachFrame(cr, p, [&](int f, double w, double h) {
        double r = std::min(w, h) * 0.32;
        lamp(cr, w / 2, h / 2, r, rgb(p.look.colour), f == 1);
    });
}

void drawPushButton(cairo_t* cr, const Picture& p) {
    const Colour c = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double w, double h) {
        const double cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.42;
        const bool on = f == 1;
        circle(cr, cx, cy, r + 1);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.65);
        cairo_fill(cr);
        // Collar: the colour lights when on.
        circle(cr, cx, cy, r);
        setColour(cr, on ? c : mix(c, rgb(0x000000), 0.7));
        cairo_fill(cr);
        if (on) glow(cr, cx, cy, r, mix(c, rgb(0xffffff), 0.4), 0.5);
        double capR = r * (p.look.variant ? 0.8 : 0.72) - (on ? 0.6 : 0);
        circle(cr, cx, cy + (on ? 0.6 : 0), capR);
        Colour capTop = p.look.variant ? mix(c, rgb(0xffffff), 0.25) : rgb(0x4c525a);
        Colour capBottom = p.look.variant ? mix(c, rgb(0x000000), 0.45) : rgb(0x23262b);
        fillPathVertical(cr, cy - capR, 2 * capR, on ? capBottom : capTop, on ? capTop : capBottom);
    });
}

void drawCaptionButton(cairo_t* cr, const Picture& p) {
    const Colour c = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double w, double h) {
        const bool on = f == 1;
        key(cr, 1, 1, w - 2, h - 2, 4, on);
        const double lampY = h - 5;
        roundedRect(cr, w * 0.25, lampY, w * 0.5, 2, 1);
        setColour(cr, on ? c : mix(c, rgb(0x000000), 0.75));
        cairo_fill(cr);
        if (*p.look.caption)
            textCentred(cr, p.look.caption, w / 2, h * 0.58, Font{std::min(9.0, h * 0.36), true, 0.5, 0.92},
                        on ? c : palette::textDim());
        else if (on)
            glow(cr, w / 2, h / 2, w * 0.45, c, 0.3);
    });
}

void drawToggleSwitch(cairo_t* cr, const Picture& p) {
    const Colour metal = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double w, double h) {
        const bool on = f == 1;
        if (p.look.variant == 2) {  // sideways slide switch
            roundedRect(cr, 2, h * 0.3, w - 4, h * 0.4, h * 0.2);
            setColour(cr, palette::well());
            cairo_fill(cr);
            double kx = on ? w - 4 - w * 0.42 : 4;
            roundedRect(cr, kx, h * 0.18, w * 0.42 - 2, h * 0.64, 3);
            fillPathVertical(cr, h * 0.18, h * 0.64, mix(metal, rgb(0xffffff), 0.3), mix(metal, rgb(0x000000), 0.4));
            return;
        }
        if (p.look.variant == 1) {  // rocker, the pressed half darker
            roundedRect(cr, 2, 2, w - 4, h - 4, 4);
            setColour(cr, rgb(0x0d0e10));
            cairo_fill(cr);
            double half = (h - 8) / 2;
            fillVertical(cr, 4, 4, w - 8, half, on ? rgb(0x555b64) : rgb(0x24272c), on ? rgb(0x3a3f46) : rgb(0x2e3238));
            fillVertical(cr, 4, 4 + half, w - 8, half, on ? rgb(0x2e3238) : rgb(0x3a3f46),
                         on ? rgb(0x24272c) : rgb(0x555b64));
            lamp(cr, w / 2, on ? 4 + half / 2 : 4 + half * 1.5, w * 0.1, palette::accent(), on);
            return;
        }
        // Bat toggle: a nut with the lever up when on, down when off.
        const double cx = w / 2, cy = h / 2, nut = w * 0.4;
        circle(cr, cx, cy, nut);
        fillPathVertical(cr, cy - nut, 2 * nut, rgb(0xd8dce2), rgb(0x5a6068));
        double tipY = on ? h * 0.1 : h * 0.9;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, w * 0.22);
        setColour(cr, mix(metal, rgb(0x000000), 0.25));
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx, tipY);
        cairo_stroke(cr);
        circle(cr, cx, tipY, w * 0.16);
        setColour(cr, metal);
        cairo_fill(cr);
    });
}

void drawRadioStrip(cairo_t* cr, const Picture& p) {
    const int n = p.frames;
    const Colour c = rgb(p.look.colour);
    eachFrame(cr, p, [&](int f, double w, double h) {
        const double cell = w / n;
        for (int i = 0; i < n; ++i) lamp(cr, cell * (i + 0.5), h / 2, cell * 0.3, c, i == f);
    });
}

void drawAssignButton(cairo_t* cr, const Picture& p) { drawCaptionButton(cr, p); }

void drawMultiSwitch(cairo_t* cr, const Picture& p) {
    eachFrame(cr, p, [&](int f, double w, double h) {
        const bool horizontal = p.look.horizontal;
        const double length = horizontal ? w : h, across = horizontal ? h : w;
        auto at = [&](double along, double side, double& x, double& y) {
            x = horizontal ? along : side;
            y = horizontal ? side : along;
        };
        // Slot, three position marks, and the lever in position f.
        double x, y;
        at(length * 0.15, across * 0.35, x, y);
        roundedRect(cr, x, y, horizontal ? length * 0.7 : across * 0.3, horizontal ? across * 0.3 : length * 0.7,
                    across * 0.15);
        setColour(cr, palette::well());
        cairo_fill(cr);
        for (int i = 0; i < 3; ++i) {
            at(length * (0.22 + 0.28 * i), across * 0.12, x, y);
            circle(cr, x, y, 1.2);
            setColour(cr, i == f ? palette::accent() : palette::textFaint());
            cairo_fill(cr);
        }
        at(length * (0.22 + 0.28 * f), across * 0.55, x, y);
        circle(cr, x, y, across * 0.28);
        fillPathVertical(cr, y - across * 0.28, across * 0.56, rgb(0xd8dce2), rgb(0x5a6068));
    });
}

}  // namespace artwork
