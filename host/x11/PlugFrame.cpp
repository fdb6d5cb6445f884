#include "host/x11/PlugFrame.h"

#include "host/x11/HostWindow.h"
#include "host/x11/RunLoop.h"

using namespace Steinberg;

namespace VeltraneHost {

tresult PLUGIN_API PlugFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
	if (!view || !newSize || newSize->getWidth() <= 0 || newSize->getHeight() <= 0)
		return kInvalidArgument;
	++resizes;
	lastSize = *newSize;
	if (window)
		window->resize(newSize->getWidth(), newSize->getHeight());
	view->onSize(newSize);
	return kResultTrue;
}

tresult PLUGIN_API PlugFrame::queryInterface(const TUID iid, void** obj)
{
	if (!obj)
		return kInvalidArgument;
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IPlugFrame::iid))
	{
		*obj = static_cast<IPlugFrame*>(this);
		return kResultOk;
	}
	if (runLoop && FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
		return runLoop->queryInterface(iid, obj);
	*obj = nullptr;
	return kNoInterface;
}

} // namespace VeltraneHost
