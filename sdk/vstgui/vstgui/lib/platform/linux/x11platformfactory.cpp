// The platform layer on Linux: X11 child windows drawn with cairo, timers on
// the host's run loop.
#include "x11frame.h"
#include "x11timer.h"

#include "vstgui/lib/platform/platformfactory.h"

namespace VSTGUI {

SharedPointer<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback* frame, const CRect& size, void* parent,
                                                  PlatformType parentType, IPlatformFrameConfig* config)
{
	// The window lives on the host's run loop; without one it could never draw.
	auto* x11Config = dynamic_cast<X11::FrameConfig*>(config);
	if (parentType != PlatformType::kX11EmbedWindowID || !x11Config || !x11Config->runLoop)
		return nullptr;
	const auto parentWindow = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent));
	return X11::Frame::create(frame, size, parentWindow, x11Config->runLoop);
}

SharedPointer<IPlatformTimer> createPlatformTimer(IPlatformTimerCallback* callback)
{
	return owned<IPlatformTimer>(new X11::Timer(callback));
}

} // namespace VSTGUI
