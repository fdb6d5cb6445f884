// The editor's two switches: a caption over two keys, the key of the current
// state lit. Off (the top image) selects the left word, on the right word.
#include "Draw.h"
#include "EditorStyle.h"

namespace artwork {

namespace {

struct SwitchFace {
    const char* caption;
    const char* leftWord;
    const char* rightWord;
    Colour leftLit;
    Colour rightLit;
    double top;  // the two plates line up although the views start a pixel apart
};

void drawKey(cairo_t* cr, double x, double y, double w, double h, const char* word, bool lit, Colour litColour) {
    if (lit) {
        roundedRect(cr, x, y, w, h, 3);
        setColour(cr, rgb(0x101214));
        cairo_fill(cr);
        // Glow spilling from the lit word.
        cairo_pattern_t* glow = cairo_pattern_create_radial(x + w / 2, y + h * 0.55, 0, x + w / 2, y + h * 0.55, w * 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 0, litColour.r, litColour.g, litColour.b, 0.28);
        cairo_pattern_add_color_stop_rgba(glow, 1, litColour.r, litColour.g, litColour.b, 0.0);
        roundedRect(cr, x, y, w, h, 3);
        fillWith(cr, glow);
        // Lamp strip along the key's foot.
        roundedRect(cr, x + 5, y + h - 4, w - 10, 2, 1);
        setColour(cr, litColour);
        cairo_fill(cr);
        textCentred(cr, word, x + w / 2, y + h * 0.62, Font{9, true, 0.4, 0.92}, litColour);
    } else {
        roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 3);
        fillPathVertical(cr, y, h, rgb(0x3c424a), rgb(0x2a2e34));
        roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 3);
        cairo_set_line_width(cr, 1);
        setColour(cr, withAlpha(rgb(0x000000), 0.5));
        cairo_stroke(cr);
        roundedRect(cr, x + 5, y + h - 4, w - 10, 2, 1);
        setColour(cr, rgb(0x1a1c20));
        cairo_fill(cr);
        textCentred(cr, word, x + w / 2, y + h * 0.62, Font{9, true, 0.4, 0.92}, palette::textDim());
    }
    cairo_new_path(cr);
}

void drawSwitchImage(cairo_t* cr, const SwitchFace& face, double w, bool rightSelected) {
    const double px = 5, py = face.top, pw = w - 10, ph = 40;
    // Plate with a dark rim, like the face's panels.
    roundedRect(cr, px - 1, py - 1, pw + 2, ph + 2, 6);
    setColour(cr, withAlpha(rgb(0x000000), 0.45));
    cairo_fill(cr);
    roundedRect(cr, px, py, pw, ph, 5);
    fillPathVertical(cr, py, ph, rgb(0x3a3f47), rgb(0x2a2e34));
    roundedRect(cr, px + 0.5, py + 0.5, pw - 1, ph - 1, 5);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_stroke(cr);

    textCentred(cr, face.caption, w / 2, py + 10.5, Font{7.5, true, 1.4, 0.95}, palette::textDim());

    const double gap = 3, kx = px + 4, ky = py + 14, kh = ph - 18;
    const double kw = (pw - 8 - gap) / 2;
    drawKey(cr, kx, ky, kw, kh, face.leftWord, !rightSelected, face.leftLit);
    drawKey(cr, kx + kw + gap, ky, kw, kh, face.rightWord, rightSelected, face.rightLit);
}

void drawSwitch(cairo_t* cr, const Picture& p, const SwitchFace& face) {
    eachFrame(cr, p, [&](int f, double w, double) { drawSwitchImage(cr, face, w, f == 1); });
}

}  // namespace

void drawModeSwitch(cairo_t* cr, const Picture& p) {
    drawSwitch(cr, p, {"MODE", "COMB", "DELAY", palette::accent(), palette::accent(), 4});
}

void drawPowerSwitch(cairo_t* cr, const Picture& p) {
    drawSwitch(cr, p, {"ACTIVE", "ON", "OFF", palette::accent(), palette::warning(), 3});
}

}  // namespace artwork
