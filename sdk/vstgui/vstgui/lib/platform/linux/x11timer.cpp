#include "x11timer.h"

#include "x11runloops.h"

#include <algorithm>
#include <vector>

namespace VSTGUI {
namespace X11 {
namespace {

int timersFiring = 0; // timers firing now (one, unless a callback pumps the loop)
std::vector<IDrawAfterTimer*> waitingToDraw;

// Draws what the timer's callback asked for once the outermost timer returns.
struct Firing
{
	Firing() { ++timersFiring; }
	~Firing()
	{
		if (--timersFiring != 0)
			return;
		// One at a time: drawing may close a frame, which leaves the list.
		while (!waitingToDraw.empty())
		{
			IDrawAfterTimer* target = waitingToDraw.front();
			waitingToDraw.erase(waitingToDraw.begin());
			target->drawAfterTimer();
		}
	}
};

} // namespace

bool drawWhenTimerReturns(IDrawAfterTimer* target)
{
	if (timersFiring == 0)
		return false;
	if (std::find(waitingToDraw.begin(), waitingToDraw.end(), target) == waitingToDraw.end())
		waitingToDraw.push_back(target);
	return true;
}

void cancelDrawWhenTimerReturns(IDrawAfterTimer* target)
{
	waitingToDraw.erase(std::remove(waitingToDraw.begin(), waitingToDraw.end(), target), waitingToDraw.end());
}

bool Timer::start(uint32_t fireTimeMs)
{
	stop();
	registered = registerTimer(fireTimeMs, this);
	return true;
}

bool Timer::stop()
{
	if (registered)
		unregisterTimer(this);
	registered = false;
	return true;
}

void Timer::onTimer()
{
	// The callback may stop and drop this timer, and itself, while it runs:
	// keep both alive until it returns.
	SharedPointer<Timer> self(this);
	SharedPointer<IReference> owner(dynamic_cast<IReference*>(callback));
	Firing drawsWhenDone;
	callback->fire();
}

} // namespace X11
} // namespace VSTGUI
