// One drawing function per kind of picture. Each paints the whole picture,
// every frame, onto a cleared surface of the picture's size.
#pragma once

#include "Picture.h"

#include <cairo.h>

namespace artwork {

void drawEditorFace(cairo_t* cr, const Picture& p);
void drawEditorKnob(cairo_t* cr, const Picture& p);
void drawModeSwitch(cairo_t* cr, const Picture& p);
void drawPowerSwitch(cairo_t* cr, const Picture& p);

void drawStockKnob(cairo_t* cr, const Picture& p);
void drawAlphaKnob(cairo_t* cr, const Picture& p);

void drawLedButton(cairo_t* cr, const Picture& p);
void drawPushButton(cairo_t* cr, const Picture& p);
void drawCaptionButton(cairo_t* cr, const Picture& p);
void drawToggleSwitch(cairo_t* cr, const Picture& p);
void drawRadioStrip(cairo_t* cr, const Picture& p);
void drawAssignButton(cairo_t* cr, const Picture& p);
void drawMultiSwitch(cairo_t* cr, const Picture& p);

void drawAnalogMeter(cairo_t* cr, const Picture& p);
void drawLedMeter(cairo_t* cr, const Picture& p);

void drawTexture(cairo_t* cr, const Picture& p);
void drawPanel(cairo_t* cr, const Picture& p);
void drawGroupFrame(cairo_t* cr, const Picture& p);
void drawSliderTrack(cairo_t* cr, const Picture& p);
void drawSliderHandle(cairo_t* cr, const Picture& p);

// Runs draw once per frame with the origin moved to the frame's top and
// drawing clipped to it.
template <typename DrawFrame>
void eachFrame(cairo_t* cr, const Picture& p, DrawFrame draw) {
    const int fh = p.frameHeight();
    for (int f = 0; f < p.frames; ++f) {
        cairo_save(cr);
        cairo_translate(cr, 0, double(f) * fh);
        cairo_rectangle(cr, 0, 0, p.width, fh);
        cairo_clip(cr);
        draw(f, double(p.width), double(fh));
        cairo_restore(cr);
    }
}

}  // namespace artwork
