// The audio face: setup, bus arrangements and the processing cycle.
#include "FastMath.h"
#include "Processor.h"

#include "NumericLimits.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// Beyond any real audio interface; a two-second line at such rates would not fit in memory.
constexpr double kMaxSampleRate = 1536000.0;

uint8 midiValue(ParamValue v)
{
	return static_cast<uint8>(std::min<uint32_t>(saturatingUint32(v * 127.0), 127));
}

void fillHostTime(HostTimeInfo& time, const ProcessContext& context, int32_t sampleRate)
{
	time = HostTimeInfo{};
	time.samplePosition = static_cast<uint32>(context.projectTimeSamples);
	time.seconds = static_cast<double>(time.samplePosition) * (1.0 / sampleRate);
	time.tempoBpm = context.tempo;
	time.timeSigNumerator = static_cast<float>(context.timeSigNumerator);
	time.timeSigDenominator = static_cast<uint32_t>(context.timeSigDenominator);
}

bool channelIsSilent(const float* samples, int32 count)
{
	for (int32 i = 0; i < count; ++i)
		if (samples[i] != 0.0f)
			return false;
	return true;
}

} // namespace

// Exactly the context fields fillHostTime reads; the project time in samples
// is always valid and needs no flag.
uint32 PLUGIN_API Processor::getProcessContextRequirements()
{
	return IProcessContextRequirements::kNeedTempo | IProcessContextRequirements::kNeedTimeSignature;
}

tresult PLUGIN_API Processor::setupProcessing(ProcessSetup& newSetup)
{
	// A rate the effect cannot run at is refused and changes nothing.
	if (!(newSetup.sampleRate >= 1.0 && newSetup.sampleRate <= kMaxSampleRate))
		return kResultFalse;
	if (newSetup.symbolicSampleSize != kSample32)
		return kResultFalse;
	if (effect)
	{
		effect->m_sampleRate = static_cast<int32_t>(newSetup.sampleRate);
		effect->prepareToProcess();
		if (effect->m_outputOnly && effect->m_wholeBuffers)
		{
			// An output-only effect reads silence where its input would be.
			const size_t frames = static_cast<size_t>(std::max(newSetup.maxSamplesPerBlock, 0));
			silentInput.assign(2 * frames, 0.0f);
			silentChannels[0] = silentInput.data();
			silentChannels[1] = silentInput.data() + frames;
		}
	}
	return SingleComponentEffect::setupProcessing(newSetup);
}

tresult PLUGIN_API Processor::setActive(TBool state)
{
	if (effect)
	{
		if (state)
		{
			// Before any setup the stored rate is 0; the effect keeps its own then.
			if (processSetup.sampleRate >= 1.0)
				effect->m_sampleRate = static_cast<int32_t>(processSetup.sampleRate);
			effect->prepareToProcess();
			landChangesAtOnce = true;
		}
		controllerChanges.setActive(state, bypassed);
	}
	return kResultOk;
}

tresult PLUGIN_API Processor::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                 SpeakerArrangement* outputs, int32 numOuts)
{
	if (!effect)
		return kResultFalse;
	if (effect->m_outputOnly)
	{
		if (numIns != 0 || numOuts != 1 || !outputs || outputs[0] != SpeakerArr::kStereo)
			return kResultFalse;
	}
	else
	{
		// The effect processes one or two channels; a wider bus would leave
		// channels unwritten, so hosts are asked to fall back to stereo.
		if (numIns != 1 || numOuts != 1 || !inputs || !outputs || inputs[0] != outputs[0])
			return kResultFalse;
		const int32 channels = SpeakerArr::getChannelCount(outputs[0]);
		if (channels < 1 || channels > 2)
			return kResultFalse;
	}
	return SingleComponentEffect::setBusArrangements(inputs, numIns, outputs, numOuts);
}

