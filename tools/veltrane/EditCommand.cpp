// veltrane edit: the plug-in's editor in a desktop window of its own, its
// settings saved as a state file when the window closes.
#include "Commands.h"

#include "AtomicFile.h"
#include "EditorSession.h"
#include "StateFile.h"
#include "ToolError.h"
#include "Usage.h"

#include "host/HostError.h"
#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/RunLoop.h"
#include "host/x11/X11Connection.h"

#include <cstdio>
#include <optional>

namespace Veltrane {

using namespace Steinberg;

namespace {

constexpr const char* kCommand = "edit";
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

// Shows the view in a window of the view's size until the user closes it,
// as a host's editor window does: the view lives on the run loop it is given.
void showUntilClosed(IPlugView& view)
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
	while (!window.closeRequested())
		runLoop.pumpOnce(kPumpMs);
	view.removed();
	view.setFrame(nullptr);
}

} // namespace

int runEdit(const std::vector<std::string>& arguments)
{
	std::vector<OptionSpec> accepted(std::begin(kEditorStartOptions), std::end(kEditorStartOptions));
	accepted.push_back({"state-out", true});
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, accepted);
	if (line.has("help"))
	{
		std::fputs(kEditUsage, stdout);
		return 0;
	}
	if (!line.operands.empty())
		throw UsageError(kCommand, "unexpected argument '" + line.operands.front() + "'");
	const EditorStart start = readEditorStart(kCommand, line);
	const std::optional<std::string> stateOut = line.last("state-out");

	EditorSession session(start);
	// The output is claimed before the window opens, so a bad name fails early.
	std::optional<AtomicFile> output;
	if (stateOut)
		output.emplace(*stateOut);
	else
		std::fputs("veltrane: note: without --state-out the settings are not saved\n", stderr);
	{
		// Without --scale the editor follows the desktop, as with a host that says nothing.
		const IPtr<IPlugView> view = session.createEditor(start.scale);
		showUntilClosed(*view);
	}
	if (!output)
		return 0;
	const std::vector<std::uint8_t> state = session.stateAfterEdits();
	writeStateFile(*output, state, session.classId());
	output->commit();
	std::printf("Saved the settings to '%s'.\n", stateOut->c_str());
	return 0;
}

} // namespace Veltrane
