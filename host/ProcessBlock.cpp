#include "host/ProcessBlock.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace VeltraneHost {

using namespace Steinberg;

namespace {

std::vector<std::vector<float>> makeChannels(int32 channels, int32 samples)
{
	return std::vector<std::vector<float>>(static_cast<size_t>(std::max(channels, 0)),
		std::vector<float>(static_cast<size_t>(samples), 0.0f));
}

} // namespace

ProcessBlock::ProcessBlock(int32 inputChannels, int32 outputChannels, int32 maxSamples, const BlockCapacity& capacity)
: sampleCapacity(std::max(maxSamples, 0))
, sampleCount(sampleCapacity)
, ownedInputs(makeChannels(inputChannels, sampleCapacity))
, ownedOutputs(makeChannels(outputChannels, sampleCapacity))
, inputPointers(ownedInputs.size())
, outputPointers(ownedOutputs.size())
, inputChanges(capacity.parameters, capacity.pointsPerParameter)
, outputChanges(capacity.parameters, capacity.pointsPerParameter)
, inputEventList(capacity.events)
, outputEventList(capacity.events)
{
	useOwnedBuffers();
}

void ProcessBlock::useOwnedBuffers()
{
	for (size_t channel = 0; channel < ownedInputs.size(); ++channel)
		inputPointers[channel] = ownedInputs[channel].data();
	for (size_t channel = 0; channel < ownedOutputs.size(); ++channel)
		outputPointers[channel] = ownedOutputs[channel].data();
}

void ProcessBlock::setNumSamples(int32 numSamples)
{
	if (numSamples < 0 || numSamples > sampleCapacity)
		throw std::out_of_range("block of " + std::to_string(numSamples) + " samples, room for "
			+ std::to_string(sampleCapacity));
	sampleCount = numSamples;
}

void ProcessBlock::setContext(const Vst::ProcessContext& context)
{
	processContext = context;
	hasContext = true;
}

void ProcessBlock::clearInputs()
{
	inputChanges.clearQueue();
	inputEventList.clear();
	inputBus.silenceFlags = 0;
}

Vst::ProcessData& ProcessBlock::assemble(int32 processMode)
{
	outputChanges.clearQueue();
	outputEventList.clear();

	inputBus.numChannels = inputChannelCount();
	inputBus.channelBuffers32 = inputPointers.data();
	outputBus.numChannels = outputChannelCount();
	outputBus.channelBuffers32 = outputPointers.data();
	outputBus.silenceFlags = 0;

	data = Vst::ProcessData();
	data.processMode = processMode;
	data.symbolicSampleSize = Vst::kSample32;
	data.numSamples = sampleCount;
	data.numInputs = inputBus.numChannels > 0 ? 1 : 0;
	data.numOutputs = outputBus.numChannels > 0 ? 1 : 0;
	data.inputs = data.numInputs ? &inputBus : nullptr;
	data.outputs = data.numOutputs ? &outputBus : nullptr;
	data.inputParameterChanges = &inputChanges;
	data.outputParameterChanges = &outputChanges;
	data.inputEvents = &inputEventList;
	data.outputEvents = &outputEventList;
	data.processContext = hasContext ? &processContext : nullptr;
	return data;
}

} // namespace VeltraneHost
