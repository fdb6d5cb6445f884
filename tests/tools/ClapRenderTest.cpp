// veltrane --clap: the binary's CLAP face renders, lists and saves state
// exactly as its VST 3 face does.
#include "TestAudio.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace ToolTests {
namespace {

TEST(ClapRender, MonoAndStereoRendersListsAndStateMatchTheVst3Face)
{
	TempDir dir;
	const std::string in = dir / "in.wav", mono = dir / "mono.wav";
	writeAudio(in, testSignal(0.6));
	const Audio stereo = testSignal(0.4);
	Audio monoSignal;
	monoSignal.channels = 1;
	for (std::int64_t frame = 0; frame < stereo.frames(); ++frame)
		monoSignal.samples.push_back(stereo.at(frame, 0));
	writeAudio(mono, monoSignal);
	for (const std::string& input : {in, mono})
	{
		const std::vector<std::string> options = {"--preset", "Some Space", "--set", "Delay State=Delay", "--set",
			"Delay=120", "--set", "Feedback=35", "--block", "100", "--tail", "1"};
		std::vector<std::string> vst3 = {"render", input, dir / "vst3.wav", "--state-out", dir / "vst3.state"};
		std::vector<std::string> clap = {"render", input, dir / "clap.wav", "--state-out", dir / "clap.state", "--clap"};
		vst3.insert(vst3.end(), options.begin(), options.end());
		clap.insert(clap.end(), options.begin(), options.end());
		const ToolRun vst3Run = runVeltrane(vst3), clapRun = runVeltrane(clap);
		ASSERT_EQ(vst3Run.status, 0) << vst3Run.err;
		ASSERT_EQ(clapRun.status, 0) << clapRun.err;
		const Audio fromVst3 = readAudio(dir / "vst3.wav"), fromClap = readAudio(dir / "clap.wav");
		EXPECT_EQ(fromClap.channels, fromVst3.channels);
		EXPECT_TRUE(fromClap.samples == fromVst3.samples) << "the CLAP render differs from the VST 3 render";
		EXPECT_EQ(readBytes(dir / "clap.state"), readBytes(dir / "vst3.state"));
	}
	for (const std::string command : {"params", "presets"})
		EXPECT_EQ(runVeltrane({command, "--clap"}).out, runVeltrane({command}).out) << command;
}

} // namespace
} // namespace ToolTests
