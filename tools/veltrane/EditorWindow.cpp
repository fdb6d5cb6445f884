#include "EditorWindow.h"

#include "ToolError.h"

#include "host/HostError.h"
#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/RunLoop.h"
#include "host/x11/X11Connection.h"

#include <X11/Xlib.h>

#include <string>

namespace Veltrane {

using namespace Steinberg;

namespace {

// How long one turn of the loop may wait when nothing wakes it: the desktop
// and the editor's timers do, this bounds how late `done` learns of the rest.
constexpr int kPumpMs = 100;

// Wakes the loop when the desktop sends the host window something (a close
// request, say): the loop then waits for work instead of turning on a short
// timeout. The window reads its events itself, between turns.
class DesktopWakeUp final : public Linux::IEventHandler
{
public:
	void PLUGIN_API onFDIsSet(Linux::FileDescriptor) override {}

	// Lives on the stack for the window's life: the references are not counted.
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
	{
		if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Linux::IEventHandler::iid))
		{
			*obj = static_cast<Linux::IEventHandler*>(this);
			return kResultOk;
		}
		*obj = nullptr;
		return kNoInterface;
	}
	uint32 PLUGIN_API addRef() override { return 1; }
	uint32 PLUGIN_API release() override { return 1; }
};

VeltraneHost::X11Connection connectToDesktop()
{
	try
	{
		return VeltraneHost::X11Connection();
	}
	catch (const VeltraneHost::HostError& error)
	{
		throw ToolError(std::string("cannot open a window: ") + error.what());
	}
}

} // namespace

void showEditorWindow(IPlugView& view, const std::function<bool()>& done)
{
	if (view.isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
		throw ToolError("the plug-in's editor cannot be shown in an X11 window");
	ViewRect size{};
	if (view.getSize(&size) != kResultOk || size.getWidth() <= 0 || size.getHeight() <= 0)
		throw ToolError("the plug-in's editor reports no size");

	VeltraneHost::X11Connection connection = connectToDesktop();
	VeltraneHost::HostWindow window(connection, size.getWidth(), size.getHeight(), "VeltraneFree");
	VeltraneHost::RunLoop runLoop;
	VeltraneHost::PlugFrame frame(&runLoop, &window);
	view.setFrame(&frame);
	if (view.attached(window.parentHandle(), kPlatformTypeX11EmbedWindowID) != kResultOk)
	{
		view.setFrame(nullptr);
		throw ToolError("the plug-in's editor could not open its window");
	}
	DesktopWakeUp wakeUp;
	runLoop.registerEventHandler(&wakeUp, ConnectionNumber(connection.display()));
	while (!window.closeRequested() && !done())
		runLoop.pumpOnce(kPumpMs);
	runLoop.unregisterEventHandler(&wakeUp);
	view.removed();
	view.setFrame(nullptr);
}

} // namespace Veltrane
