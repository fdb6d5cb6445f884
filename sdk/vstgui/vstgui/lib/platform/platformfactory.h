// The platform layer's entry points. Without a platform (a headless test, an
// offscreen snapshot) frames have no window and timers never fire on their own.
#pragma once

#include "iplatformframe.h"
#include "iplatformtimer.h"

namespace VSTGUI {

// Null when the platform type is not supported or the window cannot be made.
SharedPointer<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, void* parent,
                                                  PlatformType parentType, IPlatformFrameConfig* config);

// Never null. Fires on the user-interface thread through the current run loop
// (platform_x11.h); with no run loop it is a timer that never fires.
SharedPointer<IPlatformTimer> createPlatformTimer(IPlatformTimerCallback* callback);

// In-house: the scale the desktop asks of windows, for hosts that give none
// (on X11 the resource Xft.dpi over 96: 192 dpi is 2). 1 without a desktop.
double getDesktopScaleFactor();

} // namespace VSTGUI
