// What a VST 3 view needs from its host, for a VST 2 host that offers none
// of it: an IPlugFrame whose resize requests go to the host window through
// audioMasterSizeWindow, and a run loop (Linux::IRunLoop) that the host's
// effEditIdle calls pump. Registrations may come and go while it pumps.
#pragma once

#include "vst2interface.h"

#include "public.sdk/source/vst/utility/plugframerunloop.h"
#include "public.sdk/source/vst/utility/pollrunloop.h"

#include <functional>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

class EditorFrame final : public PlugFrameRunLoop
{
public:
	// sizeWindow asks the VST 2 host for a new window size (width, height).
	using SizeWindow = std::function<bool(int32 width, int32 height)>;

	// Starts with one reference, owned by the caller.
	explicit EditorFrame(SizeWindow sizeWindow);
	EditorFrame(const EditorFrame&) = delete;
	EditorFrame& operator=(const EditorFrame&) = delete;

	// Handles every readable descriptor without waiting, then the due timers.
	void pump();

	//---IPlugFrame
	tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) SMTG_OVERRIDE;

	//---Linux::IRunLoop
	tresult PLUGIN_API registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd) SMTG_OVERRIDE;
	tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler* handler) SMTG_OVERRIDE;
	tresult PLUGIN_API registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds) SMTG_OVERRIDE;
	tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler* handler) SMTG_OVERRIDE;


private:
	virtual ~EditorFrame() = default;

	SizeWindow sizeWindow;
	PollRunLoop loop;
};

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
