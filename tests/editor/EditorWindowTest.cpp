// The built module's editor in real X11 windows, as a Linux host shows it:
// through the VST 3 face (createView, attached to a host window, the host's
// run loop) and the VST 2 face (effEditOpen, effEditIdle, effEditClose).
// Runs under Xvfb.
#include "HostDesktop.h"
#include "KnobPicture.h"
#include "Vst2TestHost.h"

#include "host/ComponentHandler.h"
#include "host/Module.h"
#include "host/PlugInstance.h"

#include "host/x11/Pointer.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace EditorTest;
using namespace VeltraneHost;

constexpr int kWidth = 485;
constexpr int kHeight = 270;
constexpr int kOpenCloseCycles = 200;

// Every pixel doubled: what a scale-1 picture looks like merely magnified.
Pixels magnified(const Pixels& picture)
{
	Pixels twice{picture.width * 2, picture.height * 2, {}};
	for (int y = 0; y < twice.height; ++y)
		for (int x = 0; x < twice.width; ++x)
			twice.rgb.push_back(picture.at(x / 2, y / 2));
	return twice;
}

size_t openFileCount()
{
	size_t count = 0;
	for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
		++count;
	return count;
}

// The host window of the product's editor.
struct EditorDesktop : Desktop
{
	EditorDesktop() : Desktop(kWidth, kHeight, "Editor test") {}

	bool waitForFeedbackImage(int frameIndex)
	{
		return waitUntilShown(kFeedbackX, kFeedbackY, expectedFeedbackKnob(frameIndex));
	}
};

struct Vst3PlugIn
{
	Module module = Module::load(VELTRANE_BUNDLE);
	PlugInstance instance = module.createInstance();
	IEditController& controller() const { return instance.controller(); }
};

