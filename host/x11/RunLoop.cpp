#include "host/x11/RunLoop.h"

#include <algorithm>
#include <chrono>

using namespace Steinberg;

namespace VeltraneHost {

using Clock = std::chrono::steady_clock;

tresult PLUGIN_API RunLoop::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
	return loop.registerEventHandler(handler, fd);
}

tresult PLUGIN_API RunLoop::unregisterEventHandler(Linux::IEventHandler* handler)
{
	return loop.unregisterEventHandler(handler);
}

tresult PLUGIN_API RunLoop::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	return loop.registerTimer(handler, milliseconds);
}

tresult PLUGIN_API RunLoop::unregisterTimer(Linux::ITimerHandler* handler)
{
	return loop.unregisterTimer(handler);
}

bool RunLoop::pumpOnce(int timeoutMs)
{
	const bool dispatched = loop.dispatchReadable(loop.msUntilNextTimer(std::max(timeoutMs, 0)));
	const int fired = loop.fireDueTimers();
	ticks += fired;
	return dispatched || fired > 0;
}

void RunLoop::runFor(int ms)
{
	const auto end = Clock::now() + std::chrono::milliseconds(ms);
	for (auto now = Clock::now(); now < end; now = Clock::now())
		pumpOnce(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count()) + 1);
}

bool RunLoop::pumpUntil(const std::function<bool()>& predicate, int timeoutMs)
{
	const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
	while (!predicate())
	{
		if (Clock::now() >= end)
			return false;
		pumpOnce(10);
	}
	return true;
}

tresult PLUGIN_API RunLoop::queryInterface(const TUID iid, void** obj)
{
	if (!obj)
		return kInvalidArgument;
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
	{
		addRef();
		*obj = static_cast<Linux::IRunLoop*>(this);
		return kResultOk;
	}
	*obj = nullptr;
	return kNoInterface;
}

uint32 PLUGIN_API RunLoop::addRef()
{
	return static_cast<uint32>(++references + 1);
}

uint32 PLUGIN_API RunLoop::release()
{
	return static_cast<uint32>(--references + 1);
}

} // namespace VeltraneHost
