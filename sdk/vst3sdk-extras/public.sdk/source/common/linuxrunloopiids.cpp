// The ids of the Linux run-loop interfaces (iplugview.h). The SDK defines
// them next to its hosting and editor sources, which the Debian copy lacks.
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg {
namespace Linux {
DEF_CLASS_IID(IEventHandler)
DEF_CLASS_IID(ITimerHandler)
DEF_CLASS_IID(IRunLoop)
} // namespace Linux
} // namespace Steinberg
