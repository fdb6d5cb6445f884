#pragma once

#include "public.sdk/source/vst/hosting/eventlist.h"
#include "public.sdk/source/vst/hosting/parameterchanges.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <vector>

namespace VeltraneHost {

// Preallocated room for what the host passes to or takes from one process call.
struct BlockCapacity
{
	Steinberg::int32 parameters = 128;
	Steinberg::int32 pointsPerParameter = 64;
	Steinberg::int32 events = 512;
};

// Everything one process call needs: one main audio bus per side (0 channels
// = no bus on that side), parameter changes in and out, events in and out
// and an optional process context. Audio is 32-bit float, in buffers the
// block owns or in the caller's. Nothing here allocates after construction.
//
// Inputs (audio, parameter changes, events, silence flags) persist until
// the caller changes or clears them; outputs are emptied by every assemble().
class ProcessBlock
{
public:
	ProcessBlock(Steinberg::int32 inputChannels, Steinberg::int32 outputChannels, Steinberg::int32 maxSamples,
		const BlockCapacity& capacity = {});
	ProcessBlock(const ProcessBlock&) = delete;
	ProcessBlock& operator=(const ProcessBlock&) = delete;

	Steinberg::int32 inputChannelCount() const { return static_cast<Steinberg::int32>(inputPointers.size()); }
	Steinberg::int32 outputChannelCount() const { return static_cast<Steinberg::int32>(outputPointers.size()); }
	Steinberg::int32 maxSamples() const { return sampleCapacity; }

	// The samples the plug-in will read or write for a channel.
	float* input(Steinberg::int32 channel) { return inputPointers.at(static_cast<size_t>(channel)); }
	float* output(Steinberg::int32 channel) { return outputPointers.at(static_cast<size_t>(channel)); }
	// Point a channel at the caller's buffer (at least numSamples long).
	void setInput(Steinberg::int32 channel, float* samples) { inputPointers.at(static_cast<size_t>(channel)) = samples; }
	void setOutput(Steinberg::int32 channel, float* samples) { outputPointers.at(static_cast<size_t>(channel)) = samples; }
	// Back to the block's own buffers for every channel.
	void useOwnedBuffers();

	// Throws std::out_of_range beyond maxSamples(). Starts at maxSamples().
	void setNumSamples(Steinberg::int32 numSamples);
	Steinberg::int32 numSamples() const { return sampleCount; }

	// Bit n set: input channel n is all zeros.
	void setInputSilenceFlags(Steinberg::uint64 flags) { inputBus.silenceFlags = flags; }
	Steinberg::uint64 outputSilenceFlags() const { return outputBus.silenceFlags; }

	Steinberg::Vst::ParameterChanges& inputParameterChanges() { return inputChanges; }
	Steinberg::Vst::ParameterChanges& outputParameterChanges() { return outputChanges; }
	Steinberg::Vst::EventList& inputEvents() { return inputEventList; }
	Steinberg::Vst::EventList& outputEvents() { return outputEventList; }

	void setContext(const Steinberg::Vst::ProcessContext& context);
	void clearContext() { hasContext = false; }

	// Empties the inputs for the next block: parameter changes, events and
	// silence flags. Audio pointers and the context stay.
	void clearInputs();

	// The ProcessData for the current state, outputs emptied. Its pointers
	// stay valid while this block lives and is not reconfigured.
	Steinberg::Vst::ProcessData& assemble(Steinberg::int32 processMode = Steinberg::Vst::kRealtime);

private:
	Steinberg::int32 sampleCapacity;
	Steinberg::int32 sampleCount;
	std::vector<std::vector<float>> ownedInputs;
	std::vector<std::vector<float>> ownedOutputs;
	std::vector<float*> inputPointers;
	std::vector<float*> outputPointers;
	Steinberg::Vst::AudioBusBuffers inputBus;
	Steinberg::Vst::AudioBusBuffers outputBus;
	Steinberg::Vst::ParameterChanges inputChanges;
	Steinberg::Vst::ParameterChanges outputChanges;
	Steinberg::Vst::EventList inputEventList;
	Steinberg::Vst::EventList outputEventList;
	Steinberg::Vst::ProcessContext processContext{};
	bool hasContext = false;
	Steinberg::Vst::ProcessData data;
};

} // namespace VeltraneHost
