// veltrane snapshot: the built module's editor drawn without a window, end to end.
#include "KnobPicture.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

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
		EXPECT_LE(largestDifference(picture.crop(kFeedbackX, kFeedbackY, kFeedbackSide, kFeedbackSide), *expected), 1);
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
	EXPECT_LE(largestDifference(readPng(folder / "editor.png").crop(kFeedbackX, kFeedbackY, kFeedbackSide, kFeedbackSide),
		expectedFeedbackKnob(0)), 1);
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

} // namespace