TEST(EditorWindow, Vst3EditorShowsFollowsAndEditsFeedback)
{
	EditorDesktop desktop;
	Vst3PlugIn plugIn;
	const int xErrors = X11Connection::errorCount();
	{
		IPtr<IPlugView> view = owned(plugIn.controller().createView(ViewType::kEditor));
		ASSERT_TRUE(view);
		ASSERT_EQ(view->setFrame(&desktop.frame), kResultTrue);
		ASSERT_EQ(view->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
		ASSERT_TRUE(desktop.waitForEditorWindow());
		const WindowId editor = desktop.editorWindow();
		const std::optional<WindowGeometry> geometry = desktop.inspector.geometry(editor);
		ASSERT_TRUE(geometry);
		EXPECT_EQ(geometry->width, kWidth);
		EXPECT_EQ(geometry->height, kHeight);
		EXPECT_TRUE(desktop.inspector.xembedInfo(editor));
		EXPECT_TRUE(desktop.waitForFeedbackImage(0)); // drawn, at Feedback's default 0

		desktop.drag(kFeedbackX + 42, kFeedbackY + 42, kFeedbackX + 42, kFeedbackY + 2); // a fifth of the range up
		const std::vector<HandlerCall>& calls = plugIn.instance.componentHandler().calls();
		ASSERT_GE(calls.size(), 3u);
		EXPECT_EQ(calls.front(), (HandlerCall{HandlerCall::Kind::beginEdit, 1, 0, 0}));
		EXPECT_EQ(calls.back(), (HandlerCall{HandlerCall::Kind::endEdit, 1, 0, 0}));
		EXPECT_EQ(calls[calls.size() - 2].kind, HandlerCall::Kind::performEdit);
		EXPECT_NEAR(plugIn.controller().getParamNormalized(1), 0.2, 1e-6);
		EXPECT_TRUE(desktop.waitForFeedbackImage(26));

		// Automation: the knob follows on the next refresh.
		const int ticksBefore = desktop.runLoop.timerTicks();
		plugIn.controller().setParamNormalized(1, 1.0);
		EXPECT_TRUE(desktop.waitForFeedbackImage(kLastKnobFrame));
		EXPECT_LE(desktop.runLoop.timerTicks() - ticksBefore, 2 * static_cast<int>(desktop.runLoop.timerCount()));

		EXPECT_EQ(view->removed(), kResultOk);
		view->setFrame(nullptr);
	}
	desktop.expectEverythingGivenBack();
	EXPECT_EQ(X11Connection::errorCount(), xErrors);
}

// The amber of the value readout's text and frame, in the strip over the knob's label.
int amberPixelsOverFeedbackLabel(const Pixels& editor)
{
	const Pixels strip = editor.crop(kFeedbackX - 20, kFeedbackY + kFeedbackSide - 18, kFeedbackSide + 40, 20);
	return static_cast<int>(std::count_if(strip.rgb.begin(), strip.rgb.end(), [](uint32_t rgb) {
		const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
		return r > 200 && g > 120 && g < 200 && b < 80;
	}));
}

TEST(EditorWindow, Vst3EditorShowsTheValueOfTheKnobBeingTurned)
{
	EditorDesktop desktop;
	Vst3PlugIn plugIn;
	IPtr<IPlugView> view = owned(plugIn.controller().createView(ViewType::kEditor));
	ASSERT_TRUE(view);
	view->setFrame(&desktop.frame);
	ASSERT_EQ(view->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
	ASSERT_TRUE(desktop.waitForFeedbackImage(0));
	EXPECT_EQ(amberPixelsOverFeedbackLabel(desktop.picture()), 0);

	VeltraneHost::Pointer pointer(desktop.connection);
	pointer.moveTo(desktop.editorWindow(), kFeedbackX + 42, kFeedbackY + 42);
	pointer.press();
	desktop.runLoop.runFor(30);
	pointer.moveTo(desktop.editorWindow(), kFeedbackX + 42, kFeedbackY + 2);
	EXPECT_TRUE(desktop.runLoop.pumpUntil([&] { return amberPixelsOverFeedbackLabel(desktop.picture()) > 40; }, kWaitMs))
		<< "no value shown while the knob is dragged";
	pointer.release();
	// Gone two seconds after the release, although the pointer still rests on the knob.
	desktop.runLoop.runFor(2000);
	EXPECT_EQ(amberPixelsOverFeedbackLabel(desktop.picture()), 0);

	view->removed();
	view->setFrame(nullptr);
	view = nullptr;
	desktop.expectEverythingGivenBack();
}

// At scale 2 the window is twice the size and drawn from the pictures made at
// twice the size, not from the scale-1 ones magnified; a change of scale while
// open asks the host for the new size, rounded half up.
TEST(EditorWindow, Vst3EditorScalesSharplyAndResizesThroughTheHost)
{
	EditorDesktop desktop;
	Vst3PlugIn plugIn;
	IPtr<IPlugView> view = owned(plugIn.controller().createView(ViewType::kEditor));
	FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
	ASSERT_TRUE(scaling);
	ASSERT_EQ(scaling->setContentScaleFactor(2.f), kResultTrue);
	ViewRect size{};
	ASSERT_EQ(view->getSize(&size), kResultOk);
	EXPECT_EQ(size.getWidth(), 2 * kWidth);
	EXPECT_EQ(size.getHeight(), 2 * kHeight);
	desktop.window.resize(size.getWidth(), size.getHeight());
	view->setFrame(&desktop.frame);
	ASSERT_EQ(view->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
	ASSERT_TRUE(desktop.waitForEditorWindow());
	const Pixels sharp = expectedFeedbackKnob(0, 2);
	EXPECT_TRUE(desktop.waitUntilShown(2 * kFeedbackX, 2 * kFeedbackY, sharp));
	EXPECT_GT(largestDifference(sharp, magnified(expectedFeedbackKnob(0))), 16);

	const int requestsBefore = desktop.frame.resizeRequests();
	ASSERT_EQ(scaling->setContentScaleFactor(1.5f), kResultTrue);
	EXPECT_EQ(desktop.frame.resizeRequests(), requestsBefore + 1);
	EXPECT_EQ(desktop.frame.lastRequestedSize().getWidth(), 728);
	EXPECT_EQ(desktop.frame.lastRequestedSize().getHeight(), 405);
	EXPECT_TRUE(desktop.runLoop.pumpUntil([&] {
		const auto geometry = desktop.inspector.geometry(desktop.editorWindow());
		return geometry && geometry->width == 728 && geometry->height == 405;
	}, kWaitMs));

	view->removed();
	view->setFrame(nullptr);
	view = nullptr;
	desktop.expectEverythingGivenBack();
}

TEST(EditorWindow, Vst3EditorOpensAndClosesManyTimesWhileAudioRuns)
{
	EditorDesktop desktop;
	Vst3PlugIn plugIn;
	ASSERT_EQ(plugIn.instance.setupProcessing(48000.0, 256), kResultOk);
	ASSERT_EQ(plugIn.instance.setActive(true), kResultOk);
	plugIn.instance.setProcessing(true);
	ProcessBlock block = plugIn.instance.makeBlock(256);
	std::atomic<bool> stop{false};
	std::thread audio([&] {
		while (!stop)
			plugIn.instance.process(block);
	});

	const size_t filesBefore = openFileCount();
	const int xErrors = X11Connection::errorCount();
	const auto started = std::chrono::steady_clock::now();
	for (int cycle = 0; cycle < kOpenCloseCycles; ++cycle)
	{
		IPtr<IPlugView> view = owned(plugIn.controller().createView(ViewType::kEditor));
		ASSERT_TRUE(view);
		view->setFrame(&desktop.frame);
		ASSERT_EQ(view->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
		ASSERT_TRUE(desktop.waitForEditorWindow()) << "cycle " << cycle;
		desktop.runLoop.pumpOnce(0);
		ASSERT_EQ(view->removed(), kResultOk);
		view->setFrame(nullptr);
	}
	const double msPerCycle =
		std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count() /
		kOpenCloseCycles;
	stop = true;
	audio.join();

	desktop.expectEverythingGivenBack();
	EXPECT_EQ(openFileCount(), filesBefore);
	EXPECT_EQ(X11Connection::errorCount(), xErrors);
	RecordProperty("ms_per_open_close", std::to_string(msPerCycle));
	std::printf("open + draw + close: %.1f ms a cycle; %zu descriptors before and after\n", msPerCycle, filesBefore);
}

TEST(EditorWindow, Vst2FaceOpensIdlesAndClosesTheSameEditor)
{
	EditorDesktop desktop;
	Vst2Test::Instance plugIn;
	ASSERT_TRUE(plugIn->flags & effFlagsHasEditor);
	ERect* rect = nullptr;
	ASSERT_EQ(plugIn.dispatch(effEditGetRect, 0, 0, &rect), 1);
	ASSERT_NE(rect, nullptr);
	EXPECT_EQ(rect->right - rect->left, kWidth);
	EXPECT_EQ(rect->bottom - rect->top, kHeight);

	plugIn.resume(48000.0, 256);
	std::atomic<bool> stop{false};
	std::thread audio([&] {
		std::vector<float> left(256), right(256);
		while (!stop)
			plugIn.process(left, right);
	});
	const auto idleUntil = [&](const std::function<bool()>& done) {
		for (int turn = 0; turn < kWaitMs / 10; ++turn)
		{
			if (done())
				return true;
			plugIn.dispatch(effEditIdle);
			std::this_thread::sleep_for(std::chrono::milliseconds(10));
		}
		return done();
	};

	const size_t filesBefore = openFileCount();
	const Pixels lastImage = expectedFeedbackKnob(kLastKnobFrame);
	for (int cycle = 0; cycle < kOpenCloseCycles; ++cycle)
	{
		ASSERT_EQ(plugIn.dispatch(effEditOpen, 0, 0, desktop.window.parentHandle()), 1);
		ASSERT_TRUE(idleUntil([&] { return desktop.editorWindow() != 0; })) << "cycle " << cycle;
		if (cycle == 0)
		{
			// The host's automation shows, and the idle calls alone keep the window going.
			plugIn->setParameter(plugIn.get(), 1, 1.0f);
			EXPECT_TRUE(idleUntil([&] { return largestDifference(feedbackKnobIn(desktop.picture()), lastImage) <= 1; }));
		}
		plugIn.dispatch(effEditIdle);
		plugIn.dispatch(effEditClose);
	}
	stop = true;
	audio.join();
	plugIn.suspend();

	desktop.connection.sync();
	EXPECT_TRUE(desktop.inspector.children(desktop.window.id()).empty());
	EXPECT_EQ(openFileCount(), filesBefore);
}

} // namespace
