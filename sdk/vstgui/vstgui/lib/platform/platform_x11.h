// The host's run loop as VSTGUI's X11 layer sees it. The editor starts no
// thread and no loop of its own: the window's X connection and every timer
// are registered with the run loop the host offers.
#pragma once

#include "iplatformframe.h"

namespace VSTGUI {
namespace X11 {

class IEventHandler
{
public:
	virtual ~IEventHandler() noexcept = default;
	virtual void onEvent() = 0;
};

class ITimerHandler
{
public:
	virtual ~ITimerHandler() noexcept = default;
	virtual void onTimer() = 0;
};

class IRunLoop : public IReference
{
public:
	virtual bool registerEventHandler(int fd, IEventHandler* handler) = 0;
	virtual bool unregisterEventHandler(IEventHandler* handler) = 0;
	virtual bool registerTimer(uint64_t intervalMs, ITimerHandler* handler) = 0;
	virtual bool unregisterTimer(ITimerHandler* handler) = 0;
};

// Handed to CFrame::open with PlatformType::kX11EmbedWindowID.
struct FrameConfig : IPlatformFrameConfig
{
	SharedPointer<IRunLoop> runLoop;
};

// The run loop that timers use. Each open X11 frame calls init with its
// config's run loop and exit when it closes; the first init sets it, the
// matching last exit clears it.
struct RunLoop
{
	static void init(const SharedPointer<IRunLoop>& runLoop);
	static void exit();
	static const SharedPointer<IRunLoop>& get();
};

} // namespace X11
} // namespace VSTGUI
