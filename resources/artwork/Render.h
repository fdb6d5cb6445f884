#pragma once

#include "Picture.h"

#include <cairo.h>

namespace artwork {

// Draws a picture onto a new ARGB surface of its size; the caller destroys it.
cairo_surface_t* render(const Picture& p);

}  // namespace artwork
