#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace artwork {

namespace {
constexpr const char* kFamily = "DejaVu Sans";

void selectFont(cairo_t* cr, const Font& font) {
    cairo_select_font_face(cr, kFamily, CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, font.size * font.squeeze, font.size);
    cairo_set_font_matrix(cr, &m);
}
}  // namespace

Colour rgb(uint32_t hex, double alpha) {
    return {((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0, alpha};
}

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour withAlpha(Colour c, double alpha) {
    c.a = alpha;
    return c;
}

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void circle(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_close_path(cr);
}

void fillWith(cairo_t* cr, cairo_pattern_t* pattern) {
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void fillPathVertical(cairo_t* cr, double y, double h, Colour top, Colour bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    fillWith(cr, p);
}

void fillVertical(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom) {
    cairo_rectangle(cr, x, y, w, h);
    fillPathVertical(cr, y, h, top, bottom);
}

void softShadow(cairo_t* cr, double cx, double cy, double radius, double spread, double strength) {
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        double r = radius + spread * i / steps;
        cairo_set_source_rgba(cr, 0, 0, 0, strength / steps);
        circle(cr, cx, cy, r);
        cairo_fill(cr);
    }
}

double knobAngle(int frame, int frameCount, double startDeg, double rangeDeg) {
    if (frameCount < 2) return startDeg;
    return startDeg + rangeDeg * frame / (frameCount - 1);
}

void polar(double cx, double cy, double radius, double angleDeg, double& x, double& y) {
    double a = angleDeg * kPi / 180.0;
    x = cx + radius * std::sin(a);
    y = cy - radius * std::cos(a);
}

void knobArc(cairo_t* cr, double cx, double cy, double radius, double fromDeg, double toDeg) {
    // Knob angles start at twelve o'clock, cairo's at three.
    double a0 = (fromDeg - 90.0) * kPi / 180.0;
    double a1 = (toDeg - 90.0) * kPi / 180.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, a0, a1);
}

double textWidth(cairo_t* cr, const char* text, const Font& font) {
    cairo_save(cr);
    selectFont(cr, font);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    cairo_restore(cr);
    size_t n = std::strlen(text);
    return ext.x_advance + (n > 1 ? font.tracking * (n - 1) : 0.0);
}

void textAt(cairo_t* cr, const char* text, double x, double baseline, const Font& font, Colour c) {
    cairo_save(cr);
    selectFont(cr, font);
    setColour(cr, c);
    char glyph[2] = {0, 0};
    double pen = x;
    for (const char* p = text; *p; ++p) {
        glyph[0] = *p;
        cairo_move_to(cr, pen, baseline);
        cairo_show_text(cr, glyph);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, glyph, &ext);
        pen += ext.x_advance + font.tracking;
    }
    cairo_restore(cr);
}

void textCentred(cairo_t* cr, const char* text, double cx, double baseline, const Font& font, Colour c) {
    textAt(cr, text, cx - textWidth(cr, text, font) / 2, baseline, font, c);
}

double Grain::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state & 0xffffff) / double(0x1000000);
}

void sprinkleGrain(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double strength,
                   double density) {
    cairo_surface_t* s = cairo_get_target(cr);
    if (cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const int sw = cairo_image_surface_get_width(s);
    const int sh = cairo_image_surface_get_height(s);
    // One grain a surface pixel: the box in the surface's pixels (scaled for HiDPI pictures).
    double left = x, top = y, right = x + w, bottom = y + h;
    cairo_user_to_device(cr, &left, &top);
    cairo_user_to_device(cr, &right, &bottom);
    const int x0 = std::max(0, int(left)), y0 = std::max(0, int(top));
    const int x1 = std::min(sw, int(right)), y1 = std::min(sh, int(bottom));
    Grain grain(seed);
    for (int row = y0; row < y1; ++row) {
        uint32_t* px = reinterpret_cast<uint32_t*>(data + row * stride);
        for (int col = x0; col < x1; ++col) {
            double roll = grain.next();
            double amount = (grain.next() - 0.5) * 2.0 * strength;
            if (roll > density) continue;
            uint32_t v = px[col];
            int a = v >> 24;
            if (a == 0) continue;
            int delta = int(std::lround(amount * a));
            auto shift = [&](int channel) {
                int c = int((v >> channel) & 0xff) + delta;
                return uint32_t(std::clamp(c, 0, a)) << channel;
            };
            px[col] = (uint32_t(a) << 24) | shift(16) | shift(8) | shift(0);
        }
    }
    cairo_surface_mark_dirty(s);
}

}  // namespace artwork
