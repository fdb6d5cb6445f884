#pragma once

#include <cairo.h>
#include <string>

namespace artwork {

// Writes an ARGB surface as an 8-bit RGBA PNG. Cairo's own writer drops the
// alpha channel of fully opaque pictures; the bundle's pictures are all RGBA.
bool writeRgbaPng(cairo_surface_t* surface, const std::string& path);

}  // namespace artwork
