// The processing paths the stereo delay never takes: tapered host values,
// sample-accurate queues, events at their frames, side chain, whole buffers,
// meters, buttons and the MIDI parameters.
#include "PathsTestHost.h"

#include "host/NoteEvents.h"

#include <cmath>
#include <vector>

using namespace PathsTest;
using namespace Steinberg::Vst::Doru2VST3;
using MidiRecord = PathsTestEffect::MidiRecord;

namespace {

Event polyPressure(int32 offset, int16 channel, int16 pitch, float pressure)
{
	Event event{};
	event.sampleOffset = offset;
	event.type = Event::kPolyPressureEvent;
	event.polyPressure = {channel, pitch, pressure, -1};
	return event;
}

bool sameMidi(const MidiRecord& a, const MidiRecord& b)
{
	return a.kind == b.kind && a.frame == b.frame && a.channel == b.channel && a.data1 == b.data1 &&
	       a.data2 == b.data2 && a.status == b.status && a.allNotesOff == b.allNotesOff;
}

MidiRecord raw(int64_t frame, uint32_t channel, uint32_t status, uint32_t data1, uint32_t data2)
{
	return {MidiRecord::Raw, frame, channel, data1, data2, status, false};
}

#define EXPECT_MIDI(actual, ...)                                                                      \
	do                                                                                                \
	{                                                                                                 \
		const std::vector<MidiRecord> expectedMidi = {__VA_ARGS__};                                   \
		ASSERT_EQ((actual).size(), expectedMidi.size());                                              \
		for (size_t n = 0; n < expectedMidi.size(); ++n)                                              \
			EXPECT_TRUE(sameMidi((actual)[n], expectedMidi[n])) << "record " << n << " kind "          \
			                                                     << (actual)[n].kind << " frame "       \
			                                                     << (actual)[n].frame;                 \
	} while (0)

// One point for a meter, read back from the host's output changes.
struct MeterPoint
{
	int32 offset = -1;
	ParamValue value = -1;
	int32 count = 0;
};

MeterPoint meterPoint(VeltraneHost::ProcessBlock& block, ParamID id)
{
	MeterPoint point;
	if (Steinberg::Vst::ParameterValueQueue* queue = block.outputParameterChanges().find(id))
	{
		point.count = queue->getPointCount();
		queue->getPoint(0, point.offset, point.value);
	}
	return point;
}

} // namespace

// ---- tapered host values -------------------------------------------------

TEST_F(ProcessorPaths, TaperedHostValuesReachTheEffectLinearised)
{
	start();
	for (ParamValue v : {0.0, 0.25, 0.5, 1.0})
	{
		SCOPED_TRACE(v);
		VeltraneHost::ProcessBlock block(2, 2, 4);
		block.inputParameterChanges().addPoint(PathsTestEffect::kCutoff, 0, v);
		block.inputParameterChanges().addPoint(PathsTestEffect::kPitch, 0, v);
		block.inputParameterChanges().addPoint(PathsTestEffect::kGain, 0, v);
		ASSERT_EQ(run(block), kResultOk);

		const float u = static_cast<float>(std::log10(9.0 * static_cast<float>(v) + 1.0));
		EXPECT_FLOAT_EQ(effect().cutoff, 19980.0f * u + 20.0f);
		// The volt/octave conversion agrees with what the host shows.
		EXPECT_NEAR(effect().pitch, processor->normalizedParamToPlain(PathsTestEffect::kPitch, v), 0.01);
		EXPECT_FLOAT_EQ(effect().gain, static_cast<float>(v));
	}
	EXPECT_EQ(effect().framesWithGainQueue, 0); // queues only when the effect asks for them
	change(PathsTestEffect::kPitch, 0.5);
	EXPECT_NEAR(effect().pitch, 632.4414, 1e-3);
}

// ---- sample-accurate queues ----------------------------------------------

class QueuedPaths : public ProcessorPaths
{
protected:
	// A 100-sample block ramping the gain from 0 at offset 0 to 1 at offset 99.
	void runRamp(VeltraneHost::ProcessBlock& block)
	{
		block.inputParameterChanges().addPoint(PathsTestEffect::kGain, 0, 0.0);
		block.inputParameterChanges().addPoint(PathsTestEffect::kGain, 99, 1.0);
		ASSERT_EQ(run(block), kResultOk);
	}
};

