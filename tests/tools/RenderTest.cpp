// veltrane render, end to end: the built binary against an in-process host render.
#include "ReferenceRender.h"
#include "TestAudio.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace ToolTests {
namespace {

constexpr float kSilence = 3.16227766e-5f; // -90 dBFS
constexpr int kHeavy = 1;
constexpr int kSomeSpace = 6;
constexpr std::uint32_t kDelay = 0;
constexpr std::uint32_t kFeedback = 1;
constexpr std::uint32_t kVolume = 7;
constexpr std::uint32_t kDelayState = 8;

class RenderTest : public ::testing::Test
{
protected:
	TempDir dir;
	std::string in = dir / "in.wav";
	std::string out = dir / "out.wav";

	Audio writeInput(const Audio& audio)
	{
		writeAudio(in, audio);
		return audio;
	}

	ToolRun runRender(std::vector<std::string> options, const std::string& target)
	{
		options.insert(options.begin(), {"render", in, target});
		return runVeltrane(options);
	}

	Audio render(const std::vector<std::string>& options, const std::string& target)
	{
		const ToolRun run = runRender(options, target);
		EXPECT_EQ(run.status, 0) << run.err;
		return readAudio(target);
	}
};

// Index of the first differing sample, or -1.
std::int64_t firstDifference(const Audio& a, const Audio& b)
{
	const size_t count = std::min(a.samples.size(), b.samples.size());
	for (size_t i = 0; i < count; ++i)
		if (a.samples[i] != b.samples[i])
			return static_cast<std::int64_t>(i);
	return a.samples.size() == b.samples.size() ? -1 : static_cast<std::int64_t>(count);
}

void expectSameSamples(const Audio& actual, const Audio& expected)
{
	const std::int64_t at = firstDifference(actual, expected);
	EXPECT_EQ(at, -1) << "first difference at sample " << at << " of " << actual.samples.size();
}

TEST_F(RenderTest, PresetRenderMatchesTheInProcessHostSampleForSample)
{
	const Audio input = writeInput(testSignal(1.0));
	const Audio output = render({"--preset", "heavy"}, out);

	ASSERT_GT(output.frames(), input.frames());
	ReferenceSetup setup;
	setup.preset = kHeavy;
	expectSameSamples(output, referenceRender(input, setup, output.frames()));
}

TEST_F(RenderTest, SettingsAndBlockSizeMatchTheInProcessHost)
{
	const Audio input = writeInput(testSignal(0.7));
	const Audio output = render({"--preset", "Some Space", "--set", "delay=120", "--set", "Delay State=Delay",
		"--set", "Feedback=35", "--block", "100", "--tail", "1"}, out);

	ReferenceSetup setup;
	setup.preset = kSomeSpace;
	setup.parameters = {{kDelay, 120.0}, {kDelayState, 1.0}, {kFeedback, 35.0}};
	setup.blockSize = 100;
	expectSameSamples(output, referenceRender(input, setup, output.frames()));
}

TEST_F(RenderTest, MonoInputRendersThroughAMonoBus)
{
	const Audio input = writeInput(testSignal(0.5, 1, 44100));
	const Audio output = render({"--preset", "Heavy"}, out);

	EXPECT_EQ(output.channels, 1);
	EXPECT_EQ(output.sampleRate, 44100);
	ReferenceSetup setup;
	setup.preset = kHeavy;
	expectSameSamples(output, referenceRender(input, setup, output.frames()));
}

TEST_F(RenderTest, TailRunsUntilQuietAndKeepsATenthOfASecondOfSilence)
{
	const Audio input = writeInput(testSignal(0.5));
	const Audio output = render({"--preset", "Some Space"}, out);
	const std::int64_t kept = output.sampleRate / 10;

	ASSERT_GT(output.frames(), input.frames() + kept);
	EXPECT_GE(peak(output, output.frames() - kept - 1, output.frames() - kept), kSilence) << "last sounding frame";
	EXPECT_LT(peak(output, output.frames() - kept, output.frames()), kSilence) << "kept quiet stretch";
	// Nothing sounds again in the 2 s the tool listened to after the cut.
	ReferenceSetup setup;
	setup.preset = kSomeSpace;
	const Audio longer = referenceRender(input, setup, output.frames() + 2 * output.sampleRate);
	EXPECT_LT(peak(longer, output.frames(), longer.frames()), kSilence);
}

TEST_F(RenderTest, TailLimitCutsEndlessFeedbackAndZeroMeansNoTail)
{
	const Audio input = writeInput(testSignal(0.5));
	const std::vector<std::string> endless = {"--set", "Delay State=Delay", "--set", "Delay=50", "--set", "Feedback=100"};

	std::vector<std::string> limited = endless;
	limited.insert(limited.end(), {"--tail", "0.75"});
	const ToolRun run = runRender(limited, out);
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_NE(run.err.find("tail was cut"), std::string::npos) << run.err;
	const Audio output = readAudio(out);
	EXPECT_EQ(output.frames(), input.frames() + 36000);
	EXPECT_GT(peak(output, output.frames() - 4800, output.frames()), kSilence);

	std::vector<std::string> none = endless;
	none.insert(none.end(), {"--tail", "0"});
	EXPECT_EQ(render(none, dir / "none.wav").frames(), input.frames());
}

TEST_F(RenderTest, EmptyInputGivesAnEmptyOutputWhenNothingSounds)
{
	Audio empty = testSignal(0.0);
	empty.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
	writeInput(empty);
	const Audio output = render({"--preset", "Some Space"}, out);
	EXPECT_EQ(output.frames(), 0);
	EXPECT_EQ(output.format, empty.format);
}

TEST_F(RenderTest, SetChangesTheOutputAndListsTakeLabelsOrIndexes)
{
	writeInput(testSignal(0.5));
	const Audio plain = render({"--set", "Delay=200", "--tail", "0"}, dir / "plain.wav");
	const Audio byLabel = render({"--set", "Delay=200", "--set", "delay state=DELAY", "--tail", "0"}, dir / "label.wav");
	const Audio byIndex = render({"--set", "Delay=200", "--set", "Delay State=1", "--tail", "0"}, dir / "index.wav");
	const Audio quieter = render({"--set", "Delay=200", "--set", "Volume=0.2", "--tail", "0"}, dir / "quiet.wav");

	EXPECT_NE(firstDifference(plain, byLabel), -1);
	expectSameSamples(byLabel, byIndex);
	EXPECT_LT(peak(quieter, quieter.sampleRate / 4, quieter.frames()), 0.5f * peak(plain, plain.sampleRate / 4, plain.frames()));
}

TEST_F(RenderTest, LaterSettingsOverrideThePresetAndEarlierOnes)
{
	const Audio input = writeInput(testSignal(0.5));
	const Audio output = render({"--preset", "Heavy", "--set", "Volume=0.9", "--set", "volume=0.3", "--tail", "0"}, out);

	ReferenceSetup setup;
	setup.preset = kHeavy;
	setup.parameters = {{kVolume, 0.3}};
	expectSameSamples(output, referenceRender(input, setup, output.frames()));
}

TEST_F(RenderTest, StateOutThenStateInReproducesAPresetRender)
{
	writeInput(testSignal(0.6));
	const Audio first = render({"--preset", "Some Space", "--state-out", dir / "first.state"}, dir / "first.wav");
	const Audio second = render({"--state-in", dir / "first.state", "--state-out", dir / "second.state"}, dir / "second.wav");

	expectSameSamples(second, first);
	EXPECT_EQ(readBytes(dir / "second.state"), readBytes(dir / "first.state"));
	EXPECT_FALSE(readBytes(dir / "first.state").empty());
}

TEST_F(RenderTest, StateCarriesSettingsAndComesBeforeThePreset)
{
	writeInput(testSignal(0.6));
	const Audio set = render({"--set", "Volume=0.2", "--state-out", dir / "set.state", "--tail", "0"}, dir / "set.wav");
	const Audio restored = render({"--state-in", dir / "set.state", "--tail", "0"}, dir / "restored.wav");
	// --set glides from the default over the first ~150 ms; a restored state lands at once.
	const std::int64_t settled = set.sampleRate / 4;
	for (std::int64_t frame = settled; frame < set.frames(); ++frame)
		ASSERT_EQ(restored.at(frame, 0), set.at(frame, 0)) << "frame " << frame;

	// The preset is applied after the state, so it wins.
	const Audio presetOnly = render({"--preset", "Heavy", "--tail", "0"}, dir / "preset.wav");
	const Audio stateThenPreset = render({"--state-in", dir / "set.state", "--preset", "Heavy", "--tail", "0"}, dir / "both.wav");
	EXPECT_NE(firstDifference(stateThenPreset, restored), -1);
	for (std::int64_t frame = settled; frame < set.frames(); ++frame)
		ASSERT_EQ(stateThenPreset.at(frame, 1), presetOnly.at(frame, 1)) << "frame " << frame;
}

// The preset files the build writes, one per factory preset and named after
// it, sound exactly as the presets do; a state saved as *.vstpreset is the
// same file.
TEST_F(RenderTest, FactoryPresetFilesRenderAsTheBuiltInPresets)
{
	const char* const names[] = {"Factory Preset", "Heavy", "Hollow Ring", "Banking", "Beats as Bass", "Crude Verb",
		"Some Space", "Padding for Pads", "Good on Atmos", "Pipes", "Automate Me"};
	std::vector<std::string> expectedFiles;
	for (const char* name : names)
		expectedFiles.push_back(std::string(name) + ".vstpreset");
	std::sort(expectedFiles.begin(), expectedFiles.end());
	std::vector<std::string> files;
	for (const auto& entry : std::filesystem::directory_iterator(VELTRANE_PRESET_DIR))
		files.push_back(entry.path().filename().string());
	std::sort(files.begin(), files.end());
	EXPECT_EQ(files, expectedFiles);

	writeInput(testSignal(0.3));
	for (const char* name : names)
	{
		SCOPED_TRACE(name);
		const std::string file = std::string(VELTRANE_PRESET_DIR) + "/" + name + ".vstpreset";
		const Audio builtIn = render({"--preset", name, "--state-out", dir / "saved.vstpreset"}, dir / "preset.wav");
		expectSameSamples(render({"--preset-file", file}, dir / "file.wav"), builtIn);
		EXPECT_EQ(readBytes(dir / "saved.vstpreset"), readBytes(file));
	}
	expectSameSamples(render({"--state-in", dir / "saved.vstpreset"}, out), readAudio(dir / "preset.wav"));
}

// Enable once the plug-in lets first-block parameter changes land without
// gliding: today smoothed controls glide to --set values over ~150 ms.
TEST_F(RenderTest, SetValuesAreInPlaceFromTheFirstSample)
{
	writeInput(testSignal(0.4));
	const Audio set = render({"--set", "Volume=0.2", "--set", "Delay=300", "--state-out", dir / "set.state"}, dir / "set.wav");
	const Audio restored = render({"--state-in", dir / "set.state"}, dir / "restored.wav");
	expectSameSamples(set, restored);
}

struct FormatCase
{
	const char* name;
	int format;
	int channels;
	int sampleRate;
};

void PrintTo(const FormatCase& formatCase, std::ostream* stream)
{
	*stream << formatCase.name;
}

class FormatTest : public RenderTest, public ::testing::WithParamInterface<FormatCase>
{
};

TEST_P(FormatTest, OutputKeepsTheInputsFileAndSampleFormat)
{
	Audio input = testSignal(0.4, GetParam().channels, GetParam().sampleRate);
	input.format = GetParam().format;
	in = dir / (std::string("in.") + GetParam().name);
	out = dir / (std::string("out.") + GetParam().name);
	writeInput(input);

	const Audio output = render({"--preset", "Pipes", "--tail", "0"}, out);
	EXPECT_EQ(output.format, input.format);
	EXPECT_EQ(output.channels, input.channels);
	EXPECT_EQ(output.sampleRate, input.sampleRate);
	EXPECT_EQ(output.frames(), input.frames());
	EXPECT_GT(peak(output, 0, output.frames()), 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTest,
	::testing::Values(FormatCase{"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100},
		FormatCase{"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 1, 96000},
		FormatCase{"aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 2, 22050}),
	[](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace ToolTests
