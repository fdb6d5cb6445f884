// A repeating timer of the user-interface thread, on the host's run loop.
#pragma once

#include "vstgui/lib/platform/iplatformtimer.h"
#include "vstgui/lib/platform/platform_x11.h"

namespace VSTGUI {
namespace X11 {

// Drawing asked for while a timer fires waits until the timer returns and is
// then done in the same turn of the host's loop. A frame that had to wake
// itself instead (an Expose sent to itself) would make the X server work on
// every refresh tick, even one where no pixel changes.
class IDrawAfterTimer
{
public:
	virtual ~IDrawAfterTimer() noexcept = default;
	virtual void drawAfterTimer() = 0;
};
// False when no timer is firing: the caller must see to its drawing itself.
bool drawWhenTimerReturns(IDrawAfterTimer* target);
// For a target that goes away before the timer returns.
void cancelDrawWhenTimerReturns(IDrawAfterTimer* target);

class Timer final : public IPlatformTimer, private ITimerHandler
{
public:
	explicit Timer(IPlatformTimerCallback* callback) : callback(callback) {}
	~Timer() noexcept override { stop(); }

	// Without a run loop in use the timer starts but never fires.
	bool start(uint32_t fireTimeMs) override;
	bool stop() override;

private:
	void onTimer() override;

	IPlatformTimerCallback* callback;
	bool registered = false;
};

} // namespace X11
} // namespace VSTGUI
