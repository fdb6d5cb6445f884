// A CFrame opened on a host's X11 window: the child window, its drawing,
// the mouse reaching the views, and timers on the host's run loop.
#include "PlatformTestSupport.h"

#include "host/x11/Pointer.h"

#include "public.sdk/source/vst/vstguix11runloop.h"

#include "vstgui/lib/cvstguitimer.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <xcb/damage.h>

#include <cstdlib>

using namespace PlatformTest;
using namespace VSTGUI;
using VeltraneHost::Pointer;

namespace {

// The run loop as the frame sees it, over a host run loop.
struct FrameConfig : X11::FrameConfig
{
	explicit FrameConfig(VeltraneHost::RunLoop& hostLoop)
	{
		adapter = owned(new Steinberg::Vst::X11RunLoopAdapter(Steinberg::IPtr<Steinberg::Linux::IRunLoop>(&hostLoop)));
		runLoop = adapter.get();
	}
	~FrameConfig() override { adapter->detach(); }

	SharedPointer<Steinberg::Vst::X11RunLoopAdapter> adapter;
};

} // namespace

TEST(X11Frame, EmbedsAMappedChildThatDrawsAndTakesTheMouse)
{
	Host host;
	FrameConfig config(host.runLoop);
	RecordingView* target = nullptr;
	CFrame* frame = makeFrame(nullptr, target);
	ASSERT_TRUE(frame->open(host.window.parentHandle(), PlatformType::kX11EmbedWindowID, &config));

	const auto children = host.children();
	ASSERT_EQ(children.size(), 1u);
	const auto child = children[0];
	EXPECT_EQ(reinterpret_cast<uintptr_t>(frame->getPlatformFrame()->getPlatformRepresentation()), child);
	const auto geometry = host.inspector.geometry(child);
	ASSERT_TRUE(geometry);
	EXPECT_EQ(geometry->width, kEditorWidth);
	EXPECT_EQ(geometry->height, kEditorHeight);
	EXPECT_TRUE(host.inspector.isMapped(child));
	const auto xembed = host.inspector.xembedInfo(child);
	ASSERT_TRUE(xembed);
	EXPECT_EQ(xembed->version, 0u);
	EXPECT_EQ(xembed->flags, 1u);
	EXPECT_EQ(host.runLoop.eventHandlerCount(), 1u);

	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return host.showsRedAt(child, 150, 100); }, 2000));
	EXPECT_EQ(host.inspector.grab(child).at(10, 10), 0x0000FFu);

	// A drag: press, move in steps, release.
	Pointer pointer(host.x11);
	pointer.moveTo(child, 120, 60);
	pointer.press();
	for (int step = 1; step <= 4; ++step)
	{
		pointer.moveTo(child, 120 + step * 10, 60 + step * 5);
		host.runLoop.runFor(5);
	}
	pointer.release();
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return target->count(MouseEvent::up) == 1; }, 2000));
	ASSERT_EQ(target->events.front().kind, MouseEvent::down);
	EXPECT_EQ(target->events.front().where, CPoint(120, 60));
	EXPECT_EQ(target->events.front().buttons, kLButton);
	EXPECT_GE(target->count(MouseEvent::moved), 1u);
	EXPECT_EQ(target->events.back().where, CPoint(160, 80));
	EXPECT_TRUE(target->events.back().buttons & kLButton);

	// Two quick clicks in place: the second is a double click. Then the wheel.
	target->events.clear();
	pointer.click(child, 150, 100);
	pointer.click(child, 150, 100);
	pointer.click(child, 150, 100, 4);
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return target->count(MouseEvent::wheel) == 1; }, 2000));
	ASSERT_EQ(target->count(MouseEvent::down), 2u);
	EXPECT_FALSE(target->events[0].buttons & kDoubleClick);
	EXPECT_TRUE(target->events[2].buttons & kDoubleClick);
	EXPECT_EQ(target->events.back().distance, 1.f);

	// The click took the keyboard focus: keys arrive as VSTGUI key codes.
	EXPECT_EQ(host.inspector.focus(), child);
	for (const unsigned long keysym : {XK_a, XK_BackSpace, XK_Left, XK_Return})
		pointer.typeKey(keysym);
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return target->keys.size() == 4; }, 2000));
	EXPECT_EQ(target->keys[0].character, 'a');
	EXPECT_EQ(target->keys[1].virt, VKEY_BACK);
	EXPECT_EQ(target->keys[2].virt, VKEY_LEFT);
	EXPECT_EQ(target->keys[3].virt, VKEY_RETURN);

	frame->close();
	host.x11.sync();
	EXPECT_TRUE(host.children().empty());
	EXPECT_EQ(host.runLoop.eventHandlerCount(), 0u);
}

