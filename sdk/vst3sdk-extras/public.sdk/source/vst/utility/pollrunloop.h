// The registrations behind a Linux::IRunLoop and their dispatch over poll(),
// for whoever offers a plug-in view a run loop: a Linux host, or the VST 2
// face whose host offers none. Handlers and timers may unregister themselves
// or others while they run.
#pragma once

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include <chrono>
#include <memory>
#include <vector>

namespace Steinberg {
namespace Vst {

class PollRunLoop
{
public:
	// Linux::IRunLoop's registrations; kInvalidArgument for null, bad or repeated ones.
	tresult registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd);
	tresult unregisterEventHandler(Linux::IEventHandler* handler);
	tresult registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds);
	tresult unregisterTimer(Linux::ITimerHandler* handler);

	// Waits at most timeoutMs (0: not at all) for readable descriptors and
	// calls their handlers; false when none ran.
	bool dispatchReadable(int timeoutMs);
	// Calls the timers that are due; late ticks are not caught up. Returns how many ran.
	int fireDueTimers();
	// Milliseconds until the next timer is due, at most limitMs.
	int msUntilNextTimer(int limitMs) const;

	size_t eventHandlerCount() const { return handlers.size(); }
	size_t timerCount() const { return timers.size(); }

private:
	using Clock = std::chrono::steady_clock;
	struct Handler
	{
		IPtr<Linux::IEventHandler> handler;
		int fd;
	};
	struct Timer
	{
		IPtr<Linux::ITimerHandler> handler;
		Clock::duration interval;
		Clock::time_point due;
	};

	std::vector<std::shared_ptr<Handler>> handlers;
	std::vector<std::shared_ptr<Timer>> timers;
};

} // namespace Vst
} // namespace Steinberg
