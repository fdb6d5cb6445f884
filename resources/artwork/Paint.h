// Small drawing vocabulary shared by every picture: colours, shapes, text
// and a seeded grain so the same pictures come out byte for byte each run.
#pragma once

#include <cairo.h>
#include <cstdint>

namespace artwork {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r, g, b, a;
};

// 0xRRGGBB with an optional alpha.
Colour rgb(uint32_t hex, double alpha = 1.0);
Colour mix(Colour from, Colour to, double t);
Colour withAlpha(Colour c, double alpha);
void setColour(cairo_t* cr, Colour c);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void circle(cairo_t* cr, double cx, double cy, double radius);

// Fills the current path with pattern, then releases the pattern.
void fillWith(cairo_t* cr, cairo_pattern_t* pattern);

// Linear gradient from top to bottom of a box; the path variant fills the
// current path with the gradient running from y to y + h.
void fillVertical(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom);
void fillPathVertical(cairo_t* cr, double y, double h, Colour top, Colour bottom);

// A soft shadow: stacked translucent discs, no blur filter needed.
void softShadow(cairo_t* cr, double cx, double cy, double radius, double spread, double strength);

// Knob angles count clockwise from straight up, in degrees.
double knobAngle(int frame, int frameCount, double startDeg = -135.0, double rangeDeg = 270.0);
void polar(double cx, double cy, double radius, double angleDeg, double& x, double& y);
// A cairo arc between two knob angles.
void knobArc(cairo_t* cr, double cx, double cy, double radius, double fromDeg, double toDeg);

// Text in DejaVu Sans; tracking adds space between letters.
struct Font {
    double size;
    bool bold = true;
    double tracking = 0.0;
    double squeeze = 1.0;  // horizontal scale for a condensed look
};
double textWidth(cairo_t* cr, const char* text, const Font& font);
void textCentred(cairo_t* cr, const char* text, double cx, double baseline, const Font& font, Colour c);
void textAt(cairo_t* cr, const char* text, double x, double baseline, const Font& font, Colour c);

// Deterministic noise (xorshift), one seed per picture.
class Grain {
public:
    explicit Grain(uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    double next();  // 0 ... 1
private:
    uint32_t state;
};

// Speckle a box with light and dark grains of the given strength.
void sprinkleGrain(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double strength,
                   double density = 0.35);

}  // namespace artwork