TEST_F(QueuedPaths, RampIsReadSampleBySampleAtGranularityOne)
{
	start(&makeQueued<1>);
	VeltraneHost::ProcessBlock block(2, 2, 100);
	runRamp(block);
	const auto& reads = effect().queueReads;
	ASSERT_EQ(reads.size(), 99u);
	for (size_t n = 0; n < reads.size(); ++n)
	{
		EXPECT_EQ(reads[n].frame, static_cast<int64_t>(n + 1));
		EXPECT_NEAR(reads[n].value, (n + 1) / 99.0, 1e-12);
	}
	EXPECT_EQ(reads.back().value, 1.0);
	EXPECT_EQ(effect().framesWithGainQueue, 100);
	EXPECT_FLOAT_EQ(effect().gain, 1.0f); // the last point lands directly
}

TEST_F(QueuedPaths, GranularityTenThinsTheRamp)
{
	start(&makeQueued<10>);
	VeltraneHost::ProcessBlock block(2, 2, 100);
	runRamp(block);
	std::vector<int64_t> frames;
	for (const auto& read : effect().queueReads)
	{
		frames.push_back(read.frame);
		EXPECT_NEAR(read.value, read.frame / 99.0, 1e-12);
	}
	EXPECT_EQ(frames, (std::vector<int64_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 99}));
}

TEST_F(QueuedPaths, QueueOfAnEarlierBlockIsNeverLeftAttached)
{
	start(&makeQueued<1>);
	VeltraneHost::ProcessBlock block(2, 2, 100);
	runRamp(block);
	ASSERT_EQ(effect().framesWithGainQueue, 100);

	ASSERT_EQ(run(block), kResultOk); // no changes at all
	EXPECT_EQ(effect().framesWithGainQueue, 100);

	block.inputParameterChanges().addPoint(PathsTestEffect::kMix, 0, 0.5);
	ASSERT_EQ(run(block), kResultOk); // a change of another control only
	EXPECT_EQ(effect().framesWithGainQueue, 100);
	EXPECT_EQ(effect().framesWithMixQueue, 100);
}

TEST_F(QueuedPaths, QueueIsDetachedWhenTheHostPassesNoChangeList)
{
	start(&makeQueued<1>);
	VeltraneHost::ProcessBlock block(2, 2, 100);
	runRamp(block);
	ASSERT_EQ(effect().framesWithGainQueue, 100);

	ProcessData& data = block.assemble();
	data.inputParameterChanges = nullptr; // allowed: a block without changes
	ASSERT_EQ(processor->process(data), kResultOk);
	EXPECT_EQ(effect().framesWithGainQueue, 100) << "the effect was handed the previous block's host queue";
}

// ---- events --------------------------------------------------------------

TEST_F(ProcessorPaths, EventsArriveBeforeTheFrameAtTheirOffset)
{
	start();
	VeltraneHost::ProcessBlock block(2, 2, 16);
	using VeltraneHost::noteOff;
	using VeltraneHost::noteOn;
	block.inputEvents().add(noteOn(3, 1, 60, 0.5f));
	block.inputEvents().add(noteOff(7, 1, 60, 1.0f));
	block.inputEvents().add(polyPressure(7, 2, 64, 0.5f));
	block.inputEvents().add(noteOn(16, 0, 61, 1.0f)); // past the block's end
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_MIDI(effect().midi, (MidiRecord{MidiRecord::NoteOn, 3, 1, 60, 63, 0, false}),
	            (MidiRecord{MidiRecord::NoteOff, 7, 1, 60, 127, 0, false}), raw(7, 2, 0xA0, 64, 63));

	// Events belong to their block: the next one starts empty, and a note at 0 is not missed.
	effect().midi.clear();
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_TRUE(effect().midi.empty());
	for (int16 pitch : {40, 41, 42})
		block.inputEvents().add(noteOn(0, 0, pitch, 1.0f));
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_MIDI(effect().midi, (MidiRecord{MidiRecord::NoteOn, 32, 0, 40, 127, 0, false}),
	            (MidiRecord{MidiRecord::NoteOn, 32, 0, 41, 127, 0, false}),
	            (MidiRecord{MidiRecord::NoteOn, 32, 0, 42, 127, 0, false}));
}

