#pragma once

#include <string>

namespace Veltrane {

// The bundle veltrane loads when none is named: the one next to the
// executable in a build tree, else the one in the lib/vst3 folder of the
// prefix veltrane is installed in, else the system-wide /usr/lib/vst3 one.
std::string defaultBundlePath();

} // namespace Veltrane
