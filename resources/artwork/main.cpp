// Draws every picture of the editor description into a folder as PNG files,
// each also at twice the size for HiDPI screens ("name#2x.png", VSTGUI's
// naming) unless that would pass cairo's limit on a picture's side, or
// composes the editor window from pictures drawn before:
//   veltrane-artwork FOLDER
//   veltrane-artwork --preview FOLDER FILE
#include "Catalogue.h"
#include "PngFile.h"
#include "Preview.h"
#include "Render.h"

#include <cairo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// cairo makes and reads no image surface with a side longer than this.
constexpr int kMaxSide = 32767;

struct Job {
    const artwork::Picture* picture;
    int scale;
    std::string path;

    long work() const { return long(picture->width) * picture->height * scale * scale; }
};

bool drawInTurn(const std::vector<Job>& jobs) {
    for (const Job& job : jobs) {
        cairo_surface_t* surface = artwork::render(*job.picture, job.scale);
        const bool written =
            cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && artwork::writeRgbaPng(surface, job.path);
        cairo_surface_destroy(surface);
        if (!written) {
            std::fprintf(stderr, "veltrane-artwork: cannot write %s\n", job.path.c_str());
            return false;
        }
    }
    return true;
}

// Text comes out of cairo's font caches a little differently depending on
// what was drawn before, so each picture's bytes depend on the pictures drawn
// ahead of it in the same process. Two processes with a fixed share each keep
// that order the same on every run and every machine: this one draws the
// pictures at their own size in catalogue order, as a single process always
// has, then the last of the large ones; a second process draws the other
// large ones, so that both have about the same work.
int drawAll(const std::string& folder) {
    std::vector<Job> own, large;
    for (const artwork::Picture& p : artwork::catalogue()) {
        own.push_back({&p, 1, folder + "/" + p.name + ".png"});
        if (2 * p.width <= kMaxSide && 2 * p.height <= kMaxSide)
            large.push_back({&p, 2, folder + "/" + p.name + "#2x.png"});
    }
    long total = 0, first = 0;
    for (const Job& job : own) total += job.work();
    for (const Job& job : large) total += job.work();
    size_t split = 0;
    while (split < large.size() && 2 * (first + large[split].work()) <= total) first += large[split++].work();
    std::vector<Job> mine = own, theirs(large.begin(), large.begin() + long(split));
    mine.insert(mine.end(), large.begin() + long(split), large.end());

    std::fflush(stderr);
    const pid_t helper = fork();
    if (helper < 0) {
        std::perror("veltrane-artwork: fork");
        return 1;
    }
    if (helper == 0) _exit(drawInTurn(theirs) ? 0 : 1);
    const bool drawn = drawInTurn(mine);
    int status = 0;
    const bool helped = waitpid(helper, &status, 0) == helper && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return drawn && helped ? 0 : 1;
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