TEST_F(ProcessorPaths, WholeBufferEffectFetchesEventsThroughTheAdapter)
{
	start(&makeWholeBuffers);
	VeltraneHost::ProcessBlock block(2, 2, 16);
	using VeltraneHost::noteOff;
	using VeltraneHost::noteOn;
	for (int pass = 0; pass < 2; ++pass)
	{
		SCOPED_TRACE(pass);
		effect().midi.clear();
		block.inputEvents().add(noteOn(0, 0, 50, 1.0f));
		block.inputEvents().add(noteOff(9, 0, 50, 0.0f));
		ASSERT_EQ(run(block), kResultOk);
		EXPECT_MIDI(effect().midi, (MidiRecord{MidiRecord::NoteOn, 0, 0, 50, 127, 0, false}),
		            (MidiRecord{MidiRecord::NoteOff, 9, 0, 50, 0, 0, false}));
	}
}

// ---- side chain ----------------------------------------------------------

class SideChainPaths : public ProcessorPaths
{
protected:
	static constexpr int32 kFrames = 8;

	SideChainPaths()
	{
		for (int32 i = 0; i < kFrames; ++i)
		{
			auxLeft[i] = 0.1f * static_cast<float>(i + 1);
			auxRight[i] = -0.1f * static_cast<float>(i + 1);
		}
	}

	// One block; with `auxBus` the host passes the aux bus as a second input bus.
	void runBlock(bool auxBus)
	{
		ProcessData& data = block.assemble();
		inputs[0] = data.inputs[0];
		inputs[1].numChannels = 2;
		inputs[1].channelBuffers32 = aux;
		data.inputs = inputs;
		data.numInputs = auxBus ? 2 : 1;
		ASSERT_EQ(processor->process(data), kResultOk);
	}

	VeltraneHost::ProcessBlock block{2, 2, kFrames};
	float auxLeft[kFrames] = {}, auxRight[kFrames] = {};
	float* aux[2] = {auxLeft, auxRight};
	AudioBusBuffers inputs[2] = {};
};

TEST_F(SideChainPaths, FramesReachTheEffectWhenTheBusIsActive)
{
	start(&makeSideChain);
	ASSERT_EQ(processor->activateBus(kAudio, kInput, 1, true), kResultTrue);
	runBlock(true);
	const auto& calls = effect().sideChainCalls;
	ASSERT_EQ(calls.size(), static_cast<size_t>(kFrames));
	for (int32 i = 0; i < kFrames; ++i)
	{
		EXPECT_EQ(calls[i].frame, i); // before the frame it belongs to
		EXPECT_EQ(calls[i].samples[0], auxLeft[i]);
		EXPECT_EQ(calls[i].samples[1], auxRight[i]);
		EXPECT_EQ(calls[i].channelCount, 2u);
		EXPECT_TRUE(calls[i].valid);
	}
}

TEST_F(SideChainPaths, NeedsAnActiveBusAndTwoInputBuses)
{
	start(&makeSideChain);
	runBlock(true); // the host has not activated the aux bus
	EXPECT_TRUE(effect().sideChainCalls.empty());
	ASSERT_EQ(processor->activateBus(kAudio, kInput, 1, true), kResultTrue);
	runBlock(false);
	EXPECT_TRUE(effect().sideChainCalls.empty());
	EXPECT_EQ(effect().frame, 2 * kFrames);
}

TEST_F(SideChainPaths, WholeBufferEffectGetsTheBusBuffersOnce)
{
	start(&makeWholeBuffersWithSideChain);
	ASSERT_EQ(processor->activateBus(kAudio, kInput, 1, true), kResultTrue);
	runBlock(true);
	const auto& calls = effect().sideChainCalls;
	ASSERT_EQ(calls.size(), 1u);
	EXPECT_EQ(calls[0].buffers, aux);
	EXPECT_EQ(calls[0].channelCount, 2u);
	EXPECT_TRUE(calls[0].valid);
	EXPECT_EQ(effect().bufferCalls.size(), 1u);
}

// ---- whole buffers and meters --------------------------------------------

TEST_F(ProcessorPaths, WholeBuffersAreProcessedOncePerBlock)
{
	start(&makeWholeBuffers);
	VeltraneHost::ProcessBlock block(2, 2, 64);
	for (int32 samples : {37, 64})
	{
		block.setNumSamples(samples);
		ProcessData& data = block.assemble();
		ASSERT_EQ(processor->process(data), kResultOk);
		ASSERT_FALSE(effect().bufferCalls.empty());
		const PathsTestEffect::BufferCall& call = effect().bufferCalls.back();
		EXPECT_EQ(call.frames, samples);
		EXPECT_EQ(call.channels, 2u);
		EXPECT_EQ(call.in, data.inputs[0].channelBuffers32);
		EXPECT_EQ(call.out, data.outputs[0].channelBuffers32);
	}
	EXPECT_EQ(effect().bufferCalls.size(), 2u);
	EXPECT_EQ(effect().framesWithGainQueue + effect().framesWithMixQueue, 0);
	EXPECT_TRUE(effect().queueReads.empty());
}

