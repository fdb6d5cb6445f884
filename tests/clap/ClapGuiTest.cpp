// The CLAP face's editor in a host window, on the host's timers, with audio
// running on another thread.
#include "host/clap/ClapHost.h"

#include "host/x11/HostWindow.h"
#include "host/x11/Pointer.h"
#include "host/x11/WindowQuery.h"
#include "host/x11/X11Connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace VeltraneHost;
using namespace VeltraneHost;

namespace {

constexpr clap_id kFeedback = 1;
constexpr int kFeedbackKnobX = 139 + 42, kFeedbackKnobY = 173 + 42; // the knob's centre in the editor

bool pumpUntil(ClapHostContext& host, const clap_plugin_t* plugin, const std::function<bool()>& done, int timeoutMs = 5000)
{
	for (int waited = 0; waited < timeoutMs; waited += 10)
	{
		if (done())
			return true;
		host.pumpFor(plugin, 10);
	}
	return done();
}

// A picture of the editor for the closing note, when asked for ($CLAP_GUI_PICTURE, a PPM file).
void keepPicture(const WindowImage& image)
{
	const char* path = std::getenv("CLAP_GUI_PICTURE");
	if (!path || image.width == 0)
		return;
	if (FILE* file = std::fopen(path, "wb"))
	{
		std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
		for (const uint32_t pixel : image.pixels)
		{
			const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
				static_cast<unsigned char>(pixel)};
			std::fwrite(rgb, 1, 3, file);
		}
		std::fclose(file);
	}
}

struct GuiSession
{
	X11Connection connection;
	WindowQuery query {connection};
	ClapLibrary library {VELTRANE_CLAP};
	ClapHostContext host;
	ClapInstance instance {library, host};
	const clap_plugin_t* plugin = instance.plugin();
	const clap_plugin_gui_t* gui = instance.extension<clap_plugin_gui_t>(CLAP_EXT_GUI);

	// The editor's own window inside the host's, once it shows.
	WindowId open(const HostWindow& window)
	{
		if (!gui->create(plugin, CLAP_WINDOW_API_X11, false))
			return 0;
		clap_window_t parent {CLAP_WINDOW_API_X11, {}};
		parent.x11 = window.id();
		if (!gui->set_parent(plugin, &parent) || !gui->show(plugin))
			return 0;
		WindowId editor = 0;
		pumpUntil(host, plugin, [&] {
			const std::vector<WindowId> children = query.children(window.id());
			editor = children.size() == 1 && query.isMapped(children[0]) ? children[0] : 0;
			return editor != 0;
		});
		return editor;
	}
};

