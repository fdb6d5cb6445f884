// A repeating timer of the user-interface thread, on the host's run loop.
#pragma once

#include "vstgui/lib/platform/iplatformtimer.h"
#include "vstgui/lib/platform/platform_x11.h"

namespace VSTGUI {
namespace X11 {

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
