// Draws a frame's views, with the same drawing code as on screen, into a
// picture file.
#pragma once

namespace VSTGUI {
class CFrame;
}

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// The whole frame at its own size, as an 8-bit RGBA PNG; false when the
// frame is empty or the file cannot be written.
bool writeFramePng(VSTGUI::CFrame& frame, const char* path);

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
