#include "Preview.h"

#include "EditorStyle.h"
#include "PngFile.h"

#include <cairo.h>
#include <cmath>
#include <cstring>

namespace artwork {

namespace {

// Normalized values of the preset "Crude Verb", by bitmap.
struct Setting {
    const char* bitmap;
    double value;
};
const Setting kSettings[] = {
    {"delaystate", 1.0}, {"active", 0.0},    {"cutk", 0.305},  {"offsetk", 0.0},  {"ratiok", 0.72},
    {"resk", 0.195},     {"timek", 0.775},   {"fdbk", 0.79},   {"wdk", 0.27},     {"gaink", 0.635},
};

double settingFor(const char* bitmap) {
    for (const Setting& s : kSettings)
        if (std::strcmp(s.bitmap, bitmap) == 0) return s.value;
    return 0.0;
}

cairo_surface_t* load(const std::string& folder, const char* name) {
    cairo_surface_t* s = cairo_image_surface_create_from_png((folder + "/" + name + ".png").c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) return s;
    cairo_surface_destroy(s);
    return nullptr;
}

}  // namespace

bool writePreview(const std::string& folder, const std::string& file) {
    cairo_surface_t* face = load(folder, "codeback");
    if (!face) return false;
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 485, 270);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, face, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(face);

    bool ok = true;
    int count = 0;
    const PlacedView* views = placedViews(count);
    for (int i = 0; i < count && ok; ++i) {
        const PlacedView& v = views[i];
        cairo_surface_t* strip = load(folder, v.bitmap);
        if (!strip) {
            ok = false;
            break;
        }
        const int stripHeight = cairo_image_surface_get_height(strip);
        const double value = settingFor(v.bitmap);
        double offset;
        if (stripHeight > 2 * v.height + 2)  // knob strip of square frames
            offset = std::floor(value * (stripHeight / v.width - 1)) * v.width;
        else  // switch: the "on" image starts half way down
            offset = value >= 0.5 ? stripHeight / 2 : 0;
        cairo_save(cr);
        cairo_rectangle(cr, v.x, v.y, v.width, v.height);
        cairo_clip(cr);
        cairo_set_source_surface(cr, strip, v.x, v.y - offset);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(strip);
    }
    cairo_destroy(cr);
    if (ok) ok = writeRgbaPng(out, file);
    cairo_surface_destroy(out);
    return ok;
}

}  // namespace artwork
