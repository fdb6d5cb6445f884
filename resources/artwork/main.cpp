// Draws every picture of the editor description into a folder as PNG files,
// or composes the editor window from pictures drawn before:
//   veltrane-artwork FOLDER
//   veltrane-artwork --preview FOLDER FILE
#include "Catalogue.h"
#include "PngFile.h"
#include "Preview.h"
#include "Render.h"

#include <cairo.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int drawAll(const std::string& folder) {
    for (const artwork::Picture& p : artwork::catalogue()) {
        cairo_surface_t* surface = artwork::render(p);
        const std::string path = folder + "/" + p.name + ".png";
        const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && artwork::writeRgbaPng(surface, path);
        cairo_surface_destroy(surface);
        if (!written) {
            std::fprintf(stderr, "veltrane-artwork: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int result = 2;
    if (argc == 2) {
        result = drawAll(argv[1]);
    } else if (argc == 4 && std::strcmp(argv[1], "--preview") == 0) {
        result = artwork::writePreview(argv[2], argv[3]) ? 0 : 1;
        if (result) std::fprintf(stderr, "veltrane-artwork: cannot compose %s from %s\n", argv[3], argv[2]);
    } else {
        std::fprintf(stderr, "usage: %s FOLDER | --preview FOLDER FILE\n", argv[0]);
    }
    cairo_debug_reset_static_data();
    return result;
}
