// The host's run loop (Steinberg::Linux::IRunLoop, offered by the IPlugFrame)
// as VSTGUI's X11 layer wants it (VSTGUI::X11::IRunLoop). Each VSTGUI handler
// is wrapped in a small reference-counted FUnknown that the host may keep as
// long as it likes; once unregistered, a wrapper no longer reaches VSTGUI.
#pragma once

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

#include "vstgui/lib/platform/platform_x11.h"

#include <vector>

namespace Steinberg {
namespace Vst {

class X11RunLoopAdapter final : public VSTGUI::ReferenceCounted<VSTGUI::X11::IRunLoop>
{
public:
	explicit X11RunLoopAdapter(IPtr<Linux::IRunLoop> hostRunLoop);
	~X11RunLoopAdapter() noexcept override;
	X11RunLoopAdapter(const X11RunLoopAdapter&) = delete;
	X11RunLoopAdapter& operator=(const X11RunLoopAdapter&) = delete;

	bool registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler) override;
	bool unregisterEventHandler(VSTGUI::X11::IEventHandler* handler) override;
	bool registerTimer(uint64_t intervalMs, VSTGUI::X11::ITimerHandler* handler) override;
	bool unregisterTimer(VSTGUI::X11::ITimerHandler* handler) override;

	// Unregisters whatever is still registered and lets go of the host's run
	// loop, for good: later registrations fail.
	void detach();

private:
	class EventHandler;
	class TimerHandler;

	IPtr<Linux::IRunLoop> host;
	std::vector<IPtr<EventHandler>> eventHandlers;
	std::vector<IPtr<TimerHandler>> timers;
};

} // namespace Vst
} // namespace Steinberg
