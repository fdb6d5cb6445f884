// Resume and suspend, MIDI input and the audio path. Everything called from
// processReplacing and effProcessEvents works in preallocated memory.
#include "vst2wrapper.h"

#include "vst2midiinput.h"

#include "pluginterfaces/vst/ivstmidicontrollers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

// The host's time fields are doubles that may hold anything; casting NaN or a
// huge value to an integer is undefined. Bounded well inside int64, so that
// adding a block offset cannot overflow either.
int64 sampleCount(double value)
{
	constexpr double limit = 4611686018427387904.0; // 2^62
	if (!(value == value))
		return 0;
	return static_cast<int64>(std::fmax(-limit, std::fmin(value, limit)));
}

} // namespace

void Vst2Wrapper::resume()
{
	if (active)
		return;
	processMode = callHost(audioMasterGetCurrentProcessLevel) == kVstProcessLevelOffline ? kOffline : kRealtime;
	ProcessSetup setup {processMode, kSample32, blockSize, sampleRate};
	if (processor->setupProcessing(setup) != kResultOk)
		return; // stays suspended: processReplacing answers silence
	processData.processMode = processMode;
	processBlockSize = blockSize;
	scratchOutputs.assign(static_cast<size_t>(outputChannels), std::vector<float>(static_cast<size_t>(blockSize)));
	component->setActive(true);
	processor->setProcessing(true);
	active = true;
	record.effect.initialDelay = static_cast<VstInt32>(std::min<uint32>(processor->getLatencySamples(), 0x7FFFFFFF));
	processing.store(true);
}

void Vst2Wrapper::suspend()
{
	if (!active)
		return;
	processing.store(false);
	processor->setProcessing(false);
	component->setActive(false);
	active = false;
	incomingEvents->clear();
	incomingChanges->clearQueue();
}

void Vst2Wrapper::flushParameterChanges()
{
	// Only while no process call can run: the processor takes the values in
	// a call without audio, as VST 3 allows for exactly this purpose.
	blockChanges->clearQueue();
	slots->takeForProcessor([this](int32 index, float value) {
		blockChanges->addPoint(parameterIds[static_cast<size_t>(index)], 0, exactValue(index, value));
	});
	if (blockChanges->getParameterCount() == 0)
		return;
	ProcessData flush {};
	flush.processMode = processMode;
	flush.symbolicSampleSize = kSample32;
	flush.inputParameterChanges = blockChanges.get();
	processor->process(flush);
	blockChanges->clearQueue();
}

VstIntPtr Vst2Wrapper::processEvents(const VstEvents* events)
{
	if (!events)
		return 0;
	for (int i = 0; i < events->numEvents; ++i)
	{
		const VstEvent* event = events->events[i];
		if (!event || event->type != kVstMidiType)
			continue;
		const Vst2::MidiInput input = Vst2::translateMidi(*reinterpret_cast<const VstMidiEvent*>(event));
		if (input.kind == Vst2::MidiInput::Kind::event && hasEventInput)
			incomingEvents->add(input.event);
		else if (input.kind == Vst2::MidiInput::Kind::controller)
		{
			const ParamID id = midiControllerIds[static_cast<size_t>(input.channel * kCountCtrlNumber + input.controller)];
			const int32 index = id == kNoParamId ? -1 : indexOf(id);
			if (index < 0)
				continue;
			incomingChanges->addPoint(id, input.sampleOffset, input.value);
			// The controller learns the value later, outside the audio thread.
			slots->post(index, static_cast<float>(input.value), false, true);
		}
	}
	return 1;
}

void Vst2Wrapper::processBlocks(float** inputs, float** outputs, VstInt32 frames, bool accumulate)
{
	if (frames <= 0)
		return;
	if (!processing.load(std::memory_order_acquire))
	{
		if (!accumulate && outputs)
			for (int32 c = 0; c < outputChannels; ++c)
				std::memset(outputs[c], 0, sizeof(float) * static_cast<size_t>(frames));
		incomingEvents->clear();
		incomingChanges->clearQueue();
		return;
	}
	processData.processContext = readHostTime() ? &blockTime : nullptr;

	// Hosts may exceed the block size they announced: process in pieces.
	const int32 pieceLength = processBlockSize;
	for (int32 start = 0; start < frames; start += pieceLength)
	{
		const int32 length = std::min(pieceLength, frames - start);
		for (int32 c = 0; c < inputChannels; ++c)
			inputPointers[static_cast<size_t>(c)] = inputs[c] + start;
		for (int32 c = 0; c < outputChannels; ++c)
			outputPointers[static_cast<size_t>(c)] =
				accumulate ? scratchOutputs[static_cast<size_t>(c)].data() : outputs[c] + start;
		processBlock(start, length);
		if (accumulate)
			for (int32 c = 0; c < outputChannels; ++c)
				for (int32 i = 0; i < length; ++i)
					outputs[c][start + i] += scratchOutputs[static_cast<size_t>(c)][static_cast<size_t>(i)];
	}
	incomingEvents->clear();
	incomingChanges->clearQueue();
}

