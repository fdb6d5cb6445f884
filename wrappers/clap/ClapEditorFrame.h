// What a VST 3 view needs from its host, over what a CLAP host offers: an
// IPlugFrame whose resize requests go to the host's gui extension, and a
// Linux::IRunLoop whose timers are the host's timer support. These headers
// know no file-descriptor support, so the view's descriptors (its X
// connection) are polled from one more host timer.
#pragma once

#include "clap/ext/gui.h"
#include "clap/ext/timer-support.h"

#include "public.sdk/source/vst/utility/plugframerunloop.h"
#include "public.sdk/source/vst/utility/pollrunloop.h"

#include "pluginterfaces/gui/iplugview.h"

#include <vector>

namespace Steinberg {
namespace Vst {
namespace Clap {

class EditorFrame final : public PlugFrameRunLoop
{
public:
	// Starts with one reference, owned by the caller. gui may be null.
	EditorFrame(const clap_host_t* host, const clap_host_timer_support_t* timers, const clap_host_gui_t* gui);
	EditorFrame(const EditorFrame&) = delete;
	EditorFrame& operator=(const EditorFrame&) = delete;

	// The host's on_timer; false when the timer is not this frame's.
	bool onTimer(clap_id timerId);
	// Gives every host timer back; later registrations are refused.
	void close();
	size_t timerCount() const { return timers.size(); }

	//---IPlugFrame
	tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) SMTG_OVERRIDE;

	//---Linux::IRunLoop
	tresult PLUGIN_API registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd) SMTG_OVERRIDE;
	tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler* handler) SMTG_OVERRIDE;
	tresult PLUGIN_API registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds) SMTG_OVERRIDE;
	tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler* handler) SMTG_OVERRIDE;


private:
	struct Timer
	{
		clap_id id;
		IPtr<Linux::ITimerHandler> handler; // null for the descriptor poll
	};

	virtual ~EditorFrame();
	bool startPolling();
	void stopPolling();

	const clap_host_t* host;
	const clap_host_timer_support_t* hostTimers;
	const clap_host_gui_t* hostGui;
	std::vector<Timer> timers;
	PollRunLoop descriptors; // only its descriptor half is used
	clap_id pollTimer = CLAP_INVALID_ID;
	bool closed = false;
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
