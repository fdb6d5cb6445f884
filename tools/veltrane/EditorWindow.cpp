#include "EditorWindow.h"

#include "ToolError.h"

#include "host/HostError.h"
#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/RunLoop.h"
#include "host/x11/X11Connection.h"

#include <string>

namespace Veltrane {

using namespace Steinberg;

namespace {

constexpr int kPumpMs = 20; // how long one turn of the loop may wait for work

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
	while (!window.closeRequested() && !done())
		runLoop.pumpOnce(kPumpMs);
	view.removed();
	view.setFrame(nullptr);
}

} // namespace Veltrane
