#pragma once

#include "Picture.h"

#include <cairo.h>

namespace artwork {

// Draws a picture onto a new ARGB surface of its size times scale (2: the
// HiDPI picture, the same drawing and frame layout at twice the pixels each
// way); the caller destroys it.
cairo_surface_t* render(const Picture& p, int scale = 1);

}  // namespace artwork
