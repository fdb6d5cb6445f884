// The product processor driven as a host drives it: an audio thread calls
// process without pause while a user-interface thread selects programs,
// restores and saves states and sets parameters. Meant to be run under
// ThreadSanitizer as well; without it the run takes about two seconds.
#include "Processor.h"

#include "host/ProcessBlock.h"

#include "base/source/fstreamer.h"
#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Doru2VST3;

namespace {

constexpr int32 kBlockSamples = 64;
constexpr int32 kStateBytes = 58;
constexpr auto kUserInterfaceTime = std::chrono::seconds(2);

struct Range
{
	float minimum, maximum;
	uint32_t valueType;
};

std::vector<Range> controlRanges(const CPlugIn& effect)
{
	std::vector<Range> ranges;
	for (int32 i = 0; const ControlDescriptor* control = effect.m_controls.at(i); ++i)
		ranges.push_back({control->minimum, control->maximum, control->valueType});
	return ranges;
}

using Bytes = std::vector<char>;

// A state stream as a host would have stored it: control values as given,
// written by their value type, then bypass and joystick.
Bytes makeState(const std::vector<Range>& ranges, const std::vector<double>& values, bool bypass, float x, float y)
{
	IPtr<MemoryStream> stream = owned(new MemoryStream);
	IBStreamer out(stream, kLittleEndian);
	out.writeInt64u(1);
	for (size_t i = 0; i < ranges.size(); ++i)
	{
		if (ranges[i].valueType == kEnumValue)
			out.writeInt32u(static_cast<uint32>(values[i]));
		else
			out.writeFloat(static_cast<float>(values[i]));
	}
	out.writeBool(bypass);
	out.writeFloat(x);
	out.writeFloat(y);
	return Bytes(stream->getData(), stream->getData() + stream->getSize());
}

// Factory presets as stored states, plus one with values no control allows.
std::vector<Bytes> storedStates(const CPlugIn& effect, const std::vector<Range>& ranges)
{
	std::vector<Bytes> states;
	for (int slot = 0; slot < 11; ++slot)
	{
		std::vector<double> values;
		for (int32 i = 0; i < static_cast<int32>(ranges.size()); ++i)
			values.push_back(effect.m_controls.at(i)->presetValues[slot]);
		const float x = static_cast<float>(slot) / 10.0f - 0.5f;
		states.push_back(makeState(ranges, values, slot == 7, x, -x));
	}
	std::vector<double> hostile(ranges.size(), 1e9);
	hostile[0] = std::numeric_limits<double>::quiet_NaN();
	states.push_back(makeState(ranges, hostile, false, 5.0f, -5.0f));
	return states;
}

// Empty when the saved stream is well formed and every value is in range.
std::string stateProblem(const Bytes& bytes, const std::vector<Range>& ranges)
{
	if (bytes.size() != static_cast<size_t>(kStateBytes))
		return "size " + std::to_string(bytes.size());
	IPtr<MemoryStream> stream = owned(new MemoryStream(const_cast<char*>(bytes.data()), kStateBytes));
	IBStreamer in(stream, kLittleEndian);
	uint64 version = 0;
	in.readInt64u(version);
	if (version != 1)
		return "version " + std::to_string(version);
	for (size_t i = 0; i < ranges.size(); ++i)
	{
		double value = 0;
		if (ranges[i].valueType == kEnumValue)
		{
			uint32 index = 0;
			in.readInt32u(index);
			value = index;
		}
		else
		{
			float plain = 0;
			in.readFloat(plain);
			value = plain;
		}
		if (!(value >= ranges[i].minimum && value <= ranges[i].maximum))
			return "control " + std::to_string(i) + " = " + std::to_string(value);
	}
	int16 bypass = -1;
	in.readInt16(bypass);
	if (bypass != 0 && bypass != 1)
		return "bypass " + std::to_string(bypass);
	for (const char* axis : {"x", "y"})
	{
		float value = 2;
		in.readFloat(value);
		if (!(value >= -1.0f && value <= 1.0f))
			return std::string("joystick ") + axis + " = " + std::to_string(value);
	}
	return {};
}

Bytes saveState(IComponent& component)
{
	IPtr<MemoryStream> stream = owned(new MemoryStream);
	EXPECT_EQ(component.getState(stream), kResultOk);
	return Bytes(stream->getData(), stream->getData() + stream->getSize());
}

tresult restoreState(IComponent& component, const Bytes& bytes)
{
	IPtr<MemoryStream> stream = owned(new MemoryStream(const_cast<char*>(bytes.data()), static_cast<TSize>(bytes.size())));
	return component.setState(stream);
}

// The host's audio thread: blocks of a stereo tone with a few
// automation points, bypass now and then, until told to stop.
class AudioThread
{
public:
	explicit AudioThread(Processor& processor) : processor(processor), thread([this] { run(); }) {}
	~AudioThread() { stopAndJoin(); }

