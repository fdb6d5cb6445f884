// Keeps the drawing libraries the editor brings in loaded for the life of the
// process.
#pragma once

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// cairo and the libraries under it (pixman, fontconfig, freetype, the X
// client libraries) come in with this module and set up process-wide state
// when they load: pixman's implementation tables, font caches, fontconfig's
// configuration. They are not written to be unloaded again, so when a host
// unloads the module they stay. Call once the module is loaded.
void keepDrawingLibrariesLoaded();

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
