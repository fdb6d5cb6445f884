#include "vstguix11runloop.h"

#include <algorithm>
#include <atomic>

namespace Steinberg {
namespace Vst {
namespace {

// Reference counting and interface lookup for a host-facing handler.
template <typename Interface>
class HostHandler : public Interface
{
public:
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
	{
		if (!obj)
			return kInvalidArgument;
		if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Interface::iid))
		{
			addRef();
			*obj = static_cast<Interface*>(this);
			return kResultOk;
		}
		*obj = nullptr;
		return kNoInterface;
	}
	uint32 PLUGIN_API addRef() override { return ++refCount; }
	uint32 PLUGIN_API release() override
	{
		const uint32 count = --refCount;
		if (count == 0)
			delete this;
		return count;
	}

protected:
	virtual ~HostHandler() = default;

private:
	std::atomic<uint32> refCount {1};
};

template <typename Wrapper, typename Handler>
typename std::vector<IPtr<Wrapper>>::iterator findWrapper(std::vector<IPtr<Wrapper>>& list, Handler* handler)
{
	return std::find_if(list.begin(), list.end(), [handler](const IPtr<Wrapper>& w) { return w->target == handler; });
}

} // namespace

class X11RunLoopAdapter::EventHandler final : public HostHandler<Linux::IEventHandler>
{
public:
	explicit EventHandler(VSTGUI::X11::IEventHandler* target) : target(target) {}

	void PLUGIN_API onFDIsSet(Linux::FileDescriptor) override
	{
		// The handler may unregister (and so release) us while it runs.
		IPtr<EventHandler> guard(this);
		if (target)
			target->onEvent();
	}

	VSTGUI::X11::IEventHandler* target;
};

class X11RunLoopAdapter::TimerHandler final : public HostHandler<Linux::ITimerHandler>
{
public:
	explicit TimerHandler(VSTGUI::X11::ITimerHandler* target) : target(target) {}

	void PLUGIN_API onTimer() override
	{
		IPtr<TimerHandler> guard(this);
		if (target)
			target->onTimer();
	}

	VSTGUI::X11::ITimerHandler* target;
};

X11RunLoopAdapter::X11RunLoopAdapter(IPtr<Linux::IRunLoop> hostRunLoop) : host(std::move(hostRunLoop)) {}

X11RunLoopAdapter::~X11RunLoopAdapter() noexcept
{
	detach();
}

bool X11RunLoopAdapter::registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler)
{
	if (!host || !handler || findWrapper(eventHandlers, handler) != eventHandlers.end())
		return false;
	auto wrapper = owned(new EventHandler(handler));
	if (host->registerEventHandler(wrapper, fd) != kResultTrue)
		return false;
	eventHandlers.push_back(wrapper);
	return true;
}

bool X11RunLoopAdapter::unregisterEventHandler(VSTGUI::X11::IEventHandler* handler)
{
	auto it = findWrapper(eventHandlers, handler);
	if (it == eventHandlers.end())
		return false;
	IPtr<EventHandler> wrapper = *it;
	eventHandlers.erase(it);
	wrapper->target = nullptr; // a host still holding it reaches nothing
	host->unregisterEventHandler(wrapper);
	return true;
}

bool X11RunLoopAdapter::registerTimer(uint64_t intervalMs, VSTGUI::X11::ITimerHandler* handler)
{
	if (!host || !handler || findWrapper(timers, handler) != timers.end())
		return false;
	auto wrapper = owned(new TimerHandler(handler));
	if (host->registerTimer(wrapper, intervalMs) != kResultTrue)
		return false;
	timers.push_back(wrapper);
	return true;
}

bool X11RunLoopAdapter::unregisterTimer(VSTGUI::X11::ITimerHandler* handler)
{
	auto it = findWrapper(timers, handler);
	if (it == timers.end())
		return false;
	IPtr<TimerHandler> wrapper = *it;
	timers.erase(it);
	wrapper->target = nullptr;
	host->unregisterTimer(wrapper);
	return true;
}

void X11RunLoopAdapter::detach()
{
	if (!host)
		return;
	// One at a time from the back: the host may call into us while it unregisters.
	while (!eventHandlers.empty())
		unregisterEventHandler(eventHandlers.back()->target);
	while (!timers.empty())
		unregisterTimer(timers.back()->target);
	host = nullptr; // the one reference we held
}

} // namespace Vst
} // namespace Steinberg
