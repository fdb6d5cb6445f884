// A host's editor window with its run loop, as a Linux DAW offers them, and
// what the window tests read back from it. Runs under Xvfb.
#pragma once

#include "KnobPicture.h"

#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/Pointer.h"
#include "host/x11/RunLoop.h"
#include "host/x11/WindowQuery.h"
#include "host/x11/X11Connection.h"

#include <gtest/gtest.h>

#include <vector>

namespace EditorTest {

constexpr int kWaitMs = 5000; // for the X server, never reached when things work

struct Desktop
{
	Desktop(int width, int height, const char* title) : window(connection, width, height, title) {}

	// The plug-in's one window in the host window, once mapped; 0 until then.
	VeltraneHost::WindowId editorWindow() const
	{
		const std::vector<VeltraneHost::WindowId> children = inspector.children(window.id());
		return children.size() == 1 && inspector.isMapped(children[0]) ? children[0] : 0;
	}

	bool waitForEditorWindow() { return runLoop.pumpUntil([&] { return editorWindow() != 0; }, kWaitMs); }

	// The editor window as it shows now.
	Pixels picture() const
	{
		const VeltraneHost::WindowImage image = inspector.grab(editorWindow());
		return Pixels{image.width, image.height, image.pixels};
	}

	Pixels shown(int x, int y, int w, int h) const { return picture().crop(x, y, w, h); }

	bool waitUntilShown(int x, int y, const Pixels& expected)
	{
		return runLoop.pumpUntil(
			[&] { return largestDifference(shown(x, y, expected.width, expected.height), expected) <= 1; }, kWaitMs);
	}

	// A left-button drag in the editor window, with the run loop turning in between.
	void drag(int fromX, int fromY, int toX, int toY)
	{
		VeltraneHost::Pointer pointer(connection);
		const VeltraneHost::WindowId editor = editorWindow();
		pointer.moveTo(editor, fromX, fromY);
		pointer.press();
		runLoop.runFor(30);
		pointer.moveTo(editor, toX, toY);
		runLoop.runFor(30);
		pointer.release();
		runLoop.runFor(30);
	}

	// Nothing of the editor left: no window, nothing on the run loop.
	void expectEverythingGivenBack() const
	{
		connection.sync();
		EXPECT_TRUE(inspector.children(window.id()).empty());
		EXPECT_EQ(runLoop.eventHandlerCount(), 0u);
		EXPECT_EQ(runLoop.timerCount(), 0u);
		EXPECT_EQ(runLoop.outstandingReferences(), 0);
	}

	VeltraneHost::X11Connection connection;
	VeltraneHost::HostWindow window;
	VeltraneHost::RunLoop runLoop;
	VeltraneHost::PlugFrame frame{&runLoop, &window};
	VeltraneHost::WindowQuery inspector{connection};
};

} // namespace EditorTest
