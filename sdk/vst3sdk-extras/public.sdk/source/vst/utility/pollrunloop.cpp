#include "pollrunloop.h"

#include <poll.h>

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace {

template <typename Entry>
bool stillThere(const std::vector<std::shared_ptr<Entry>>& list, const std::shared_ptr<Entry>& entry)
{
	return std::find(list.begin(), list.end(), entry) != list.end();
}

template <typename Entry, typename Handler>
typename std::vector<std::shared_ptr<Entry>>::iterator find(std::vector<std::shared_ptr<Entry>>& list, Handler* handler)
{
	return std::find_if(list.begin(), list.end(), [handler](const auto& e) { return e->handler.get() == handler; });
}

} // namespace

tresult PollRunLoop::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
	if (!handler || fd < 0 || find(handlers, handler) != handlers.end())
		return kInvalidArgument;
	handlers.push_back(std::make_shared<Handler>(Handler {IPtr<Linux::IEventHandler>(handler), fd}));
	return kResultTrue;
}

tresult PollRunLoop::unregisterEventHandler(Linux::IEventHandler* handler)
{
	auto it = find(handlers, handler);
	if (it == handlers.end())
		return kInvalidArgument;
	handlers.erase(it);
	return kResultTrue;
}

tresult PollRunLoop::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	if (!handler || milliseconds == 0 || find(timers, handler) != timers.end())
		return kInvalidArgument;
	const auto interval = std::chrono::milliseconds(milliseconds);
	timers.push_back(std::make_shared<Timer>(Timer {IPtr<Linux::ITimerHandler>(handler), interval, Clock::now() + interval}));
	return kResultTrue;
}

tresult PollRunLoop::unregisterTimer(Linux::ITimerHandler* handler)
{
	auto it = find(timers, handler);
	if (it == timers.end())
		return kInvalidArgument;
	timers.erase(it);
	return kResultTrue;
}

bool PollRunLoop::dispatchReadable(int timeoutMs)
{
	const auto snapshot = handlers; // handlers may come and go while they run
	std::vector<pollfd> fds;
	for (const auto& h : snapshot)
		fds.push_back({h->fd, POLLIN, 0});
	// With no descriptors, poll() still waits out the timeout.
	if (poll(fds.data(), fds.size(), timeoutMs) <= 0)
		return false;
	bool any = false;
	for (size_t i = 0; i < snapshot.size(); ++i)
	{
		if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)) || !stillThere(handlers, snapshot[i]))
			continue;
		const IPtr<Linux::IEventHandler> handler = snapshot[i]->handler; // alive while it runs
		handler->onFDIsSet(snapshot[i]->fd);
		any = true;
	}
	return any;
}

int PollRunLoop::fireDueTimers()
{
	const auto snapshot = timers;
	int fired = 0;
	for (const auto& t : snapshot)
	{
		const auto now = Clock::now();
		if (t->due > now || !stillThere(timers, t))
			continue;
		t->due = now + t->interval;
		const IPtr<Linux::ITimerHandler> handler = t->handler;
		++fired;
		handler->onTimer();
	}
	return fired;
}

int PollRunLoop::msUntilNextTimer(int limitMs) const
{
	const auto now = Clock::now();
	int wait = limitMs;
	for (const auto& t : timers)
	{
		// Rounded up: a wait cut short to 0 ms would spin on poll() until the timer is due.
		const auto left = std::chrono::ceil<std::chrono::milliseconds>(t->due - now).count();
		wait = std::min<int>(wait, static_cast<int>(std::max<long long>(left, 0)));
	}
	return wait;
}

} // namespace Vst
} // namespace Steinberg
