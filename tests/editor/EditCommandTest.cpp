// veltrane edit and live, end to end under Xvfb: a user drags the Feedback
// knob in the tool's window, closes it, and finds the setting in the state file.
#include "JackTestServer.h"
#include "KnobPicture.h"
#include "ToolProcess.h"

#include "host/Module.h"
#include "host/PlugInstance.h"
#include "host/x11/Pointer.h"
#include "host/x11/WindowQuery.h"
#include "host/x11/X11Connection.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Last: Xlib's macros (None, Bool ...) would break the headers above.
#include <X11/Xlib.h>

namespace {

using namespace EditorTest;
using namespace VeltraneHost;
using ToolTests::RunningTool;
using ToolTests::TempDir;

bool waitFor(const std::function<bool()>& done)
{
	for (int turn = 0; turn < 500; ++turn) // five seconds, never reached when things work
	{
		if (done())
			return true;
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	return done();
}

std::string windowName(X11Connection& connection, WindowId window)
{
	char* name = nullptr;
	std::string text;
	if (XFetchName(connection.display(), window, &name) && name)
		text = name;
	if (name)
		XFree(name);
	return text;
}

// What the window manager sends when the user closes a window.
void askToClose(X11Connection& connection, WindowId window)
{
	Display* display = connection.display();
	XEvent event{};
	event.xclient.type = ClientMessage;
	event.xclient.window = window;
	event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
	event.xclient.format = 32;
	event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
	event.xclient.data.l[1] = CurrentTime;
	XSendEvent(display, window, False, NoEventMask, &event);
	connection.sync();
}

// Drags Feedback from 0 to a fifth of its range in the tool's window and
// closes it, as a user would; answers the tool's run.
ToolTests::ToolRun dialFeedbackAndClose(RunningTool& tool)
{
	X11Connection connection;
	WindowQuery inspector(connection);
	WindowId top = 0, editor = 0;
	const bool shown = waitFor([&] {
		for (WindowId window : inspector.children(connection.root()))
			if (windowName(connection, window) == "VeltraneFree")
				top = window;
		const std::vector<WindowId> children = top ? inspector.children(top) : std::vector<WindowId>{};
		editor = children.size() == 1 && inspector.isMapped(children[0]) ? children[0] : 0;
		return editor != 0;
	});
	EXPECT_TRUE(shown) << "no editor window";
	const auto knobShows = [&](int frame) {
		const Pixels expected = expectedFeedbackKnob(frame);
		return waitFor([&] {
			const WindowImage image = inspector.grab(editor);
			return image.width == 485 &&
			       largestDifference(feedbackKnobIn(Pixels{image.width, image.height, image.pixels}), expected) <= 1;
		});
	};
	if (shown && knobShows(0))
	{
		// 40 px up in linear mode: a fifth of the range.
		Pointer pointer(connection);
		pointer.moveTo(editor, kFeedbackX + 42, kFeedbackY + 42);
		pointer.press();
		pointer.moveTo(editor, kFeedbackX + 42, kFeedbackY + 2);
		pointer.release();
		EXPECT_TRUE(knobShows(26)); // the edit has reached the tool before the window closes
	}
	if (top)
		askToClose(connection, top);
	return tool.wait();
}

double savedFeedback(const std::string& state)
{
	const Module module = Module::load(VELTRANE_BUNDLE);
	PlugInstance plugIn = module.createInstance();
	EXPECT_EQ(plugIn.setState(ToolTests::readBytes(state)), Steinberg::kResultOk);
	return plugIn.controller().getParamNormalized(1);
}

TEST(EditCommand, SettingsDialledInTheWindowAreSavedWhenItCloses)
{
	const TempDir folder;
	const std::string state = folder / "dialled.state";
	RunningTool tool({"edit", "--set", "Feedback=0", "--state-out", state});
	const ToolTests::ToolRun run = dialFeedbackAndClose(tool);
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_EQ(run.out, "Saved the settings to '" + state + "'.\n");
	EXPECT_NEAR(savedFeedback(state), 0.2, 1e-6);
}

// The same on live audio: the edits go to the plug-in on JACK's thread, and
// closing the window ends the client cleanly.
TEST(LiveCommand, SettingsDialledInTheWindowAreSavedWhenItCloses)
{
	ToolTests::JackTestServer server;
	const TempDir folder;
	const std::string state = folder / "live.state";
	RunningTool tool({"live", "--set", "Feedback=0", "--state-out", state}, {server.environment()});
	const ToolTests::ToolRun run = dialFeedbackAndClose(tool);
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_NE(run.out.find("Saved the settings to '" + state + "'."), std::string::npos) << run.out;
	EXPECT_NEAR(savedFeedback(state), 0.2, 1e-6);
}

} // namespace