// Timers go through the earliest frame's run loop, and move on to the next
// one when that frame closes, so a second editor keeps ticking.
TEST(X11Frame, TimersTickOnTheHostRunLoopAndOutliveTheFirstFrame)
{
	Host first;
	VeltraneHost::HostWindow secondWindow(first.x11, kEditorWidth, kEditorHeight);
	VeltraneHost::RunLoop secondLoop;
	FrameConfig firstConfig(first.runLoop), secondConfig(secondLoop);
	RecordingView* target = nullptr;
	CFrame* firstFrame = makeFrame(nullptr, target);
	CFrame* secondFrame = makeFrame(nullptr, target);
	ASSERT_TRUE(firstFrame->open(first.window.parentHandle(), PlatformType::kX11EmbedWindowID, &firstConfig));
	ASSERT_TRUE(secondFrame->open(secondWindow.parentHandle(), PlatformType::kX11EmbedWindowID, &secondConfig));

	int ticks = 0;
	auto timer = makeOwned<CVSTGUITimer>([&](CVSTGUITimer*) { ++ticks; }, 10, true);
	EXPECT_EQ(first.runLoop.timerCount(), 1u);
	ASSERT_TRUE(first.runLoop.pumpUntil([&] { return ticks >= 3; }, 2000));

	firstFrame->close();
	EXPECT_EQ(first.runLoop.timerCount(), 0u);
	EXPECT_EQ(secondLoop.timerCount(), 1u);
	const int before = ticks;
	ASSERT_TRUE(secondLoop.pumpUntil([&] { return ticks >= before + 3; }, 2000));

	timer->stop();
	EXPECT_EQ(secondLoop.timerCount(), 0u);
	secondFrame->close();
	EXPECT_EQ(secondLoop.eventHandlerCount(), 0u);

	// No frame, no run loop: a started timer never fires.
	timer->start();
	EXPECT_EQ(first.runLoop.timerCount() + secondLoop.timerCount(), 0u);
}

namespace {

// Counts the pixels the X server reports drawn into one window, as a
// compositor sees them (the DAMAGE extension), on a connection of its own.
class DamageCounter
{
public:
	explicit DamageCounter(xcb_window_t window) : connection(xcb_connect(nullptr, nullptr))
	{
		const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_damage_id);
		present = extension && extension->present;
		if (!present)
			return;
		firstEvent = extension->first_event;
		free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr));
		damage = xcb_generate_id(connection);
		xcb_damage_create(connection, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
		sync();
	}
	~DamageCounter() { xcb_disconnect(connection); }

	bool available() const { return present; }
	// Pixels drawn since the last call.
	long takePixels()
	{
		sync();
		long pixels = 0;
		while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
		{
			if ((event->response_type & 0x7f) == firstEvent + XCB_DAMAGE_NOTIFY)
			{
				const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
				pixels += long(notify->area.width) * notify->area.height;
			}
			free(event);
		}
		return pixels;
	}

private:
	// A round trip: every event the server sent before it has arrived.
	void sync() { free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr)); }

	xcb_connection_t* connection;
	bool present = false;
	uint8_t firstEvent = 0;
	xcb_damage_damage_t damage = 0;
};

} // namespace

// The editor redraws its whole frame on every refresh tick; only pixels that
// look different from what the window shows may reach the X server.
TEST(X11Frame, RedrawsThatChangeNothingSendNothingToTheServer)
{
	Host host;
	FrameConfig config(host.runLoop);
	RecordingView* target = nullptr;
	CFrame* frame = makeFrame(nullptr, target);
	ASSERT_TRUE(frame->open(host.window.parentHandle(), PlatformType::kX11EmbedWindowID, &config));
	const auto child = host.children().at(0);
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return host.showsRedAt(child, 150, 100); }, 2000));

	DamageCounter damage(child);
	ASSERT_TRUE(damage.available());
	int ticks = 0;
	auto refresh = makeOwned<CVSTGUITimer>([&](CVSTGUITimer*) { ++ticks; frame->invalid(); }, 50, true);
	damage.takePixels();
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return ticks >= 8; }, 3000));
	EXPECT_EQ(damage.takePixels(), 0);

	// A view that moves 10 pixels sends about what it uncovers and covers.
	target->setViewSize(CRect(110, 50, 210, 150));
	const int moved = ticks;
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return ticks >= moved + 3; }, 3000));
	const long sent = damage.takePixels();
	EXPECT_GT(sent, 0);
	EXPECT_LT(sent, kEditorWidth * kEditorHeight / 8);
	EXPECT_TRUE(host.showsRedAt(child, 205, 100));

	refresh->stop();
	frame->close();
}