tresult PLUGIN_API Processor::canProcessSampleSize(int32 symbolicSampleSize)
{
	return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API Processor::getLatencySamples()
{
	return static_cast<uint32>(latencySamples);
}

uint32 PLUGIN_API Processor::getTailSamples()
{
	if (!effect)
		return 0;
	if (effect->m_infiniteTail == 1)
		return kInfiniteTail;
	return saturatingUint32(static_cast<double>(effect->m_tailMs * 0.001f) * processSetup.sampleRate);
}

tresult PLUGIN_API Processor::process(ProcessData& data)
{
	if (!effect)
		return kResultFalse;

	SpeakerArrangement arrangement = 0;
	getBusArrangement(kOutput, 0, arrangement);
	int32 channels = SpeakerArr::getChannelCount(arrangement);

	// Changes come first, even in a flush call without buffers.
	controllerChanges.applyPending(bypassed);
	if (sampleAccurate)
		detachParamQueues(); // a queue primed in an earlier block must never be read again
	if (data.inputParameterChanges)
		applyParameterChanges(data.inputParameterChanges, data.numSamples);

	const bool hasInput = data.inputs && data.numInputs > 0;
	if (!data.outputs || data.numOutputs == 0 || (!hasInput && !effect->m_outputOnly) || data.numSamples <= 0)
	{
		controllerChanges.publish(bypassed);
		return kResultOk;
	}
	landChangesAtOnce = false;
	AudioBusBuffers& output = data.outputs[0];
	channels = std::min(channels, output.numChannels);
	if (hasInput)
		channels = std::min(channels, data.inputs[0].numChannels);
	if (channels < 1)
	{
		controllerChanges.publish(bypassed);
		return kResultOk; // no channel to read or write
	}

	HostTimeInfo hostTime;
	const bool hasHostTime = data.processContext != nullptr;
	if (hasHostTime)
	{
		fillHostTime(hostTime, *data.processContext, effect->m_sampleRate);
		HostMessageInfo message;
		message.hostTime = &hostTime;
		message.entryCount = -1;
		effect->hostMessage(kHostTime, message);
	}

	if (bypassed && !effect->m_outputOnly)
	{
		for (int32 k = 0; k < channels; ++k)
			if (data.inputs[0].channelBuffers32[k] != output.channelBuffers32[k])
				std::memcpy(output.channelBuffers32[k], data.inputs[0].channelBuffers32[k],
				            sizeof(float) * static_cast<size_t>(data.numSamples));
	}
	else
	{
		if (midiEvents)
			midiEvents->bind(data.inputEvents);
		if (effect->m_wholeBuffers)
			processWholeBuffers(data, channels);
		else
			processFrames(data, channels, hostTime, hasHostTime);
		reportMeters(data, effect->m_wholeBuffers);
	}

	// The echoes ring on after the input falls silent, so silence is reported
	// for an output channel only when it really is silent.
	output.silenceFlags = 0;
	for (int32 k = 0; k < channels && k < 64; ++k)
		if (channelIsSilent(output.channelBuffers32[k], data.numSamples))
			output.silenceFlags |= uint64(1) << k;

	controllerChanges.publish(bypassed);
	return kResultOk;
}

void Processor::detachParamQueues()
{
	for (uint32_t i = 0; i < effect->m_controlCount; ++i)
		if (ControlDescriptor* control = effect->m_controlArray[i])
			control->paramQueue = nullptr;
}

void Processor::applyParameterChanges(IParameterChanges* changes, int32 numSamples)
{
	const int32 count = changes->getParameterCount();
	for (int32 k = 0; k < count; ++k)
	{
		IParamValueQueue* queue = changes->getParameterData(k);
		if (!queue || queue->getPointCount() <= 0)
			continue;
		int32 offset = 0;
		ParamValue value = 0;
		// A value that is not a number would poison a smoother for good;
		// one outside 0..1 would drive a control past its range.
		if (queue->getPoint(queue->getPointCount() - 1, offset, value) != kResultOk || std::isnan(value))
			continue;
		value = std::fmin(std::fmax(value, 0.0), 1.0);
		const ParamID id = queue->getParameterId();
		if (id < effect->m_controlCount && effect->m_controlArray[id])
			applyControlChange(id, value, queue, numSamples);
		else
			applyExtraParameterChange(id, value);
	}
}

void Processor::applyControlChange(uint32 index, ParamValue v, IParamValueQueue* queue, int32 numSamples)
{
	ControlDescriptor& control = *effect->m_controlArray[index];
	// The host's value follows the parameter's taper; the effect takes a linear one.
	float linear;
	if (control.logTaper)
		linear = static_cast<float>(std::log10(9.0 * static_cast<double>(static_cast<float>(v)) + 1.0));
	else if (control.voltOctaveTaper && control.valueType != kEnumValue)
	{
		const float minimum = control.minimum, maximum = control.maximum;
		linear = (minimum * fastPow2(static_cast<float>(v) * fastLog2(maximum / minimum)) - minimum) / (maximum - minimum);
	}
	else if (control.voltOctaveTaper)
		linear = static_cast<float>(*control.enumVar);
	else
		linear = static_cast<float>(v);

	if (sampleAccurate)
	{
		paramQueues[index]->prime(queue, numSamples);
		control.paramQueue = paramQueues[index].get();
	}
	effect->setNormalized(index, linear, landChangesAtOnce);
}

void Processor::applyExtraParameterChange(ParamID id, ParamValue v)
{
	switch (id)
	{
		case ASSIGNBUTTON_1:
		case ASSIGNBUTTON_2:
		case ASSIGNBUTTON_3:
			effect->controlChanged(50 + (id - ASSIGNBUTTON_1));
			break;
		case JOYSTICK_X:
			effect->setJoystickX(static_cast<float>(v * 2 - 1), true);
			break;
		case JOYSTICK_Y:
			effect->setJoystickY(static_cast<float>(v * 2 - 1), true);
			break;
		case kParamBypass:
			bypassed = v != 0;
			break;
		case kParamPitchBend:
		{
			const double bend = v * 2 - 1;
			const int32 value = bend == -1.0 ? -8192 : saturatingInt32(bend * 8191);
			effect->pitchBend(0, value, static_cast<float>(bend));
			break;
		}
		case kParamModWheel:
			effect->modWheel(0, std::min<uint32_t>(saturatingUint32(static_cast<float>(v) * 127.0f), 127));
			break;
		case kParamMidiVolume:
			effect->rawMidi(0, 0xB0, 7, midiValue(v));
			break;
		case kParamMidiPan:
			effect->rawMidi(0, 0xB0, 10, midiValue(v));
			break;
		case kParamExpression:
			effect->rawMidi(0, 0xB0, 11, midiValue(v));
			break;
		case kParamSustainPedal:
			effect->rawMidi(0, 0xB0, 64, v > 0.5 ? 127 : 0);
			break;
		case kParamChannelPressure:
			effect->rawMidi(0, 0xD0, midiValue(v), 0);
			break;
		case kParamAllNotesOff:
			effect->noteOff(0, 0, 0, true);
			break;
		default:
			break; // the program change is acted on by the controller, not here
	}
}

bool Processor::sideChainAvailable(const ProcessData& data)
{
	if (!auxInputWanted || data.numInputs < 2)
		return false;
	BusList* inputs = getBusList(kAudio, kInput);
	if (!inputs || inputs->size() < 2)
		return false;
	Bus* bus = inputs->at(1);
	return bus && bus->isActive();
}

void Processor::processWholeBuffers(ProcessData& data, int32 channels)
{
	if (sideChainAvailable(data))
	{
		SideChainInfo sideChain;
		sideChain.channelBuffers = data.inputs[1].channelBuffers32;
		sideChain.channelCount = static_cast<uint32_t>(data.inputs[1].numChannels);
		sideChain.valid = true;
		effect->processSideChain(sideChain);
	}
	float* const* outputs = data.outputs[0].channelBuffers32;
	float* const* inputs = data.inputs && data.numInputs > 0 ? data.inputs[0].channelBuffers32 : silentChannels;
	if (inputs == silentChannels && static_cast<size_t>(data.numSamples) > silentInput.size() / 2)
	{
		// More samples than the host announced: no silent input to offer.
		for (int32 k = 0; k < channels; ++k)
			std::memset(outputs[k], 0, sizeof(float) * static_cast<size_t>(data.numSamples));
		return;
	}
	effect->processChannelBuffers(inputs, outputs, static_cast<uint32_t>(channels), data.numSamples);
}

void Processor::processFrames(ProcessData& data, int32 channels, HostTimeInfo& hostTime, bool hasHostTime)
{
	IEventList* events = data.inputEvents;
	Event pending{};
	int32 nextEvent = 0;
	bool hasPending = events && events->getEventCount() > 0 && events->getEvent(nextEvent++, pending) == kResultOk;

	const bool withSideChain = sideChainAvailable(data);
	const bool readsInput = !effect->m_outputOnly && data.inputs && data.numInputs > 0;
	HostMessageInfo timeMessage;
	timeMessage.hostTime = hasHostTime ? &hostTime : nullptr;
	timeMessage.entryCount = -1;
	const double secondsPerSample = 1.0 / effect->m_sampleRate;
	float* const* in = readsInput ? data.inputs[0].channelBuffers32 : nullptr;
	float* const* out = data.outputs[0].channelBuffers32;
	const uint32_t frameChannels = static_cast<uint32_t>(channels);

	for (int32 i = 0; i < data.numSamples; ++i)
	{
		if (withSideChain)
		{
			float sideFrame[2] = {};
			SideChainInfo sideChain;
			fillSideChain(data, i, sideFrame, sideChain);
			effect->processSideChain(sideChain);
		}
		while (hasPending && pending.sampleOffset == i)
		{
			CVSTMidiEventList::deliver(effect.get(), pending);
			hasPending = events->getEvent(nextEvent++, pending) == kResultOk;
		}

		float frameIn[2] = {}, frameOut[2] = {};
		if (in)
		{
			frameIn[0] = in[0][i];
			if (channels == 2)
				frameIn[1] = in[1][i];
		}
		effect->processFrame(frameIn, frameOut, frameChannels, frameChannels);
		out[0][i] = frameOut[0];
		if (channels == 2)
			out[1][i] = frameOut[1];

		if (hasHostTime)
		{
			hostTime.samplePosition += 1;
			hostTime.seconds = static_cast<double>(hostTime.samplePosition) * secondsPerSample;
			effect->hostMessage(kHostTime, timeMessage);
		}
	}
}

void Processor::fillSideChain(ProcessData& data, int32 frame, float* frameSamples, SideChainInfo& sideChain)
{
	const AudioBusBuffers& bus = data.inputs[1];
	if (bus.numChannels > 0)
		frameSamples[0] = bus.channelBuffers32[0][frame];
	if (bus.numChannels == 2)
		frameSamples[1] = bus.channelBuffers32[1][frame];
	sideChain.frame = frameSamples;
	sideChain.channelCount = static_cast<uint32_t>(bus.numChannels);
	sideChain.valid = true;
}

void Processor::reportMeters(ProcessData& data, bool wholeBuffers)
{
	if (!data.outputParameterChanges)
		return;
	for (size_t m = 0; m < meterParamIds.size(); ++m)
	{
		const int32 id = meterParamIds[m];
		const ControlDescriptor* control =
		    static_cast<uint32_t>(id) < effect->m_controlCount ? effect->m_controlArray[id] : nullptr;
		if (!control)
			continue;
		int32 queueIndex = 0;
		IParamValueQueue* queue = data.outputParameterChanges->addParameterData(static_cast<ParamID>(id), queueIndex);
		if (!queue || !control->meterVar)
			continue;
		int32 pointIndex = 0;
		queue->addPoint(static_cast<int32>(m), wholeBuffers ? 0.0 : *control->meterVar, pointIndex);
	}
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
