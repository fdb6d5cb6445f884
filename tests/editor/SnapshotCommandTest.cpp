// veltrane snapshot: the built module's editor drawn without a window, end to end.
#include "KnobPicture.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

using namespace EditorTest;
using ToolTests::runVeltrane;
using ToolTests::TempDir;
using ToolTests::ToolRun;

TEST(SnapshotCommand, FeedbackKnobShowsItsFirstImageAtZeroAndItsLastAtOne)
{
	const Pixels first = expectedFeedbackKnob(0);
	const Pixels last = expectedFeedbackKnob(kLastKnobFrame);
	ASSERT_GT(largestDifference(first, last), 64); // the two images tell apart

	const TempDir folder;
	for (const auto& [setting, expected] : {std::pair{"Feedback=0", &first}, std::pair{"Feedback=100", &last}})
	{
		SCOPED_TRACE(setting);
		const std::string out = folder / "editor.png";
		const ToolRun run = runVeltrane({"snapshot", out, "--preset", "Pipes", "--set", setting});
		ASSERT_EQ(run.status, 0) << run.err;
		EXPECT_EQ(run.out, "Drew the editor (485 x 270) into '" + out + "'.\n");
		const Pixels picture = readPng(out);
		ASSERT_EQ(picture.width, 485);
		ASSERT_EQ(picture.height, 270);
		EXPECT_LE(largestDifference(feedbackKnobIn(picture), *expected), 1);
	}
}

TEST(SnapshotCommand, FindsItsPicturesThroughALinkToItsBinary)
{
	// As `make install` links the binary into ~/.vst for VST 2 hosts.
	const TempDir folder;
	const std::string link = folder / "VELTFREE_VST.so";
	std::filesystem::create_symlink(VELTRANE_BUNDLE "/Contents/x86_64-linux/VELTFREE_VST.so", link);
	const ToolRun run = runVeltrane({"snapshot", folder / "editor.png", "--plugin", link});
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_LE(largestDifference(feedbackKnobIn(readPng(folder / "editor.png")), expectedFeedbackKnob(0)), 1);
}

TEST(SnapshotCommand, RefusesBadRequestsAndLeavesNoFileBehind)
{
	const TempDir folder;
	EXPECT_EQ(runVeltrane({"snapshot"}).status, 2);
	const ToolRun unknown = runVeltrane({"snapshot", folder / "a.png", "--set", "Sparkle=1"});
	EXPECT_EQ(unknown.status, 1);
	EXPECT_NE(unknown.err.find("unknown parameter 'Sparkle'"), std::string::npos) << unknown.err;
	const ToolRun noFolder = runVeltrane({"snapshot", folder / "missing/a.png"});
	EXPECT_EQ(noFolder.status, 1);
	EXPECT_NE(noFolder.err.find("cannot write"), std::string::npos) << noFolder.err;
	EXPECT_TRUE(folder.fileNames().empty());
}

TEST(SnapshotCommand, DrawsAnyDescriptionLeavingOutWhatItCannotBuild)
{
	const TempDir folder;
	const std::string out = folder / "custom.png";
	const std::string resources = VELTRANE_BUNDLE "/Contents/Resources/";
	// The LED meter shows parameter 2 (Cutoff, 100 .. 16000 Hz): lit at the top of its range, dark at the bottom.
	for (const auto& [cutoff, lit] : {std::pair{"16000", "vuledon.png"}, std::pair{"100", "vuledoff.png"}})
	{
		const ToolRun run = runVeltrane({"snapshot", out, "--description", VELTRANE_CUSTOM_VIEWS,
		                                 "--set", std::string("Cutoff=") + cutoff});
		ASSERT_EQ(run.status, 0) << run.err;
		EXPECT_EQ(run.out, "Drew '" VELTRANE_CUSTOM_VIEWS "' (560 x 330) into '" + out + "'.\n");
		const Pixels picture = readPng(out);
		ASSERT_EQ(picture.width, 560);
		EXPECT_LE(largestDifference(picture.crop(10, 60, 17, 85), readPng(resources + lit)), 1) << cutoff;
	}

	// Views without what they need, unknown names, tags, pictures and controllers.
	const std::string broken = folder / "broken.uidesc";
	std::ofstream(broken) << R"(<vstgui-ui-description version="1"><template name="First" size="20, 20"/>
		<template name="Broken" class="CViewContainer" size="200, 100" background-color="#204060ff">
		<view class="CKickButton" custom-view-name="PlinthKickButton" origin="0, 0" size="32, 32"/>
		<view class="CXYPad" custom-view-name="Joystick" origin="40, 0" size="50, 50" sub-controller="Joystick_X1"/>
		<view class="CTextLabel" custom-view-name="UnitsLabel" origin="0, 40" size="50, 20" control-tag="Nowhere"/>
		<view class="CVuMeter" custom-view-name="AnalogMeterView_H65" origin="100, 0" size="60, 60" bitmap="nothing"
		      off-bitmap="nothing" num-led="-3"/>
		<view class="CView" custom-view-name="MeterView" sub-controller="VectorJoystick"/>
		<view class="NoSuchClass" custom-view-name="Gizmo" sub-controller="TrackPad_Y1_X2"/>
		</template></vstgui-ui-description>)";
	const ToolRun drawn = runVeltrane({"snapshot", out, "--description", broken, "--template", "Broken"});
	ASSERT_EQ(drawn.status, 0) << drawn.err;
	EXPECT_EQ(readPng(out).at(199, 99), 0x204060u);

	const std::string text = folder / "notes.txt";
	std::ofstream(text) << "not a description";
	const std::string unwritten = folder / "unwritten.png";
	for (const auto& [arguments, message] :
	     {std::pair{std::vector<std::string>{"--description", text}, "cannot be read as a user-interface description"},
	      std::pair{std::vector<std::string>{"--description", folder / "missing.uidesc"}, "cannot be read"},
	      std::pair{std::vector<std::string>{"--description", broken, "--template", "Nope"}, "has no template 'Nope'"}})
	{
		std::vector<std::string> command{"snapshot", unwritten};
		command.insert(command.end(), arguments.begin(), arguments.end());
		const ToolRun run = runVeltrane(command);
		EXPECT_EQ(run.status, 1) << message;
		EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	}
	EXPECT_EQ(runVeltrane({"snapshot", unwritten, "--template", "Broken"}).status, 2); // no description to take it from
	EXPECT_FALSE(std::filesystem::exists(unwritten));
}

} // namespace