	void stopAndJoin()
	{
		stop = true;
		if (thread.joinable())
			thread.join();
	}

	std::atomic<int64_t> blocks{0};
	std::atomic<bool> outputFinite{true};
	std::atomic<tresult> firstFailure{kResultOk};

private:
	void run()
	{
		VeltraneHost::ProcessBlock block(2, 2, kBlockSamples);
		for (int64_t n = 0; !stop; ++n)
		{
			for (int32 i = 0; i < kBlockSamples; ++i)
			{
				const float phase = static_cast<float>(n * kBlockSamples + i) * 0.05f;
				block.input(0)[i] = 0.5f * std::sin(phase);
				block.input(1)[i] = 0.5f * std::cos(phase);
			}
			Steinberg::Vst::ParameterChanges& changes = block.inputParameterChanges();
			const ParamID control = static_cast<ParamID>(n % 10);
			changes.addPoint(control, 0, static_cast<double>(n % 7) / 6.0);
			changes.addPoint(control, kBlockSamples - 1, static_cast<double>(n % 5) / 4.0);
			changes.addPoint(JOYSTICK_X, 0, static_cast<double>(n % 9) / 8.0);
			if (n % 50 == 0)
				changes.addPoint(kParamBypass, 0, (n / 50) % 2 ? 1.0 : 0.0);

			const tresult result = processor.process(block.assemble());
			if (result != kResultOk && firstFailure == kResultOk)
				firstFailure = result;
			for (int32 channel = 0; channel < 2; ++channel)
				for (int32 i = 0; i < kBlockSamples; ++i)
					if (!std::isfinite(block.output(channel)[i]))
						outputFinite = false;
			block.clearInputs();
			++blocks;
		}
	}

	Processor& processor;
	std::atomic<bool> stop{false};
	std::thread thread;
};

} // namespace

TEST(ProcessorConcurrency, UserInterfaceEditsWhileTheAudioThreadProcesses)
{
	HostApplication host; // counts no references
	IPtr<Processor> processor = Steinberg::owned(new Processor());
	ASSERT_EQ(processor->initialize(&host), kResultOk);
	ProcessSetup setup{kRealtime, kSample32, kBlockSamples, 48000.0};
	ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
	IComponent& component = *processor;

	const std::vector<Range> ranges = controlRanges(*processor->effect);
	ASSERT_EQ(ranges.size(), 10u);
	const std::vector<Bytes> states = storedStates(*processor->effect, ranges);
	ASSERT_EQ(states.front().size(), static_cast<size_t>(kStateBytes));

	ASSERT_EQ(processor->setActive(true), kResultOk);
	int64_t userInterfaceSteps = 0, blocksDuringEdits = 0;
	std::vector<std::string> problems;
	{
		AudioThread audio(*processor);
		while (audio.blocks == 0)
			std::this_thread::yield();
		const int64_t blocksBefore = audio.blocks;
		const auto end = std::chrono::steady_clock::now() + kUserInterfaceTime;
		for (int64_t i = 0; std::chrono::steady_clock::now() < end; ++i, ++userInterfaceSteps)
		{
			switch (i % 4)
			{
				case 0:
					processor->setParamNormalized(kParamProgram, static_cast<double>(i % 11) / 10.0);
					break;
				case 1:
					EXPECT_EQ(restoreState(component, states[static_cast<size_t>(i / 4) % states.size()]), kResultOk);
					break;
				case 2:
				{
					const std::string problem = stateProblem(saveState(component), ranges);
					if (!problem.empty() && problems.size() < 5)
						problems.push_back(problem);
					break;
				}
				default:
					for (ParamID id = 0; id < 10; ++id)
						processor->setParamNormalized(id, static_cast<double>((i + id) % 8) / 7.0);
					break;
			}
		}
		blocksDuringEdits = audio.blocks - blocksBefore;
		audio.stopAndJoin();
		EXPECT_TRUE(audio.outputFinite.load());
		EXPECT_EQ(audio.firstFailure.load(), kResultOk);
	}
	ASSERT_EQ(processor->setActive(false), kResultOk);

	::testing::Test::RecordProperty("userInterfaceSteps", std::to_string(userInterfaceSteps));
	::testing::Test::RecordProperty("blocksDuringEdits", std::to_string(blocksDuringEdits));
	EXPECT_TRUE(problems.empty()) << "first bad saved state: " << problems.front();
	EXPECT_GE(userInterfaceSteps, 40);
	EXPECT_GE(blocksDuringEdits, 10) << "the two threads hardly overlapped";

	// Once processing has stopped a restored state lands at once and reads back unchanged.
	ASSERT_EQ(restoreState(component, states[3]), kResultOk);
	EXPECT_EQ(saveState(component), states[3]);
	EXPECT_EQ(processor->terminate(), kResultOk);
}
