// The look of the editor window: palette, knob geometry and where the
// description places each control, so the face can label the knobs in the
// right spots and the preview can put the strips where the editor will.
#pragma once

#include "Paint.h"

namespace artwork {

namespace palette {
inline Colour panelTop() { return rgb(0x2a2e34); }
inline Colour panelBottom() { return rgb(0x1b1e22); }
inline Colour well() { return rgb(0x0f1113); }
inline Colour accent() { return rgb(0xf2a33a); }      // tallow amber
inline Colour warning() { return rgb(0xe0503e); }
inline Colour text() { return rgb(0xe4e7ec); }
inline Colour textDim() { return rgb(0x8a919b); }
inline Colour textFaint() { return rgb(0x5c626b); }
}  // namespace palette

// Knob drawing inside a square frame of the given side. The knob sits a
// little above the frame's centre; the open bottom of the 270-degree travel
// leaves room for the label, which the face draws there.
struct KnobGeometry {
    double cx, cy;
    double arcRadius, arcWidth;
    double skirtRadius, capRadius;
};

inline KnobGeometry knobGeometry(double side) {
    KnobGeometry g;
    g.cx = side / 2;
    g.cy = side * 0.43;
    g.arcWidth = side * 0.048;
    g.arcRadius = side * 0.40;
    g.skirtRadius = side * 0.305;
    g.capRadius = side * 0.235;
    return g;
}

// A view of the "Editor" template that shows a picture.
struct PlacedView {
    const char* bitmap;
    int x, y, width, height;
    const char* label;  // written on the face below a knob; empty for switches
    int labelBaseline;  // shared by each row of knobs so the labels line up
};

// Views in template order; the second "Feedback" knob has no size and is
// never drawn, so it is not listed.
inline const PlacedView* placedViews(int& count) {
    constexpr int upperRow = 142, lowerRow = 252;
    static const PlacedView views[] = {
        {"delaystate", 0, 0, 96, 48, "", 0},
        {"active", 405, 1, 80, 52, "", 0},
        {"cutk", 261, 68, 78, 78, "CUTOFF", upperRow},
        {"offsetk", 143, 67, 80, 80, "OFFSET", upperRow},
        {"ratiok", 10, 56, 87, 87, "DELAY RATIO", upperRow},
        {"resk", 387, 70, 76, 76, "RESONANCE", upperRow},
        {"timek", 10, 172, 87, 87, "DELAY", lowerRow},
        {"fdbk", 139, 173, 84, 84, "FEEDBACK", lowerRow},
        {"wdk", 263, 174, 79, 79, "WET/DRY", lowerRow},
        {"gaink", 386, 175, 78, 78, "VOLUME", lowerRow},
    };
    count = int(sizeof views / sizeof views[0]);
    return views;
}

inline Font labelFont() { return Font{10.5, true, 1.1, 0.92}; }

}  // namespace artwork
