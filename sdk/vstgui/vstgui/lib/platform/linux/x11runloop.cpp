// The process-wide view of the host run loops (x11runloops.h), and
// RunLoop::get(), which hands out a loop that forwards to them.
#include "x11runloops.h"

#include <algorithm>
#include <vector>

namespace VSTGUI {
namespace X11 {
namespace {

struct AttachedLoop
{
	SharedPointer<IRunLoop> loop;
	int users;
};

struct Registration
{
	void* handler;
	bool isTimer;
	int fd;
	uint64_t intervalMs;
	IRunLoop* on;
};

// Forwards to the earliest attached host loop and moves what is registered
// there when that loop goes. Lives as long as the module; never deleted.
class ForwardingRunLoop final : public IRunLoop
{
public:
	void remember() override {}
	void forget() override {}

	void attach(const SharedPointer<IRunLoop>& loop)
	{
		if (!loop)
			return;
		auto it = find(loop.get());
		if (it != loops.end())
			++it->users;
		else
			loops.push_back({loop, 1});
		self = this;
	}

	void detach(IRunLoop* loop)
	{
		auto it = find(loop);
		if (it == loops.end() || --it->users > 0)
			return;
		const SharedPointer<IRunLoop> leaving = it->loop; // alive until its registrations are moved
		loops.erase(it);
		if (loops.empty())
			self.reset();
		moveRegistrationsFrom(leaving.get());
	}

	IRunLoop* earliest() const { return loops.empty() ? nullptr : loops.front().loop.get(); }
	const SharedPointer<IRunLoop>& get() const { return self; }

	bool registerEventHandler(int fd, IEventHandler* handler) override
	{
		return add({handler, false, fd, 0, nullptr});
	}
	bool unregisterEventHandler(IEventHandler* handler) override { return remove(handler); }
	bool registerTimer(uint64_t intervalMs, ITimerHandler* handler) override
	{
		return add({handler, true, -1, intervalMs, nullptr});
	}
	bool unregisterTimer(ITimerHandler* handler) override { return remove(handler); }

private:
	std::vector<AttachedLoop>::iterator find(IRunLoop* loop)
	{
		return std::find_if(loops.begin(), loops.end(), [loop](const AttachedLoop& a) { return a.loop.get() == loop; });
	}

	static bool place(Registration& r, IRunLoop* loop)
	{
		r.on = loop;
		return r.isTimer ? loop->registerTimer(r.intervalMs, static_cast<ITimerHandler*>(r.handler))
		                 : loop->registerEventHandler(r.fd, static_cast<IEventHandler*>(r.handler));
	}

	static void displace(const Registration& r)
	{
		if (r.isTimer)
			r.on->unregisterTimer(static_cast<ITimerHandler*>(r.handler));
		else
			r.on->unregisterEventHandler(static_cast<IEventHandler*>(r.handler));
	}

	bool add(Registration r)
	{
		IRunLoop* loop = earliest();
		if (!r.handler || !loop || contains(r.handler) || !place(r, loop))
			return false;
		registrations.push_back(r);
		return true;
	}

	bool remove(void* handler)
	{
		auto it = std::find_if(registrations.begin(), registrations.end(),
		                       [handler](const Registration& r) { return r.handler == handler; });
		if (it == registrations.end())
			return false;
		const Registration r = *it;
		registrations.erase(it); // before the call: the loop may call back into us
		displace(r);
		return true;
	}

	bool contains(void* handler) const
	{
		return std::any_of(registrations.begin(), registrations.end(),
		                   [handler](const Registration& r) { return r.handler == handler; });
	}

	void moveRegistrationsFrom(IRunLoop* leaving)
	{
		std::vector<Registration> moving;
		auto keep = std::stable_partition(registrations.begin(), registrations.end(),
		                                  [leaving](const Registration& r) { return r.on != leaving; });
		moving.assign(keep, registrations.end());
		registrations.erase(keep, registrations.end());
		for (auto& r : moving)
		{
			displace(r);
			if (IRunLoop* next = earliest(); next && place(r, next))
				registrations.push_back(r);
		}
	}

	std::vector<AttachedLoop> loops;
	std::vector<Registration> registrations;
	SharedPointer<IRunLoop> self; // what RunLoop::get() answers: set while a loop is attached
};

ForwardingRunLoop& forwarder()
{
	static ForwardingRunLoop instance;
	return instance;
}

} // namespace

void attachRunLoop(const SharedPointer<IRunLoop>& runLoop)
{
	forwarder().attach(runLoop);
}

void detachRunLoop(IRunLoop* runLoop)
{
	forwarder().detach(runLoop);
}

bool registerTimer(uint64_t intervalMs, ITimerHandler* handler)
{
	return forwarder().registerTimer(intervalMs, handler);
}

bool unregisterTimer(ITimerHandler* handler)
{
	return forwarder().unregisterTimer(handler);
}

void RunLoop::init(const SharedPointer<IRunLoop>& runLoop)
{
	attachRunLoop(runLoop);
}

// Without an argument: the earliest attached loop has one user less.
void RunLoop::exit()
{
	if (IRunLoop* loop = forwarder().earliest())
		detachRunLoop(loop);
}

const SharedPointer<IRunLoop>& RunLoop::get()
{
	return forwarder().get();
}

} // namespace X11
} // namespace VSTGUI
