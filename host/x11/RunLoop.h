#pragma once

#include "public.sdk/source/vst/utility/pollrunloop.h"

#include <functional>

namespace VeltraneHost {

// The run loop a Linux host offers its plug-in views (Linux::IRunLoop) over
// poll(): handlers are called when their descriptor is readable, timers
// every interval. Handlers and timers may unregister themselves or others
// while they run. Host-owned: references are counted so that tests can see
// the plug-in give back what it took, but the object never deletes itself.
class RunLoop final : public Steinberg::Linux::IRunLoop
{
public:
	RunLoop() = default;
	RunLoop(const RunLoop&) = delete;
	RunLoop& operator=(const RunLoop&) = delete;

	// Waits at most timeoutMs for a descriptor or a timer, then runs what is
	// due. False when there was nothing to run.
	bool pumpOnce(int timeoutMs);
	void runFor(int ms);
	// Pumps until predicate holds; false when timeoutMs passed first.
	bool pumpUntil(const std::function<bool()>& predicate, int timeoutMs);

	size_t eventHandlerCount() const { return loop.eventHandlerCount(); }
	size_t timerCount() const { return loop.timerCount(); }
	// References the plug-in holds: addRef calls not yet released (negative
	// after a release too many).
	int outstandingReferences() const { return references; }
	int timerTicks() const { return ticks; }

	//---Linux::IRunLoop
	Steinberg::tresult PLUGIN_API registerEventHandler(Steinberg::Linux::IEventHandler* handler,
		Steinberg::Linux::FileDescriptor fd) override;
	Steinberg::tresult PLUGIN_API unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) override;
	Steinberg::tresult PLUGIN_API registerTimer(Steinberg::Linux::ITimerHandler* handler,
		Steinberg::Linux::TimerInterval milliseconds) override;
	Steinberg::tresult PLUGIN_API unregisterTimer(Steinberg::Linux::ITimerHandler* handler) override;

	//---FUnknown
	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
	Steinberg::uint32 PLUGIN_API addRef() override;
	Steinberg::uint32 PLUGIN_API release() override;

private:
	Steinberg::Vst::PollRunLoop loop;
	int references = 0;
	int ticks = 0;
};

} // namespace VeltraneHost
