#include "vst2editorframe.h"

#include <poll.h>

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace Vst2 {
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

EditorFrame::EditorFrame(SizeWindow sizeWindow) : sizeWindow(std::move(sizeWindow)) {}

void EditorFrame::pump()
{
	dispatchReadable();
	fireDueTimers();
}

void EditorFrame::dispatchReadable()
{
	const auto snapshot = handlers; // handlers may come and go while they run
	std::vector<pollfd> fds;
	for (const auto& h : snapshot)
		fds.push_back({h->fd, POLLIN, 0});
	if (fds.empty() || poll(fds.data(), fds.size(), 0) <= 0)
		return;
	for (size_t i = 0; i < snapshot.size(); ++i)
	{
		if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)) || !stillThere(handlers, snapshot[i]))
			continue;
		const IPtr<Linux::IEventHandler> handler = snapshot[i]->handler;
		handler->onFDIsSet(snapshot[i]->fd);
	}
}

void EditorFrame::fireDueTimers()
{
	const auto snapshot = timers;
	for (const auto& t : snapshot)
	{
		const auto now = Clock::now();
		if (t->due > now || !stillThere(timers, t))
			continue;
		t->due = now + t->interval; // idle calls may be far apart: no catching up
		const IPtr<Linux::ITimerHandler> handler = t->handler;
		handler->onTimer();
	}
}

tresult PLUGIN_API EditorFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
	if (!view || !newSize || newSize->getWidth() <= 0 || newSize->getHeight() <= 0)
		return kInvalidArgument;
	if (!sizeWindow || !sizeWindow(newSize->getWidth(), newSize->getHeight()))
		return kResultFalse;
	view->onSize(newSize);
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
	if (!handler || fd < 0 || find(handlers, handler) != handlers.end())
		return kInvalidArgument;
	handlers.push_back(std::make_shared<Handler>(Handler {IPtr<Linux::IEventHandler>(handler), fd}));
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterEventHandler(Linux::IEventHandler* handler)
{
	auto it = find(handlers, handler);
	if (it == handlers.end())
		return kInvalidArgument;
	handlers.erase(it);
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	if (!handler || milliseconds == 0 || find(timers, handler) != timers.end())
		return kInvalidArgument;
	const auto interval = std::chrono::milliseconds(milliseconds);
	timers.push_back(std::make_shared<Timer>(Timer {IPtr<Linux::ITimerHandler>(handler), interval, Clock::now() + interval}));
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterTimer(Linux::ITimerHandler* handler)
{
	auto it = find(timers, handler);
	if (it == timers.end())
		return kInvalidArgument;
	timers.erase(it);
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::queryInterface(const TUID iid, void** obj)
{
	if (!obj)
		return kInvalidArgument;
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IPlugFrame::iid))
		*obj = static_cast<IPlugFrame*>(this);
	else if (FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
		*obj = static_cast<Linux::IRunLoop*>(this);
	else
	{
		*obj = nullptr;
		return kNoInterface;
	}
	addRef();
	return kResultOk;
}

uint32 PLUGIN_API EditorFrame::addRef()
{
	return ++refCount;
}

uint32 PLUGIN_API EditorFrame::release()
{
	const uint32 count = --refCount;
	if (count == 0)
		delete this;
	return count;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
