#include "ClapEditorFrame.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

// How often the view's X connection is read: a little above 60 Hz.
constexpr uint32_t kPollPeriodMs = 15;

} // namespace

EditorFrame::EditorFrame(const clap_host_t* host, const clap_host_timer_support_t* timers, const clap_host_gui_t* gui)
: host(host), hostTimers(timers), hostGui(gui)
{
}

EditorFrame::~EditorFrame()
{
	close();
}

void EditorFrame::close()
{
	closed = true;
	// Taken out first: the host may call back while its timers go.
	std::vector<Timer> gone;
	gone.swap(timers);
	for (const Timer& timer : gone)
		hostTimers->unregister_timer(host, timer.id);
	pollTimer = CLAP_INVALID_ID;
}

bool EditorFrame::onTimer(clap_id timerId)
{
	const auto found =
		std::find_if(timers.begin(), timers.end(), [timerId](const Timer& timer) { return timer.id == timerId; });
	if (found == timers.end())
		return false;
	// Held while it runs: it may unregister itself, or the host may close the editor.
	IPtr<EditorFrame> keep(this);
	if (timerId == pollTimer)
		descriptors.dispatchReadable(0);
	else if (IPtr<Linux::ITimerHandler> handler = found->handler)
		handler->onTimer();
	return true;
}

tresult PLUGIN_API EditorFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
	if (!view || !newSize || newSize->getWidth() <= 0 || newSize->getHeight() <= 0)
		return kInvalidArgument;
	if (!hostGui || !hostGui->request_resize ||
		!hostGui->request_resize(host, static_cast<uint32_t>(newSize->getWidth()),
			static_cast<uint32_t>(newSize->getHeight())))
		return kResultFalse;
	view->onSize(newSize);
	return kResultTrue;
}

bool EditorFrame::startPolling()
{
	if (pollTimer != CLAP_INVALID_ID)
		return true;
	clap_id id = CLAP_INVALID_ID;
	if (!hostTimers->register_timer(host, kPollPeriodMs, &id) || id == CLAP_INVALID_ID)
		return false;
	pollTimer = id;
	timers.push_back({id, nullptr});
	return true;
}

void EditorFrame::stopPolling()
{
	if (pollTimer == CLAP_INVALID_ID)
		return;
	const clap_id id = pollTimer;
	pollTimer = CLAP_INVALID_ID;
	timers.erase(std::remove_if(timers.begin(), timers.end(), [id](const Timer& timer) { return timer.id == id; }),
		timers.end());
	hostTimers->unregister_timer(host, id);
}

tresult PLUGIN_API EditorFrame::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
	if (closed)
		return kResultFalse;
	const tresult result = descriptors.registerEventHandler(handler, fd);
	if (result != kResultTrue && result != kResultOk)
		return result;
	if (!startPolling())
	{
		descriptors.unregisterEventHandler(handler);
		return kResultFalse;
	}
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterEventHandler(Linux::IEventHandler* handler)
{
	const tresult result = descriptors.unregisterEventHandler(handler);
	if (descriptors.eventHandlerCount() == 0)
		stopPolling();
	return result;
}

tresult PLUGIN_API EditorFrame::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	if (!handler || milliseconds == 0)
		return kInvalidArgument;
	if (closed)
		return kResultFalse;
	for (const Timer& timer : timers)
		if (timer.handler == handler)
			return kInvalidArgument;
	clap_id id = CLAP_INVALID_ID;
	const auto period = static_cast<uint32_t>(std::min<Linux::TimerInterval>(milliseconds, 0xFFFFFFFFu));
	if (!hostTimers->register_timer(host, period, &id) || id == CLAP_INVALID_ID)
		return kResultFalse;
	timers.push_back({id, handler});
	return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterTimer(Linux::ITimerHandler* handler)
{
	const auto found = std::find_if(timers.begin(), timers.end(),
		[handler](const Timer& timer) { return handler && timer.handler == handler; });
	if (found == timers.end())
		return kInvalidArgument;
	const clap_id id = found->id;
	timers.erase(found); // the handler may be going away with this reference
	hostTimers->unregister_timer(host, id);
	return kResultTrue;
}

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
