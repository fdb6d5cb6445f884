#include "Render.h"

#include "Draw.h"

namespace artwork {

namespace {

void draw(cairo_t* cr, const Picture& p) {
    switch (p.art) {
        case Art::EditorFace: return drawEditorFace(cr, p);
        case Art::EditorKnob: return drawEditorKnob(cr, p);
        case Art::ModeSwitch: return drawModeSwitch(cr, p);
        case Art::PowerSwitch: return drawPowerSwitch(cr, p);
        case Art::StockKnob: return drawStockKnob(cr, p);
        case Art::AlphaKnob: return drawAlphaKnob(cr, p);
        case Art::LedButton: return drawLedButton(cr, p);
        case Art::PushButton: return drawPushButton(cr, p);
        case Art::CaptionButton: return drawCaptionButton(cr, p);
        case Art::ToggleSwitch: return drawToggleSwitch(cr, p);
        case Art::RadioStrip: return drawRadioStrip(cr, p);
        case Art::AnalogMeter: return drawAnalogMeter(cr, p);
        case Art::LedMeter: return drawLedMeter(cr, p);
        case Art::Texture: return drawTexture(cr, p);
        case Art::Panel: return drawPanel(cr, p);
        case Art::GroupFrame: return drawGroupFrame(cr, p);
        case Art::SliderTrack: return drawSliderTrack(cr, p);
        case Art::SliderHandle: return drawSliderHandle(cr, p);
        case Art::AssignButton: return drawAssignButton(cr, p);
        case Art::MultiSwitch: return drawMultiSwitch(cr, p);
    }
}

}  // namespace

cairo_surface_t* render(const Picture& p, int scale) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width * scale, p.height * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    // Grey-scale antialiasing keeps text free of any screen's subpixel order.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    draw(cr, p);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

}  // namespace artwork
