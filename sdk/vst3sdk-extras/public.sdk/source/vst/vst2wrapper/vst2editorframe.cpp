#include "vst2editorframe.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

EditorFrame::EditorFrame(SizeWindow sizeWindow) : sizeWindow(std::move(sizeWindow)) {}

void EditorFrame::pump()
{
	// Idle calls may be far apart: timers do not catch up.
	loop.dispatchReadable(0);
	loop.fireDueTimers();
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
	return loop.registerEventHandler(handler, fd);
}

tresult PLUGIN_API EditorFrame::unregisterEventHandler(Linux::IEventHandler* handler)
{
	return loop.unregisterEventHandler(handler);
}

tresult PLUGIN_API EditorFrame::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
	return loop.registerTimer(handler, milliseconds);
}

tresult PLUGIN_API EditorFrame::unregisterTimer(Linux::ITimerHandler* handler)
{
	return loop.unregisterTimer(handler);
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
