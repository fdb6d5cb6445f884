#include "x11timer.h"

#include "x11runloops.h"

namespace VSTGUI {
namespace X11 {

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
	callback->fire();
}

} // namespace X11
} // namespace VSTGUI
