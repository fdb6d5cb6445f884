// PNG files straight into cairo image surfaces. The editor's pictures are
// large 8-bit RGB(A) strips; inflating them with libdeflate in one call is
// several times faster than cairo's libpng reader, which opening an editor
// waits on. The pixels come out exactly as cairo's reader gives them.
#pragma once

#include <cairo.h>

#include <string>

namespace VSTGUI {

// The decoded picture (premultiplied ARGB32), or nullptr when the file is
// missing, damaged or of a kind this reader leaves to cairo.
cairo_surface_t* decodePngFast(const std::string& path);

} // namespace VSTGUI