TEST(ClapGui, EmbedsInX11OnTheHostTimersAndAKnobDragReachesTheHost)
{
	GuiSession session;
	ASSERT_NE(session.gui, nullptr);
	const clap_plugin_gui_t& gui = *session.gui;
	const clap_plugin_t* plugin = session.plugin;
	EXPECT_TRUE(gui.is_api_supported(plugin, CLAP_WINDOW_API_X11, false));
	EXPECT_FALSE(gui.is_api_supported(plugin, CLAP_WINDOW_API_X11, true));
	EXPECT_FALSE(gui.is_api_supported(plugin, CLAP_WINDOW_API_WAYLAND, false));
	EXPECT_FALSE(gui.create(plugin, CLAP_WINDOW_API_X11, true));

	HostWindow window(session.connection, 485, 270, "CLAP host");
	ASSERT_TRUE(gui.create(plugin, CLAP_WINDOW_API_X11, false));
	gui.set_scale(plugin, 1.0); // handed to the editor; it may or may not scale
	uint32_t width = 0, height = 0;
	ASSERT_TRUE(gui.get_size(plugin, &width, &height));
	EXPECT_EQ(width, 485u);
	EXPECT_EQ(height, 270u);
	EXPECT_FALSE(gui.can_resize(plugin));
	gui.destroy(plugin);

	const WindowId editor = session.open(window);
	ASSERT_NE(editor, 0u);
	EXPECT_GT(session.host.timerCount(), 0u); // the editor's timers and its X connection's poll
	ASSERT_TRUE(pumpUntil(session.host, plugin, [&] { return session.query.grab(editor).distinctColours() > 16; }));
	keepPicture(session.query.grab(editor));

	// 40 px up: a fifth of the Feedback range, as a gesture the host sees on its next flush.
	Pointer pointer(session.connection);
	pointer.moveTo(editor, kFeedbackKnobX, kFeedbackKnobY);
	pointer.press();
	pointer.moveTo(editor, kFeedbackKnobX, kFeedbackKnobY - 40);
	pointer.release();
	session.connection.sync();
	OutputEvents out;
	ASSERT_TRUE(pumpUntil(session.host, plugin, [&] {
		if (session.host.flushRequests > 0)
			session.instance.params().flush(plugin, nullptr, out.list());
		return std::find(out.types.begin(), out.types.end(), CLAP_EVENT_PARAM_GESTURE_END) != out.types.end();
	}));
	ASSERT_FALSE(out.values.empty());
	EXPECT_EQ(out.values.back().param_id, kFeedback);
	EXPECT_NEAR(out.values.back().value, 20.0, 0.5);
	EXPECT_EQ(out.types.front(), CLAP_EVENT_PARAM_GESTURE_BEGIN);
	EXPECT_EQ(out.types.back(), CLAP_EVENT_PARAM_GESTURE_END);

	EXPECT_TRUE(gui.hide(plugin));
	EXPECT_TRUE(gui.show(plugin));
	gui.destroy(plugin);
	EXPECT_EQ(session.host.timerCount(), 0u);
	EXPECT_TRUE(session.query.children(window.id()).empty());
}

TEST(ClapGui, OpensAndClosesManyTimesWithAudioRunningAndLeavesNothingBehind)
{
	GuiSession session;
	ASSERT_TRUE(session.instance.activate(48000.0, 128));
	std::atomic<bool> running {true};
	std::thread audio([&] {
		std::vector<float> left(128, 0.25f), right(128, -0.25f), outLeft(128), outRight(128);
		float* inputs[2] = {left.data(), right.data()};
		float* outputs[2] = {outLeft.data(), outRight.data()};
		InputEvents in;
		OutputEvents out;
		while (running.load())
		{
			out.clear();
			session.instance.process(inputs, outputs, 128, in, out);
			std::this_thread::sleep_for(std::chrono::microseconds(500));
		}
	});

	HostWindow window(session.connection, 485, 270, "CLAP host");
	for (int cycle = 0; cycle < 25; ++cycle)
	{
		ASSERT_NE(session.open(window), 0u) << "cycle " << cycle;
		session.host.pumpFor(session.plugin, 30);
		session.gui->destroy(session.plugin);
		EXPECT_EQ(session.host.timerCount(), 0u);
		session.connection.sync();
		EXPECT_TRUE(session.query.children(window.id()).empty());
	}

	// Destroyed in the middle of a round of timers: the rest of the round, and stray ids, go nowhere.
	ASSERT_NE(session.open(window), 0u);
	bool destroyed = false;
	session.host.duringTimers = [&] { session.gui->destroy(session.plugin), destroyed = true; };
	ASSERT_TRUE(pumpUntil(session.host, session.plugin, [&] { return destroyed; }));
	const auto* timers = session.instance.extension<clap_plugin_timer_support_t>(CLAP_EXT_TIMER_SUPPORT);
	for (clap_id id = 0; id < 200; ++id)
		timers->on_timer(session.plugin, id);
	EXPECT_EQ(session.host.timerCount(), 0u);

	running = false;
	audio.join();
	session.instance.deactivate();
}

TEST(ClapGui, IsNotOfferedWithoutTheHostTimers)
{
	ClapLibrary library(VELTRANE_CLAP);
	ClapHostContext host;
	host.timerSupport = false;
	ClapInstance instance(library, host);
	EXPECT_EQ(instance.extension<clap_plugin_gui_t>(CLAP_EXT_GUI), nullptr);
}

} // namespace
