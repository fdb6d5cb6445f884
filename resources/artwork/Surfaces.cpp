// Surfaces of the stock library: tileable textures, a nine-part panel and
// frame, slider tracks and handles.
#include "Draw.h"
#include "EditorStyle.h"

#include <cmath>

namespace artwork {

namespace {

// Streaks wrap round the right edge so the texture tiles without a seam.
void brushStreaks(cairo_t* cr, double w, double h, uint32_t seed, int count, double strength) {
    Grain grain(seed);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < count; ++i) {
        double y = std::floor(grain.next() * h) + 0.5;
        double x = grain.next() * w;
        double len = 20 + grain.next() * w * 0.6;
        bool light = grain.next() > 0.5;
        cairo_set_source_rgba(cr, light, light, light, strength * (0.3 + 0.7 * grain.next()));
        for (double shift : {0.0, -w}) {
            cairo_move_to(cr, x + shift, y);
            cairo_line_to(cr, x + shift + len, y);
        }
        cairo_stroke(cr);
    }
}

}  // namespace

void drawTexture(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const Colour base = rgb(p.look.colour);
    const uint32_t seed = 0x7e47 + uint32_t(p.look.colour);
    cairo_rectangle(cr, 0, 0, w, h);
    setColour(cr, base);
    cairo_fill(cr);
    switch (p.look.variant) {
        case 0:  // vinyl: fine grain and faint pressed ridges
            for (int y = 0; y < p.height; y += 3) {
                cairo_rectangle(cr, 0, y, w, 1);
                cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
                cairo_fill(cr);
            }
            sprinkleGrain(cr, 0, 0, w, h, seed, 0.06, 0.6);
            break;
        case 1:  // brushed metal
            brushStreaks(cr, w, h, seed, 1400, 0.07);
            sprinkleGrain(cr, 0, 0, w, h, seed + 1, 0.04, 0.5);
            break;
        default: {  // dust: pale ground with scattered specks
            sprinkleGrain(cr, 0, 0, w, h, seed, 0.05, 0.6);
            Grain grain(seed + 2);
            for (int i = 0; i < 260; ++i) {
                double x = grain.next() * w, y = grain.next() * h, r = 0.4 + grain.next() * 0.9;
                cairo_set_source_rgba(cr, 0.35, 0.33, 0.3, 0.15 + 0.35 * grain.next());
                circle(cr, x, y, r);
                cairo_fill(cr);
            }
        }
    }
}

void drawPanel(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    roundedRect(cr, 0, 0, w, h, 10);
    fillPathVertical(cr, 0, h, palette::panelTop(), palette::panelBottom());
    brushStreaks(cr, w, h, 0xba5e, 500, 0.03);
    roundedRect(cr, 3.5, 3.5, w - 7, h - 7, 8);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.08);
    cairo_stroke(cr);
    // Corner screws live in the corners the nine-part tiling keeps whole.
    for (double sx : {16.0, w - 16}) {
        for (double sy : {16.0, h - 16}) {
            circle(cr, sx, sy, 5);
            fillPathVertical(cr, sy - 5, 10, rgb(0x8a9098), rgb(0x3a3f46));
            cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
            cairo_set_line_width(cr, 1.4);
            cairo_move_to(cr, sx - 3.2, sy - 1.2);
            cairo_line_to(cr, sx + 3.2, sy + 1.2);
            cairo_stroke(cr);
        }
    }
}

void drawGroupFrame(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 10);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_stroke(cr);
    roundedRect(cr, 2.5, 2.5, w - 5, h - 5, 9);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_stroke(cr);
}

void drawSliderTrack(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const bool horizontal = p.look.horizontal;
    const double across = horizontal ? h : w;
    // A slot down the middle with scale marks beside it.
    double slot = across * (p.look.variant ? 0.3 : 0.22);
    double x = horizontal ? 4 : (w - slot) / 2, y = horizontal ? (h - slot) / 2 : 4;
    double sw = horizontal ? w - 8 : slot, sh = horizontal ? slot : h - 8;
    roundedRect(cr, x, y, sw, sh, slot / 2);
    setColour(cr, rgb(p.look.colour));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0.85, 0.87, 0.9, 0.35);
    for (int i = 0; i <= 10; ++i) {
        double along = 6 + (horizontal ? w - 12 : h - 12) * i / 10;
        double len = i % 5 == 0 ? across * 0.2 : across * 0.12;
        if (horizontal)
            cairo_rectangle(cr, std::floor(along), 1, 1, len);
        else
            cairo_rectangle(cr, 1, std::floor(along), len, 1);
    }
    cairo_fill(cr);
}

void drawSliderHandle(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const Colour c = rgb(p.look.colour);
    roundedRect(cr, 0.5, 0.5, w - 1, h - 1, 2.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_fill(cr);
    roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 2);
    fillPathVertical(cr, 1.5, h - 3, mix(c, rgb(0xffffff), 0.3), mix(c, rgb(0x000000), 0.45));
    // Grip line across the handle's middle.
    if (p.look.horizontal)
        cairo_rectangle(cr, std::floor(w / 2), 3, 1, h - 6);
    else
        cairo_rectangle(cr, 3, std::floor(h / 2), w - 6, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_fill(cr);
}

}  // namespace artwork
