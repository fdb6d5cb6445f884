// Inside the X11 layer: which host run loops are in use, and the one that
// timers go through. Every open frame attaches the run loop it was given and
// detaches it when it closes. Timers are registered on the earliest attached
// loop; when that loop's last frame closes they move on to the next one, so
// that the timers of a second editor keep running when the first one closes.
#pragma once

#include "vstgui/lib/platform/platform_x11.h"

namespace VSTGUI {
namespace X11 {

void attachRunLoop(const SharedPointer<IRunLoop>& runLoop);
void detachRunLoop(IRunLoop* runLoop);

// Registers on the earliest attached loop; false when none is attached.
bool registerTimer(uint64_t intervalMs, ITimerHandler* handler);
bool unregisterTimer(ITimerHandler* handler);

} // namespace X11
} // namespace VSTGUI
