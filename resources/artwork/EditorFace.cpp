// "codeback": the editor window behind the controls. Brushed dark panel, the
// product name between the two switches, three plates grouping the knobs and
// a label under every knob.
#include "Draw.h"
#include "EditorStyle.h"

#include <cmath>

namespace artwork {

namespace {

void drawPanel(cairo_t* cr, double w, double h) {
    fillVertical(cr, 0, 0, w, h, palette::panelTop(), palette::panelBottom());
    // Brushing: faint horizontal streaks of random length and weight.
    Grain grain(0x5eed01);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 900; ++i) {
        double y = std::floor(grain.next() * h) + 0.5;
        double x = grain.next() * w - 40;
        double len = 30 + grain.next() * 160;
        bool light = grain.next() > 0.5;
        cairo_set_source_rgba(cr, light, light, light, 0.012 + 0.02 * grain.next());
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        cairo_stroke(cr);
    }
    sprinkleGrain(cr, 0, 0, w, h, 0x5eed02, 0.035);
    // Bevel round the window.
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_stroke(cr);
    cairo_move_to(cr, 1, 1.5);
    cairo_line_to(cr, w - 1, 1.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_stroke(cr);
}

// A recessed plate holding a group of knobs.
void drawPlate(cairo_t* cr, double x, double y, double w, double h, const char* caption, double captionX) {
    roundedRect(cr, x, y, w, h, 7);
    fillPathVertical(cr, y, h, rgb(0x24282d), rgb(0x1f2226));
    roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 7);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_stroke(cr);
    // Light catches the lower lip.
    cairo_move_to(cr, x + 7, y + h + 0.5);
    cairo_line_to(cr, x + w - 7, y + h + 0.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
    cairo_stroke(cr);

    const Font font{7.5, true, 1.8, 0.95};
    double tw = textWidth(cr, caption, font);
    textCentred(cr, caption, captionX, y + 12, font, palette::textFaint());
    // Rules either side of the caption.
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_move_to(cr, captionX - tw / 2 - 12, y + 9.5);
    cairo_line_to(cr, captionX - tw / 2 - 4, y + 9.5);
    cairo_move_to(cr, captionX + tw / 2 + 4, y + 9.5);
    cairo_line_to(cr, captionX + tw / 2 + 12, y + 9.5);
    cairo_stroke(cr);
}

void drawTitle(cairo_t* cr, double cx) {
    const Font name{25, true, -0.3, 1.0};
    double wV = textWidth(cr, "Veltrane", name);
    double wF = textWidth(cr, "Free", name);
    double x = cx - (wV + wF - name.tracking) / 2;
    // Engraved: a dark copy a pixel below, then the text.
    textAt(cr, "Veltrane", x, 31, name, withAlpha(rgb(0x000000), 0.6));
    textAt(cr, "Free", x + wV - name.tracking, 31, name, withAlpha(rgb(0x000000), 0.6));
    textAt(cr, "Veltrane", x, 30, name, palette::text());
    textAt(cr, "Free", x + wV - name.tracking, 30, name, palette::accent());

    const Font vendor{8, true, 2.6, 1.0};
    double vw = textWidth(cr, "TALLOW RIDGE", vendor);
    textCentred(cr, "TALLOW RIDGE", cx, 44, vendor, palette::textDim());
    cairo_set_line_width(cr, 1);
    setColour(cr, withAlpha(palette::accent(), 0.55));
    cairo_move_to(cr, cx - vw / 2 - 30, 40.5);
    cairo_line_to(cr, cx - vw / 2 - 8, 40.5);
    cairo_move_to(cr, cx + vw / 2 + 8, 40.5);
    cairo_line_to(cr, cx + vw / 2 + 30, 40.5);
    cairo_stroke(cr);
}

void drawKnobLabels(cairo_t* cr) {
    int count = 0;
    const PlacedView* views = placedViews(count);
    for (int i = 0; i < count; ++i) {
        const PlacedView& v = views[i];
        if (!*v.label) continue;
        KnobGeometry g = knobGeometry(v.width);
        textCentred(cr, v.label, v.x + g.cx, v.labelBaseline, labelFont(), palette::text());
    }
}

}  // namespace

void drawEditorFace(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    drawPanel(cr, w, h);
    drawPlate(cr, 4, 52, 226, 214, "ECHO", 118);
    drawPlate(cr, 254, 52, 226, 110, "FILTER", 363);
    drawPlate(cr, 254, 166, 226, 100, "OUTPUT", 363);
    drawTitle(cr, 250);
    drawKnobLabels(cr);
}

}  // namespace artwork
