// veltrane render on bad input: one clear line, exit status 1, and an
// existing OUT left byte for byte as it was, with no temporary behind.
#include "TestAudio.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

namespace ToolTests {
namespace {

namespace fs = std::filesystem;

class RenderErrorTest : public ::testing::Test
{
protected:
	TempDir dir;
	std::string in = dir / "in.wav";
	std::string out = dir / "out.wav";
	std::vector<std::uint8_t> previousOut{'k', 'e', 'e', 'p', ' ', 'm', 'e'};

	void SetUp() override
	{
		writeAudio(in, testSignal(0.3));
		writeBytes(out, previousOut);
	}

	// Runs "render IN OUT extra..." and checks the failure and that nothing was lost.
	void expectFailure(const std::vector<std::string>& extra, const std::string& message, int status = 1)
	{
		std::vector<std::string> arguments{"render", in, out};
		arguments.insert(arguments.end(), extra.begin(), extra.end());
		expectFailureOf(arguments, message, status);
	}

	void expectFailureOf(const std::vector<std::string>& arguments, const std::string& message, int status = 1)
	{
		const std::vector<std::string> filesBefore = dir.fileNames();
		const std::vector<std::uint8_t> inBefore = readBytes(in);
		const ToolRun run = runVeltrane(arguments);
		EXPECT_EQ(run.status, status);
		EXPECT_NE(run.err.find(message), std::string::npos) << "stderr: " << run.err;
		EXPECT_EQ(run.err.rfind("veltrane", 0), 0u) << run.err;
		EXPECT_TRUE(run.out.empty()) << run.out;
		if (status == 1)
		{
			EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
		}
		EXPECT_EQ(readBytes(out), previousOut);
		EXPECT_EQ(readBytes(in), inBefore);
		EXPECT_EQ(dir.fileNames(), filesBefore);
	}
};

TEST_F(RenderErrorTest, UnreadableInputsAreNamed)
{
	expectFailureOf({"render", dir / "missing.wav", out}, "veltrane: cannot open '" + dir / "missing.wav" + "': No such file or directory");
	writeBytes(dir / "text.wav", {'n', 'o', 't', ' ', 'a', 'u', 'd', 'i', 'o'});
	expectFailureOf({"render", dir / "text.wav", out}, "cannot read '" + dir / "text.wav" + "': not an audio file");
	expectFailureOf({"render", dir.path().string(), out}, "Is a directory");

	writeAudio(dir / "surround.wav", testSignal(0.1, 3));
	expectFailureOf({"render", dir / "surround.wav", out}, "has 3 channels; only mono and stereo");
}

TEST_F(RenderErrorTest, UnknownPresetListsTheValidOnes)
{
	expectFailure({"--preset", "Heavier"},
		"unknown preset 'Heavier'; the presets are: Factory Preset, Heavy, Hollow Ring, Banking, Beats as Bass, "
		"Crude Verb, Some Space, Padding for Pads, Good on Atmos, Pipes, Automate Me");
}

TEST_F(RenderErrorTest, BadParameterSettingsAreNamed)
{
	expectFailure({"--set", "Dealy=100"}, "unknown parameter 'Dealy'");
	expectFailure({"--set", "Delay=2500"}, "Delay=2500 is out of range; Delay takes 0 .. 2000 mSec");
	expectFailure({"--set", "Cutoff=99"}, "out of range");
	expectFailure({"--set", "Delay=fast"}, "cannot read 'fast' as a value of Delay");
	expectFailure({"--set", "Delay="}, "cannot read '' as a value of Delay");
	expectFailure({"--set", "Delay State=Sideways"}, "'Sideways' is not a value of Delay State; it takes Comb, Delay");
	expectFailure({"--set", "Delay State=2"}, "is not a value of Delay State");
	// A good setting before a bad one changes nothing either.
	expectFailure({"--set", "Delay=100", "--set", "Feedback=-1"}, "Feedback=-1 is out of range");
}

TEST_F(RenderErrorTest, OutputThatIsTheInputIsRefused)
{
	const std::string message = "is the same file as IN";
	out = in;
	previousOut = readBytes(in);
	expectFailureOf({"render", in, in}, message);
	fs::create_directory(dir / "sub");
	expectFailureOf({"render", in, dir.path().string() + "/./sub/../in.wav"}, message);
	fs::create_symlink(in, dir / "link.wav");
	expectFailureOf({"render", in, dir / "link.wav"}, message);
	fs::create_hard_link(in, dir / "hard.wav");
	expectFailureOf({"render", in, dir / "hard.wav"}, message);
	expectFailureOf({"render", in, dir / "other.wav", "--state-out", in}, "--state-out '" + in + "' is the same file as IN");
}

TEST_F(RenderErrorTest, UnwritableOutputsAreNamed)
{
	expectFailureOf({"render", in, dir / "no/such/folder/out.wav"},
		"cannot write '" + dir / "no/such/folder/out.wav" + "': No such file or directory");
	fs::create_directory(dir / "folder.wav");
	expectFailureOf({"render", in, dir / "folder.wav"}, "cannot write '" + dir / "folder.wav" + "': Is a directory");
	expectFailure({"--state-out", dir / "no/such/out.state"}, "cannot write '" + dir / "no/such/out.state" + "'");
}

TEST_F(RenderErrorTest, StateFilesThePlugInRefusesOrThatCannotBeRead)
{
	expectFailure({"--state-in", dir / "missing.state"},
		"cannot open state file '" + dir / "missing.state" + "': No such file or directory");
	writeBytes(dir / "garbage.state", {1, 2, 3});
	expectFailure({"--state-in", dir / "garbage.state"}, "the plug-in refused the state in '" + dir / "garbage.state" + "'");
	writeBytes(dir / "empty.state", {});
	expectFailure({"--state-in", dir / "empty.state"}, "refused the state");
}

// A preset file of another plug-in, a damaged one and one without the
// component's chunk are refused, by --preset-file and --state-in alike.
TEST_F(RenderErrorTest, PresetFilesOfOtherPlugInsOrDamagedAreRefused)
{
	const std::vector<std::uint8_t> pipes = readBytes(std::string(VELTRANE_PRESET_DIR) + "/Pipes.vstpreset");
	const auto variant = [&](const std::string& name, const std::function<void(std::vector<std::uint8_t>&)>& change) {
		std::vector<std::uint8_t> bytes = pipes;
		change(bytes);
		writeBytes(dir / name, bytes);
		return dir / name;
	};
	const size_t classIdAt = 8, listAt = pipes.size() - 28;
	const std::string foreign = variant("foreign.vstpreset", [&](auto& bytes) { bytes[classIdAt] = '0'; });
	const std::string cut = variant("cut.vstpreset", [&](auto& bytes) { bytes.resize(listAt); });
	const std::string overrun = variant("overrun.vstpreset", [&](auto& bytes) { bytes[listAt + 20] = 0x7f; });
	const std::string chunkless = variant("chunkless.vstpreset", [&](auto& bytes) { bytes[listAt + 8 + 3] = 't'; });
	writeBytes(dir / "bare.vstpreset", std::vector<std::uint8_t>(pipes.begin() + 48, pipes.begin() + 48 + 58));

	for (const char* option : {"--preset-file", "--state-in"})
	{
		SCOPED_TRACE(option);
		expectFailure({option, foreign, "--state-out", dir / "kept.state"},
			"'" + foreign + "' is a preset of another plug-in (class 0FFFFFA8");
		expectFailure({option, cut}, "'" + cut + "' is not a VST 3 preset file, or it is damaged");
		expectFailure({option, dir / "bare.vstpreset"}, "is not a VST 3 preset file, or it is damaged");
		expectFailure({option, overrun}, "'" + overrun + "' is damaged: its component state runs past the end");
		expectFailure({option, chunkless}, "'" + chunkless + "' holds no component state");
	}
	expectFailure({"--preset-file", dir / "missing.vstpreset"}, "cannot open preset file");
	expectFailure({"--preset-file", in}, "is not a VST 3 preset file");
}

TEST_F(RenderErrorTest, PlugInsThatCannotBeLoadedAreNamed)
{
	expectFailure({"--plugin", dir / "Nothing.vst3"}, "cannot load the plug-in '" + dir / "Nothing.vst3" + "'");
	// The environment names a plug-in, and --plugin overrides it.
	const ToolRun fromEnvironment = runVeltrane({"presets"}, {"VELTRANE_PLUGIN=" + dir / "Elsewhere.vst3"});
	EXPECT_EQ(fromEnvironment.status, 1);
	EXPECT_NE(fromEnvironment.err.find("Elsewhere.vst3"), std::string::npos) << fromEnvironment.err;
	const ToolRun overridden = runVeltrane({"presets", "--plugin", VELTRANE_BUNDLE}, {"VELTRANE_PLUGIN=" + dir / "Elsewhere.vst3"});
	EXPECT_EQ(overridden.status, 0) << overridden.err;
}

TEST_F(RenderErrorTest, TheVst2FaceFailsAsTheVst3FaceDoes)
{
	writeBytes(dir / "garbage.state", {1, 2, 3});
	const std::vector<std::vector<std::string>> failing = {{"--preset", "Heavier"}, {"--set", "Delay=5000"},
		{"--state-in", dir / "garbage.state"}, {"--plugin", dir / "Nothing.vst3"}};
	for (const std::vector<std::string>& options : failing)
	{
		std::vector<std::string> arguments{"render", in, out};
		arguments.insert(arguments.end(), options.begin(), options.end());
		const ToolRun vst3 = runVeltrane(arguments);
		ASSERT_EQ(vst3.status, 1) << vst3.err;
		arguments.push_back("--vst2");
		expectFailureOf(arguments, vst3.err);
	}
}

TEST_F(RenderErrorTest, UsageErrorsExitWithTwoAndPointToHelp)
{
	const std::string hint = "Try 'veltrane render --help'";
	expectFailure({"--frobnicate"}, "unknown option '--frobnicate'", 2);
	expectFailure({"-x"}, "unknown option '-x'", 2);
	expectFailure({"--block", "0"}, "--block must lie in 1..8192", 2);
	expectFailure({"--block", "8193"}, hint, 2);
	expectFailure({"--block", "12x"}, "--block wants a whole number", 2);
	expectFailure({"--tail", "-1"}, "--tail must lie in", 2);
	expectFailure({"--set", "Delay"}, "--set wants PARAM=VALUE", 2);
	expectFailure({"--preset"}, "option '--preset' needs a value", 2);
	expectFailure({"--vst2=yes"}, "takes no value", 2);
	expectFailure({"extra"}, "unexpected argument 'extra'", 2);
	expectFailureOf({"render", in}, "missing OUT", 2);
	expectFailureOf({"rendr", in, out}, "veltrane: unknown command 'rendr'", 2);
	expectFailureOf({}, "missing command", 2);
}

TEST_F(RenderErrorTest, InterruptedRenderLeavesOutputAndNoTemporary)
{
	// Endless feedback and a long tail keep it busy until the signal.
	RunningTool tool({"render", in, out, "--set", "Delay State=Delay", "--set", "Feedback=100", "--set", "Delay=50", "--tail", "3000"});
	std::this_thread::sleep_for(std::chrono::milliseconds(300));
	tool.signal(SIGTERM);
	const ToolRun run = tool.wait();
	EXPECT_EQ(run.status, 128 + SIGTERM);
	EXPECT_EQ(readBytes(out), previousOut);
	EXPECT_EQ(dir.fileNames(), (std::vector<std::string>{"in.wav", "out.wav"}));
}

} // namespace
} // namespace ToolTests
