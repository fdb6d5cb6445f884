#include "host/x11/RunLoop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

using namespace Steinberg;

namespace VeltraneHost {

template <typename Entry>
bool RunLoop::contains(const std::vector<std::shared_ptr<Entry>>& list, const std::shared_ptr<Entry>& entry)
{
	return std::find(list.begin(), list.end(), entry) != list.end();
}

tresult PLUGIN_API RunLoop::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
	if (!handler || fd < 0)
		return kInvalidArgument;
	for (const auto& h : handlers)
		if (h->handler.get() == handler)
			return kInvalidArgument;
	handlers.push_back(std::make_shared<Handler>(Handler {IPtr<Linux::IEventHandler>(handler), fd}));
	return kResultTrue;
}

tresult PLUGIN_API RunLoop::unregisterEventHandler(Linux::IEventHandler* handler)
{
	auto it = std::find_if(handlers.begin(), handlers.end(), [handler](const auto& h) { return h->handler.get() == handler; });
	if (it == handlers.end())
		return kInvalidArgument;
	handlers.erase(it);
	return kResultTrue;
}

tresult PLUGIN_API RunLoop::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	if (!handler || milliseconds == 0)
		return kInvalidArgument;
	for (const auto& t : timers)
		if (t->handler.get() == handler)
			return kInvalidArgument;
	const auto interval = std::chrono::milliseconds(milliseconds);
	timers.push_back(std::make_shared<Timer>(Timer {IPtr<Linux::ITimerHandler>(handler), interval, Clock::now() + interval}));
	return kResultTrue;
}

tresult PLUGIN_API RunLoop::unregisterTimer(Linux::ITimerHandler* handler)
{
	auto it = std::find_if(timers.begin(), timers.end(), [handler](const auto& t) { return t->handler.get() == handler; });
	if (it == timers.end())
		return kInvalidArgument;
	timers.erase(it);
	return kResultTrue;
}

bool RunLoop::pumpOnce(int timeoutMs)
{
	const bool dispatched = dispatchReadable(msUntilNextTimer(std::max(timeoutMs, 0)));
	const bool fired = fireDueTimers();
	return dispatched || fired;
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

int RunLoop::msUntilNextTimer(int limitMs) const
{
	const auto now = Clock::now();
	int wait = limitMs;
	for (const auto& t : timers)
	{
		const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(t->due - now).count();
		wait = std::min<int>(wait, static_cast<int>(std::max<long long>(left, 0)));
	}
	return wait;
}

bool RunLoop::dispatchReadable(int timeoutMs)
{
	// A snapshot: the lists may change under the handlers' feet.
	const auto snapshot = handlers;
	std::vector<pollfd> fds;
	for (const auto& h : snapshot)
		fds.push_back({h->fd, POLLIN, 0});
	int ready = poll(fds.data(), fds.size(), timeoutMs);
	if (ready <= 0)
		return false;
	bool any = false;
	for (size_t i = 0; i < snapshot.size(); ++i)
	{
		if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)) || !contains(handlers, snapshot[i]))
			continue;
		const IPtr<Linux::IEventHandler> handler = snapshot[i]->handler; // alive while it runs
		handler->onFDIsSet(snapshot[i]->fd);
		any = true;
	}
	return any;
}

bool RunLoop::fireDueTimers()
{
	const auto snapshot = timers;
	bool any = false;
	for (const auto& t : snapshot)
	{
		const auto now = Clock::now();
		if (t->due > now || !contains(timers, t))
			continue;
		t->due = now + t->interval; // late ticks are not caught up
		const IPtr<Linux::ITimerHandler> handler = t->handler;
		++ticks;
		handler->onTimer();
		any = true;
	}
	return any;
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
