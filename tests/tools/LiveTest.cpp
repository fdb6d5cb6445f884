// veltrane live against a private jackd with the dummy driver: its ports,
// the effect on the audio a client sends it, and how it ends.
#include "JackTestServer.h"
#include "ReferenceRender.h"
#include "TestAudio.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <optional>
#include <thread>

namespace ToolTests {
namespace {

constexpr std::uint32_t kVolumeId = 7;
constexpr double kVolume = 0.3;
// Generous: under the sanitizers the plug-in takes seconds to load and
// the first blocks may come late.
constexpr int kStartTimeoutMs = 60000;
constexpr int kSoundTimeoutMs = 30000;

const char* const kPorts[] = {"VeltraneFree:in_1", "VeltraneFree:in_2", "VeltraneFree:out_1", "VeltraneFree:out_2"};

// The level the effect gives the probe's sine once settled, rendered in-process as a DAW would.
float expectedRms()
{
	Audio sine;
	const std::int64_t frames = 48000;
	sine.samples.resize(static_cast<size_t>(frames * 2));
	for (std::int64_t frame = 0; frame < frames; ++frame)
		for (int channel = 0; channel < 2; ++channel)
			sine.samples[static_cast<size_t>(frame * 2 + channel)] = JackProbe::kAmplitude *
				static_cast<float>(std::sin(2.0 * M_PI * static_cast<double>(frame % JackProbe::kPeriodFrames) /
					JackProbe::kPeriodFrames));
	ReferenceSetup setup;
	setup.parameters = {{kVolumeId, kVolume}};
	setup.blockSize = 256;
	const Audio rendered = referenceRender(sine, setup, frames);
	double sum = 0.0;
	const std::int64_t first = frames / 2;
	for (std::int64_t frame = first; frame < frames; ++frame)
		sum += static_cast<double>(rendered.at(frame, 0)) * rendered.at(frame, 0);
	return static_cast<float>(std::sqrt(sum / static_cast<double>(frames - first)));
}

// Once the probe hears sound from block `from` on, the median level of the
// blocks after a settling stretch; nothing when it stays silent.
std::optional<float> settledLevel(const JackProbe& probe, int from)
{
	constexpr int kSettlingBlocks = 100;
	constexpr int kMeasuredBlocks = 60;
	const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kSoundTimeoutMs);
	int firstLoud = -1;
	for (int index = from; std::chrono::steady_clock::now() < deadline;)
	{
		if (firstLoud < 0 && index < probe.blocksHeard())
		{
			if (probe.blockRms(index) > 0.01f)
				firstLoud = index;
			++index;
			continue;
		}
		if (firstLoud >= 0 && probe.blocksHeard() >= firstLoud + kSettlingBlocks + kMeasuredBlocks)
			return probe.medianRms(firstLoud + kSettlingBlocks, kMeasuredBlocks);
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	return std::nullopt;
}

TEST(LiveTest, RunsTheEffectOnJackAudioAtAnyBufferSizeAndSavesItsStateOnSigint)
{
	JackTestServer server;
	TempDir folder;
	const std::string state = folder / "live.state";
	RunningTool live({"live", "--no-editor", "--set", "Volume=0.3", "--state-out", state}, {server.environment()});
	JackProbe probe(server.name());
	for (const char* port : kPorts)
		ASSERT_TRUE(probe.waitForPort(port, kStartTimeoutMs)) << port;
	for (const char* port : kPorts)
	{
		const bool input = std::string(port).find(":in_") != std::string::npos;
		EXPECT_TRUE(jack_port_flags(jack_port_by_name(probe.client(), port)) & (input ? JackPortIsInput : JackPortIsOutput))
			<< port;
	}
	probe.connect("out_1", kPorts[0], kPorts[2], "in_1");
	probe.connect("out_2", kPorts[1], "", "");

	const float expected = expectedRms();
	const float dry = JackProbe::kAmplitude / std::sqrt(2.0f);
	ASSERT_GT(std::fabs(expected - dry), 0.2f * dry) << "the settings must change the sound audibly";
	const std::optional<float> at256 = settledLevel(probe, 0);
	ASSERT_TRUE(at256) << "no sound came back from veltrane live";
	EXPECT_NEAR(*at256, expected, 0.03f * expected);

	ASSERT_EQ(jack_set_buffer_size(probe.client(), 1024), 0);
	const std::optional<float> at1024 = settledLevel(probe, probe.blocksHeard());
	ASSERT_TRUE(at1024) << "the sound stopped when the buffer size changed";
	EXPECT_NEAR(*at1024, expected, 0.03f * expected);
	EXPECT_EQ(jack_get_buffer_size(probe.client()), 1024u);

	live.signal(SIGINT);
	const ToolRun run = live.wait();
	ASSERT_EQ(run.status, 0) << run.err;
	EXPECT_NE(run.out.find("1024 frames a block"), std::string::npos) << run.out;

	// The saved state is the one the settings make.
	writeAudio(folder / "in.wav", testSignal(0.2));
	ASSERT_EQ(runVeltrane({"render", folder / "in.wav", folder / "restored.wav", "--state-in", state, "--tail", "0"}).status, 0);
	ASSERT_EQ(runVeltrane({"render", folder / "in.wav", folder / "set.wav", "--set", "Volume=0.3", "--tail", "0"}).status, 0);
	EXPECT_EQ(readAudio(folder / "restored.wav").samples, readAudio(folder / "set.wav").samples);
}

TEST(LiveTest, ReportsAnUnreachableServerInOneLineAndStartsNone)
{
	const std::string absent = unusedServerName();
	TempDir folder;
	const ToolRun run = runVeltrane({"live", "--no-editor", "--state-out", folder / "never.state"},
		{"JACK_DEFAULT_SERVER=" + absent});
	EXPECT_EQ(run.status, 1);
	EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	EXPECT_NE(run.err.find("JACK server"), std::string::npos) << run.err;
	EXPECT_TRUE(folder.fileNames().empty());

	jack_status_t status{};
	jack_client_t* client = jack_client_open("check", static_cast<jack_options_t>(JackNoStartServer | JackServerName),
		&status, absent.c_str());
	EXPECT_EQ(client, nullptr) << "a server was left running under " << absent;
	if (client)
		jack_client_close(client);
}

TEST(LiveTest, ConnectsToTheSystemAndEndsWithStatusOneAndItsStateSavedWhenTheServerGoesAway)
{
	JackTestServer server;
	TempDir folder;
	const std::string state = folder / "live.state";
	RunningTool live({"live", "--no-editor", "--connect", "--state-out", state}, {server.environment()});
	{
		JackProbe probe(server.name());
		ASSERT_TRUE(probe.waitForPort(kPorts[3], kStartTimeoutMs));
		// --connect: the system's capture ports feed the inputs, the outputs feed its playback ports.
		const auto connectedTo = [&](const char* port, const char* other) {
			const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
			while (!jack_port_connected_to(jack_port_by_name(probe.client(), port), other))
			{
				if (std::chrono::steady_clock::now() > deadline)
					return false;
				std::this_thread::sleep_for(std::chrono::milliseconds(20));
			}
			return true;
		};
		EXPECT_TRUE(connectedTo(kPorts[0], "system:capture_1"));
		EXPECT_TRUE(connectedTo(kPorts[1], "system:capture_2"));
		EXPECT_TRUE(connectedTo(kPorts[2], "system:playback_1"));
		EXPECT_TRUE(connectedTo(kPorts[3], "system:playback_2"));
	}
	server.stop();
	const ToolRun run = live.wait();
	EXPECT_EQ(run.status, 1) << run.err;
	EXPECT_NE(run.err.find("JACK server went away"), std::string::npos) << run.err;
	EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	EXPECT_FALSE(readBytes(state).empty());
}

} // namespace
} // namespace ToolTests
