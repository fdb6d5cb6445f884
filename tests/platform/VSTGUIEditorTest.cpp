// VSTGUIEditor as a Linux host drives it: attached and removed again and
// again, removed from inside its own timer tick, refused where it cannot live.
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <dirent.h>

using namespace PlatformTest;
using namespace Steinberg;

namespace {

int openDescriptors()
{
	int count = 0;
	if (DIR* dir = opendir("/proc/self/fd"))
	{
		while (readdir(dir))
			++count;
		closedir(dir);
	}
	return count;
}

struct EditorHost : Host
{
	EditorHost() : controller(owned(new Vst::EditController)) {}

	// The view as a host gets it from createView: one reference, the host's.
	IPtr<TestEditor> createEditor()
	{
		auto editor = Steinberg::owned(new TestEditor(controller.get()));
		editor->setFrame(&plugFrame);
		return editor;
	}
	void expectNothingLeft()
	{
		x11.sync();
		EXPECT_TRUE(children().empty());
		EXPECT_EQ(runLoop.eventHandlerCount(), 0u);
		EXPECT_EQ(runLoop.timerCount(), 0u);
		EXPECT_EQ(runLoop.outstandingReferences(), 0);
	}

	IPtr<Vst::EditController> controller;
};

} // namespace

TEST(VSTGUIEditor, OpensAndClosesManyTimesLeavingNothingBehind)
{
	EditorHost host;
	// The first round opens what stays open for the process (the X
	// server's extensions as cairo sees them); count from after it.
	int descriptors = -1;
	for (int round = 0; round < 60; ++round)
	{
		auto editor = host.createEditor();
		ASSERT_EQ(editor->attached(host.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
		ASSERT_EQ(host.children().size(), 1u);
		EXPECT_EQ(host.runLoop.eventHandlerCount(), 1u);
		EXPECT_EQ(host.runLoop.timerCount(), 1u);
		if (round == 0)
		{
			const auto child = host.children()[0];
			ASSERT_TRUE(host.runLoop.pumpUntil([&] { return host.showsRedAt(child, 150, 100) && editor->ticks > 0; }, 2000));
		}
		else
			host.runLoop.runFor(1);
		EXPECT_EQ(editor->removed(), kResultTrue);
		host.expectNothingLeft();
		if (round == 0)
			descriptors = openDescriptors();
	}
	EXPECT_EQ(openDescriptors(), descriptors);
}

TEST(VSTGUIEditor, CanBeRemovedAndReleasedFromInsideItsOwnTimerTick)
{
	EditorHost host;
	TestEditor* editor = host.createEditor().take();
	ASSERT_EQ(editor->attached(host.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
	bool gone = false;
	editor->onTick = [&] {
		editor->removed();
		editor->release(); // the host's last reference
		gone = true;
	};
	ASSERT_TRUE(host.runLoop.pumpUntil([&] { return gone; }, 2000));
	host.runLoop.runFor(30);
	host.expectNothingLeft();
}

TEST(VSTGUIEditor, RefusesOtherPlatformsAndHostsWithoutARunLoop)
{
	EditorHost host;
	auto editor = host.createEditor();
	EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
	EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
	EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeNSView), kResultFalse);
	EXPECT_EQ(editor->attached(host.window.parentHandle(), kPlatformTypeHWND), kResultFalse);
	EXPECT_EQ(editor->removed(), kResultFalse);
	void* noSuchWindow = reinterpret_cast<void*>(uintptr_t {0x7ffffe});
	EXPECT_EQ(editor->attached(noSuchWindow, kPlatformTypeX11EmbedWindowID), kResultFalse);

	VeltraneHost::PlugFrame withoutRunLoop(nullptr);
	editor->setFrame(&withoutRunLoop);
	EXPECT_EQ(editor->attached(host.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultFalse);
	host.expectNothingLeft();
}
