#include "host/NoteEvents.h"
#include "host/ProcessBlock.h"
#include "host/Transport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Steinberg;
using VeltraneHost::ProcessBlock;
using VeltraneHost::Transport;

TEST(ProcessBlock, AssemblesStereoBusesOverItsOwnBuffers)
{
	ProcessBlock block(2, 2, 64);
	Vst::ProcessData& data = block.assemble(Vst::kOffline);
	EXPECT_EQ(data.processMode, Vst::kOffline);
	EXPECT_EQ(data.symbolicSampleSize, Vst::kSample32);
	EXPECT_EQ(data.numSamples, 64);
	ASSERT_EQ(data.numInputs, 1);
	ASSERT_EQ(data.numOutputs, 1);
	ASSERT_EQ(data.inputs->numChannels, 2);
	ASSERT_EQ(data.outputs->numChannels, 2);
	for (int32 channel = 0; channel < 2; ++channel)
	{
		EXPECT_EQ(data.inputs->channelBuffers32[channel], block.input(channel));
		EXPECT_EQ(data.outputs->channelBuffers32[channel], block.output(channel));
	}
	EXPECT_NE(block.input(0), block.input(1));
	EXPECT_NE(block.input(0), block.output(0));
	EXPECT_EQ(data.inputParameterChanges, &block.inputParameterChanges());
	EXPECT_EQ(data.outputParameterChanges, &block.outputParameterChanges());
	EXPECT_EQ(data.inputEvents, &block.inputEvents());
	EXPECT_EQ(data.processContext, nullptr);
}

TEST(ProcessBlock, SideWithoutChannelsHasNoBus)
{
	ProcessBlock block(0, 1, 16);
	Vst::ProcessData& data = block.assemble();
	EXPECT_EQ(data.numInputs, 0);
	EXPECT_EQ(data.inputs, nullptr);
	ASSERT_EQ(data.numOutputs, 1);
	EXPECT_EQ(data.outputs->numChannels, 1);
}

TEST(ProcessBlock, UsesCallerBuffersUntilToldOtherwise)
{
	ProcessBlock block(1, 1, 8);
	float* owned = block.input(0);
	float callers[8] = {};
	block.setInput(0, callers);
	EXPECT_EQ(block.assemble().inputs->channelBuffers32[0], callers);
	block.useOwnedBuffers();
	EXPECT_EQ(block.assemble().inputs->channelBuffers32[0], owned);
	EXPECT_THROW(block.setInput(1, callers), std::out_of_range);
}

TEST(ProcessBlock, LengthCannotExceedItsRoom)
{
	ProcessBlock block(1, 1, 32);
	block.setNumSamples(10);
	EXPECT_EQ(block.assemble().numSamples, 10);
	EXPECT_THROW(block.setNumSamples(33), std::out_of_range);
	EXPECT_THROW(block.setNumSamples(-1), std::out_of_range);
	EXPECT_EQ(block.numSamples(), 10);
}

TEST(ProcessBlock, AssembleEmptiesOutputsAndKeepsInputsUntilCleared)
{
	ProcessBlock block(2, 2, 16);
	block.inputParameterChanges().addPoint(1, 0, 0.5);
	block.outputParameterChanges().addPoint(2, 0, 0.5);
	block.inputEvents().add(VeltraneHost::noteOn(0, 0, 60, 1.0f));
	block.outputEvents().add(VeltraneHost::noteOn(0, 0, 60, 1.0f));
	block.setInputSilenceFlags(0b11);

	Vst::ProcessData& data = block.assemble();
	data.outputs->silenceFlags = 0b01;	// as a plug-in would
	EXPECT_EQ(block.outputSilenceFlags(), 0b01u);
	block.assemble();
	EXPECT_EQ(data.outputParameterChanges->getParameterCount(), 0);
	EXPECT_EQ(data.outputEvents->getEventCount(), 0);
	EXPECT_EQ(data.outputs->silenceFlags, 0u);
	EXPECT_EQ(data.inputParameterChanges->getParameterCount(), 1);
	EXPECT_EQ(data.inputEvents->getEventCount(), 1);
	EXPECT_EQ(data.inputs->silenceFlags, 0b11u);

	block.clearInputs();
	block.assemble();
	EXPECT_EQ(data.inputParameterChanges->getParameterCount(), 0);
	EXPECT_EQ(data.inputEvents->getEventCount(), 0);
	EXPECT_EQ(data.inputs->silenceFlags, 0u);
}

TEST(Transport, ReportsMusicalPositionOfTheSamplePosition)
{
	Transport transport;	// 120 bpm at 48 kHz: a quarter note is 24000 samples
	transport.advance(10 * 24000 + 12000);
	Vst::ProcessContext context = transport.context();
	EXPECT_DOUBLE_EQ(context.projectTimeMusic, 10.5);
	EXPECT_DOUBLE_EQ(context.barPositionMusic, 8.0);
	EXPECT_EQ(context.projectTimeSamples, 252000);
	const uint32 needed = Vst::ProcessContext::kTempoValid | Vst::ProcessContext::kTimeSigValid
		| Vst::ProcessContext::kProjectTimeMusicValid | Vst::ProcessContext::kBarPositionValid
		| Vst::ProcessContext::kPlaying;
	EXPECT_EQ(context.state & needed, needed);

	transport.timeSigNumerator = 6;
	transport.timeSigDenominator = 8;	// a bar of three quarter notes
	transport.playing = false;
	context = transport.context();
	EXPECT_DOUBLE_EQ(context.barPositionMusic, 9.0);
	EXPECT_EQ(context.timeSigNumerator, 6);
	EXPECT_EQ(context.state & Vst::ProcessContext::kPlaying, 0u);
}