TEST_F(ProcessorPaths, MetersAreReportedAtTheirPositionInTheMeterList)
{
	start();
	VeltraneHost::ProcessBlock block(2, 2, 8);
	block.input(0)[7] = -0.5f; // the level meter holds the last frame's magnitude
	effect().peak = 0.75f;
	ASSERT_EQ(run(block), kResultOk);
	const MeterPoint level = meterPoint(block, PathsTestEffect::kLevel);
	const MeterPoint peak = meterPoint(block, PathsTestEffect::kPeak);
	EXPECT_EQ(level.count, 1);
	EXPECT_EQ(level.offset, 0);
	EXPECT_EQ(level.value, 0.5);
	EXPECT_EQ(peak.count, 1);
	EXPECT_EQ(peak.offset, 1);
	EXPECT_EQ(peak.value, 0.75);
	EXPECT_EQ(block.outputParameterChanges().getParameterCount(), 2);
}

TEST_F(ProcessorPaths, WholeBufferMetersReportZero)
{
	start(&makeWholeBuffers);
	VeltraneHost::ProcessBlock block(2, 2, 8);
	effect().peak = 0.75f;
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(meterPoint(block, PathsTestEffect::kLevel).value, 0.0);
	const MeterPoint peak = meterPoint(block, PathsTestEffect::kPeak);
	EXPECT_EQ(peak.offset, 1);
	EXPECT_EQ(peak.value, 0.0);
}

// ---- frame channels, output-only, bypass, silence, flush ------------------

TEST_F(ProcessorPaths, FramesCarryTheArrangementsChannelCount)
{
	start();
	VeltraneHost::ProcessBlock stereo(2, 2, 4);
	ASSERT_EQ(run(stereo), kResultOk);
	EXPECT_EQ(effect().frameChannels, (std::array<uint32_t, 2>{2, 2}));

	SpeakerArrangement mono = SpeakerArr::kMono;
	ASSERT_EQ(processor->setBusArrangements(&mono, 1, &mono, 1), kResultTrue);
	VeltraneHost::ProcessBlock block(1, 1, 4);
	block.input(0)[2] = 0.25f;
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(effect().frameChannels, (std::array<uint32_t, 2>{1, 1}));
	EXPECT_EQ(block.output(0)[2], 0.25f);
}

TEST_F(ProcessorPaths, OutputOnlyEffectRunsWithoutAnInputBus)
{
	start(&makeOutputOnly);
	VeltraneHost::ProcessBlock block(0, 2, 8);
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(effect().frame, 8);
	for (int32 channel = 0; channel < 2; ++channel)
		for (int32 i = 0; i < 8; ++i)
			EXPECT_EQ(block.output(channel)[i], 0.125f) << channel << ":" << i;
}

TEST_F(ProcessorPaths, OutputOnlyWholeBufferEffectGetsSilentInputBuffers)
{
	start(&makeOutputOnlyWholeBuffers);
	VeltraneHost::ProcessBlock block(0, 2, 8);
	ASSERT_EQ(run(block), kResultOk);
	ASSERT_EQ(effect().bufferCalls.size(), 1u);
	EXPECT_NE(effect().bufferCalls[0].in, nullptr) << "an effect may read its input buffers unchecked";
	EXPECT_EQ(effect().bufferInput, std::vector<float>(16, 0.0f));
	EXPECT_EQ(block.output(1)[7], 0.125f);
}

TEST_F(ProcessorPaths, BypassPassesInputThroughWithoutRunningTheEffect)
{
	start();
	change(kParamBypass, 1.0);
	const int64_t framesBefore = effect().frame;
	VeltraneHost::ProcessBlock block(2, 2, 8);
	for (int32 i = 0; i < 8; ++i)
		block.input(0)[i] = block.input(1)[i] = 0.1f * static_cast<float>(i);
	effect().dc = 1.0f;
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(effect().frame, framesBefore);
	for (int32 i = 0; i < 8; ++i)
		EXPECT_EQ(block.output(1)[i], block.input(1)[i]);
	EXPECT_EQ(block.outputParameterChanges().getParameterCount(), 0);

	change(kParamBypass, 0.0);
	EXPECT_GT(effect().frame, framesBefore);
}

