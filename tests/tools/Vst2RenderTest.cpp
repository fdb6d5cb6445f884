// veltrane --vst2: the binary's VST 2 face must render, list and save state
// exactly as its VST 3 face does.
#include "TestAudio.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace ToolTests {
namespace {

class Vst2RenderTest : public ::testing::Test
{
protected:
	TempDir dir;
	std::string in = dir / "in.wav";

	// "render IN <name>.wav options..." without and then with --vst2; the
	// output of each face is read back.
	std::pair<Audio, Audio> renderThroughBothFaces(std::vector<std::string> options)
	{
		options.insert(options.begin(), {"render", in, ""});
		options[2] = dir / "vst3.wav";
		const ToolRun vst3 = runVeltrane(options);
		EXPECT_EQ(vst3.status, 0) << vst3.err;
		options[2] = dir / "vst2.wav";
		options.push_back("--vst2");
		const ToolRun vst2 = runVeltrane(options);
		EXPECT_EQ(vst2.status, 0) << vst2.err;
		return {readAudio(dir / "vst3.wav"), readAudio(dir / "vst2.wav")};
	}
};

// Equal vectors, without printing them all when they are not.
void expectSameSamples(const Audio& vst2, const Audio& vst3)
{
	EXPECT_EQ(vst2.channels, vst3.channels);
	EXPECT_EQ(vst2.frames(), vst3.frames());
	EXPECT_TRUE(vst2.samples == vst3.samples) << "the VST 2 render differs from the VST 3 render";
}

TEST_F(Vst2RenderTest, StereoRenderWithPresetAndSettingsMatchesTheVst3Face)
{
	const Audio input = testSignal(0.8);
	writeAudio(in, input);
	const auto [vst3, vst2] = renderThroughBothFaces(
		{"--preset", "Some Space", "--set", "Delay State=Delay", "--set", "Delay=120", "--set", "Feedback=35", "--block", "100"});

	ASSERT_GT(vst3.frames(), input.frames()) << "no tail: the settings did not take";
	expectSameSamples(vst2, vst3);
}

// A preset chosen with --set replaces the values set before it, in both faces.
TEST_F(Vst2RenderTest, PresetSetAfterValuesReplacesThem)
{
	writeAudio(in, testSignal(0.5));
	const auto [vst3, vst2] = renderThroughBothFaces({"--set", "Volume=0.2", "--set", "Factory Presets=Pipes", "--tail", "0"});
	expectSameSamples(vst2, vst3);

	const ToolRun presetOnly = runVeltrane({"render", in, dir / "preset.wav", "--preset", "Pipes", "--tail", "0"});
	ASSERT_EQ(presetOnly.status, 0) << presetOnly.err;
	EXPECT_TRUE(readAudio(dir / "preset.wav").samples == vst3.samples);
}

// The VST 2 face is stereo only: the mono channel is fed to both inputs and
// the left output kept, which must equal the VST 3 face on a mono bus.
TEST_F(Vst2RenderTest, MonoRenderMatchesTheVst3FacesMonoBus)
{
	writeAudio(in, testSignal(0.6, 1, 44100));
	const auto [vst3, vst2] = renderThroughBothFaces({"--preset", "Heavy", "--set", "Volume=0.4"});

	EXPECT_EQ(vst2.channels, 1);
	expectSameSamples(vst2, vst3);
}

TEST_F(Vst2RenderTest, StateFilesAreTheSameBytesAndLoadInEitherFace)
{
	writeAudio(in, testSignal(0.5));
	const std::vector<std::string> setup = {"--preset", "Hollow Ring", "--set", "Cutoff=2500", "--tail", "0"};
	std::vector<std::string> saveVst3 = {"render", in, dir / "a.wav", "--state-out", dir / "vst3.state"};
	saveVst3.insert(saveVst3.end(), setup.begin(), setup.end());
	std::vector<std::string> saveVst2 = {"render", in, dir / "b.wav", "--state-out", dir / "vst2.state", "--vst2"};
	saveVst2.insert(saveVst2.end(), setup.begin(), setup.end());
	ASSERT_EQ(runVeltrane(saveVst3).status, 0);
	ASSERT_EQ(runVeltrane(saveVst2).status, 0);
	const std::vector<std::uint8_t> saved = readBytes(dir / "vst3.state");
	ASSERT_FALSE(saved.empty());
	EXPECT_EQ(readBytes(dir / "vst2.state"), saved);

	// Each face loads the state the other saved, and saves it back unchanged.
	const ToolRun intoVst3 = runVeltrane({"render", in, dir / "c.wav", "--state-in", dir / "vst2.state",
		"--state-out", dir / "c.state", "--tail", "0"});
	const ToolRun intoVst2 = runVeltrane({"render", in, dir / "d.wav", "--state-in", dir / "vst3.state",
		"--state-out", dir / "d.state", "--tail", "0", "--vst2"});
	ASSERT_EQ(intoVst3.status, 0) << intoVst3.err;
	ASSERT_EQ(intoVst2.status, 0) << intoVst2.err;
	EXPECT_EQ(readBytes(dir / "c.state"), saved);
	EXPECT_EQ(readBytes(dir / "d.state"), saved);
	expectSameSamples(readAudio(dir / "d.wav"), readAudio(dir / "c.wav"));
}

TEST_F(Vst2RenderTest, PresetAndParameterListingsMatchTheVst3Face)
{
	for (const char* command : {"presets", "params"})
	{
		const ToolRun vst3 = runVeltrane({command});
		const ToolRun vst2 = runVeltrane({command, "--vst2"});
		ASSERT_EQ(vst2.status, 0) << vst2.err;
		EXPECT_EQ(vst2.out, vst3.out) << command;
	}
}

} // namespace
} // namespace ToolTests