void Vst2Wrapper::processBlock(int32 start, int32 length)
{
	blockEvents->clear();
	blockEvents->copyRange(*incomingEvents, start, length);
	blockChanges->clearQueue();
	blockChanges->copyRange(*incomingChanges, start, length);
	if (start == 0)
		slots->takeForProcessor([this](int32 index, float value) {
			blockChanges->addPoint(parameterIds[static_cast<size_t>(index)], 0, exactValue(index, value));
		});
	outputChanges->clearQueue();
	inputBus.silenceFlags = 0;
	outputBus.silenceFlags = 0;

	if (processData.processContext)
	{
		blockTime = hostTime;
		blockTime.projectTimeSamples += start;
		blockTime.continousTimeSamples += start;
		if ((blockTime.state & ProcessContext::kProjectTimeMusicValid) && (blockTime.state & ProcessContext::kTempoValid))
			blockTime.projectTimeMusic += start / sampleRate * blockTime.tempo / 60.0;
	}
	processData.numSamples = length;
	processor->process(processData);
	takeOutputValues();
}

bool Vst2Wrapper::readHostTime()
{
	constexpr VstIntPtr wanted =
		kVstNanosValid | kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstCyclePosValid | kVstTimeSigValid;
	const auto* time = reinterpret_cast<const VstTimeInfo*>(callHost(audioMasterGetTime, 0, wanted));
	if (!time)
		return false;
	ProcessContext& context = hostTime;
	context = ProcessContext {};
	context.sampleRate = time->sampleRate > 0 ? time->sampleRate : sampleRate;
	context.projectTimeSamples = sampleCount(time->samplePos);
	context.continousTimeSamples = context.projectTimeSamples;
	context.state = ProcessContext::kContTimeValid;
	if (time->flags & kVstTransportPlaying)
		context.state |= ProcessContext::kPlaying;
	if (time->flags & kVstTransportCycleActive)
		context.state |= ProcessContext::kCycleActive;
	if (time->flags & kVstTransportRecording)
		context.state |= ProcessContext::kRecording;
	if (time->flags & kVstNanosValid)
	{
		context.systemTime = sampleCount(time->nanoSeconds);
		context.state |= ProcessContext::kSystemTimeValid;
	}
	if (time->flags & kVstPpqPosValid)
	{
		context.projectTimeMusic = time->ppqPos;
		context.state |= ProcessContext::kProjectTimeMusicValid;
	}
	if (time->flags & kVstTempoValid)
	{
		context.tempo = time->tempo;
		context.state |= ProcessContext::kTempoValid;
	}
	if (time->flags & kVstBarsValid)
	{
		context.barPositionMusic = time->barStartPos;
		context.state |= ProcessContext::kBarPositionValid;
	}
	if (time->flags & kVstCyclePosValid)
	{
		context.cycleStartMusic = time->cycleStartPos;
		context.cycleEndMusic = time->cycleEndPos;
		context.state |= ProcessContext::kCycleValid;
	}
	if (time->flags & kVstTimeSigValid)
	{
		context.timeSigNumerator = time->timeSigNumerator;
		context.timeSigDenominator = time->timeSigDenominator;
		context.state |= ProcessContext::kTimeSigValid;
	}
	return true;
}

void Vst2Wrapper::takeOutputValues()
{
	// Values the plug-in reports (meters): what getParameter answers.
	for (int32 q = 0; q < outputChanges->getParameterCount(); ++q)
	{
		IParamValueQueue* queue = outputChanges->getParameterData(q);
		const int32 points = queue->getPointCount();
		int32 offset = 0;
		ParamValue value = 0;
		const int32 index = indexOf(queue->getParameterId());
		if (index >= 0 && points > 0 && queue->getPoint(points - 1, offset, value) == kResultOk)
			slots->show(index, static_cast<float>(value));
	}
}

} // namespace Vst
} // namespace Steinberg