TEST_F(ProcessorPaths, InputMarkedSilentIsStillProcessed)
{
	start();
	effect().dc = 0.25f;
	VeltraneHost::ProcessBlock block(2, 2, 8);
	block.setInputSilenceFlags(3);
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(effect().frame, 8);
	EXPECT_EQ(block.output(0)[0], 0.25f);
	EXPECT_EQ(block.outputSilenceFlags(), 0u);
}

TEST_F(ProcessorPaths, EveryChangeOfABlockIsApplied)
{
	start();
	VeltraneHost::ProcessBlock block(2, 2, 4);
	int32 index = 0;
	block.inputParameterChanges().addParameterData(PathsTestEffect::kMix, index); // a queue without points
	block.inputParameterChanges().addPoint(kParamBypass, 0, 1.0);
	block.inputParameterChanges().addPoint(PathsTestEffect::kGain, 0, 0.25);
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_TRUE(processor->bypassed);
	EXPECT_FLOAT_EQ(effect().gain, 0.25f);
}

TEST_F(ProcessorPaths, ChangesAreAppliedInAFlushCallWithoutBuffers)
{
	start();
	Steinberg::Vst::ParameterChanges changes(4, 4);
	changes.addPoint(PathsTestEffect::kGain, 0, 0.75);
	ProcessData data;
	data.numSamples = 0;
	data.inputParameterChanges = &changes;
	ASSERT_EQ(processor->process(data), kResultOk);
	EXPECT_FLOAT_EQ(effect().gain, 0.75f);
	EXPECT_EQ(effect().frame, 0);
}

// ---- buttons and MIDI parameters -----------------------------------------

TEST_F(ProcessorPaths, ButtonsCallControlChangedWhateverTheValue)
{
	start(&makeWithButtons);
	VeltraneHost::ProcessBlock block(2, 2, 4);
	block.inputParameterChanges().addPoint(ASSIGNBUTTON_1, 0, 0.0);
	block.inputParameterChanges().addPoint(ASSIGNBUTTON_2, 0, 0.5);
	block.inputParameterChanges().addPoint(ASSIGNBUTTON_3, 0, 1.0);
	ASSERT_EQ(run(block), kResultOk);
	EXPECT_EQ(effect().changedControls, (std::vector<uint32_t>{50, 51, 52}));
}

TEST_F(ProcessorPaths, PitchBendSpansTheFourteenBitRange)
{
	start();
	for (ParamValue v : {0.0, 0.5, 1.0})
		change(kParamPitchBend, v);
	const auto& bends = effect().bends;
	ASSERT_EQ(bends.size(), 3u);
	EXPECT_EQ(bends[0].value, -8192);
	EXPECT_EQ(bends[0].normalized, -1.0f);
	EXPECT_EQ(bends[1].value, 0);
	EXPECT_EQ(bends[1].normalized, 0.0f);
	EXPECT_EQ(bends[2].value, 8191);
	EXPECT_EQ(bends[2].normalized, 1.0f);
	for (const auto& bend : bends)
		EXPECT_EQ(bend.channel, 0u);
}

TEST_F(ProcessorPaths, MidiParametersBecomeControllerMessages)
{
	start();
	change(kParamSustainPedal, 0.5);
	change(kParamSustainPedal, std::nextafter(0.5, 1.0));
	change(kParamMidiVolume, 1.0);
	change(kParamMidiPan, 0.5);
	change(kParamExpression, 0.25);
	change(kParamChannelPressure, 0.5);
	change(kParamAllNotesOff, 1.0);
	EXPECT_MIDI(effect().midi, raw(0, 0, 0xB0, 64, 0), raw(4, 0, 0xB0, 64, 127), raw(8, 0, 0xB0, 7, 127),
	            raw(12, 0, 0xB0, 10, 63), raw(16, 0, 0xB0, 11, 31), raw(20, 0, 0xD0, 63, 0),
	            (MidiRecord{MidiRecord::NoteOff, 24, 0, 0, 0, 0, true}));

	change(kParamModWheel, 1.0);
	change(kParamModWheel, 0.5);
	EXPECT_EQ(effect().modWheels, (std::vector<std::array<uint32_t, 2>>{{0, 127}, {0, 63}}));
}
