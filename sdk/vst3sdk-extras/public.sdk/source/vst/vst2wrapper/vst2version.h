// A VST 3 class version string as the single number VST 2 hosts show.
#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

// "major.minor.sub.build" -> major*1000 + minor*100 + sub*10 + build, the
// convention of VST 2 plug-ins ("1.0.0.0" -> 1000, "2.4.1" -> 2410).
// Missing or unreadable parts count as 0; minor, sub and build are capped
// at 9 so that no part spills into the next one.
int32 versionNumber(const char8* version);

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
