#include "public.sdk/source/vst/vstsinglecomponenteffect.h"

#include <cstring>

namespace Steinberg {
namespace Vst {

SingleComponentEffect::SingleComponentEffect()
: audioInputs(kAudio, kInput)
, audioOutputs(kAudio, kOutput)
, eventInputs(kEvent, kInput)
, eventOutputs(kEvent, kOutput)
{
	// What a host that never calls setupProcessing would be assumed to run.
	processSetup.processMode = kRealtime;
	processSetup.symbolicSampleSize = kSample32;
	processSetup.maxSamplesPerBlock = 1024;
	processSetup.sampleRate = 44100.0;
}

tresult PLUGIN_API SingleComponentEffect::initialize(FUnknown* context)
{
	return EditControllerEx1::initialize(context);
}

tresult PLUGIN_API SingleComponentEffect::terminate()
{
	parameters.removeAll();
	removeAllBusses();
	return EditControllerEx1::terminate();
}

namespace {

// The list owns the new bus; the caller gets it to adjust.
template <class NewBus>
NewBus* adopt(BusList& list, NewBus* bus)
{
	list.push_back(IPtr<Bus>(bus, false));
	return bus;
}

} // namespace

AudioBus* SingleComponentEffect::addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType, int32 flags)
{
	return adopt(audioInputs, new AudioBus(name, busType, flags, arr));
}

AudioBus* SingleComponentEffect::addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType, int32 flags)
{
	return adopt(audioOutputs, new AudioBus(name, busType, flags, arr));
}

EventBus* SingleComponentEffect::addEventInput(const TChar* name, int32 channels, BusType busType, int32 flags)
{
	return adopt(eventInputs, new EventBus(name, busType, flags, channels));
}

EventBus* SingleComponentEffect::addEventOutput(const TChar* name, int32 channels, BusType busType, int32 flags)
{
	return adopt(eventOutputs, new EventBus(name, busType, flags, channels));
}

tresult SingleComponentEffect::removeAudioBusses()
{
	audioInputs.clear();
	audioOutputs.clear();
	return kResultOk;
}

tresult SingleComponentEffect::removeEventBusses()
{
	eventInputs.clear();
	eventOutputs.clear();
	return kResultOk;
}

tresult SingleComponentEffect::removeAllBusses()
{
	removeAudioBusses();
	removeEventBusses();
	return kResultOk;
}

BusList* SingleComponentEffect::getBusList(MediaType type, BusDirection dir)
{
	if (type == kAudio)
		return dir == kInput ? &audioInputs : &audioOutputs;
	if (type == kEvent)
		return dir == kInput ? &eventInputs : &eventOutputs;
	return nullptr;
}

tresult PLUGIN_API SingleComponentEffect::getControllerClassId(TUID /*classId*/)
{
	// The controller is this object: there is no separate class to create.
	return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::setIoMode(IoMode /*mode*/)
{
	return kNotImplemented;
}

int32 PLUGIN_API SingleComponentEffect::getBusCount(MediaType type, BusDirection dir)
{
	BusList* busList = getBusList(type, dir);
	return busList ? static_cast<int32>(busList->size()) : 0;
}

tresult PLUGIN_API SingleComponentEffect::getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& info)
{
	BusList* busList = getBusList(type, dir);
	if (!busList || index < 0 || index >= static_cast<int32>(busList->size()))
		return kInvalidArgument;
	info.mediaType = type;
	info.direction = dir;
	return busList->at(index)->getInfo(info) ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::getRoutingInfo(RoutingInfo& /*inInfo*/, RoutingInfo& /*outInfo*/)
{
	return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::activateBus(MediaType type, BusDirection dir, int32 index, TBool state)
{
	BusList* busList = getBusList(type, dir);
	if (!busList || index < 0 || index >= static_cast<int32>(busList->size()))
		return kInvalidArgument;
	busList->at(index)->setActive(state);
	return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::setActive(TBool /*state*/)
{
	return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
	SpeakerArrangement* outputs, int32 numOuts)
{
	if (numIns < 0 || numOuts < 0)
		return kInvalidArgument;
	if (numIns > static_cast<int32>(audioInputs.size()) || numOuts > static_cast<int32>(audioOutputs.size()))
		return kResultFalse;
	if ((numIns > 0 && !inputs) || (numOuts > 0 && !outputs))
		return kInvalidArgument;

	for (int32 index = 0; index < numIns; ++index)
		if (auto* audioBus = FCast<AudioBus>(audioInputs[index].get()))
			audioBus->setArrangement(inputs[index]);
	for (int32 index = 0; index < numOuts; ++index)
		if (auto* audioBus = FCast<AudioBus>(audioOutputs[index].get()))
			audioBus->setArrangement(outputs[index]);
	return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
	BusList* busList = getBusList(kAudio, dir);
	if (!busList || index < 0 || index >= static_cast<int32>(busList->size()))
		return kInvalidArgument;
	auto* audioBus = FCast<AudioBus>(busList->at(index).get());
	if (!audioBus)
		return kResultFalse;
	arr = audioBus->getArrangement();
	return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::canProcessSampleSize(int32 symbolicSampleSize)
{
	return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API SingleComponentEffect::getLatencySamples()
{
	return 0;
}

tresult PLUGIN_API SingleComponentEffect::setupProcessing(ProcessSetup& setup)
{
	processSetup = setup;
	return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setProcessing(TBool /*state*/)
{
	return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::process(ProcessData& /*data*/)
{
	return kNotImplemented;
}

uint32 PLUGIN_API SingleComponentEffect::getTailSamples()
{
	return kNoTail;
}

tresult PLUGIN_API SingleComponentEffect::queryInterface(const TUID iid, void** obj)
{
	// Component and controller are one object, so there is no peer to connect
	// to; a host that finds no IConnectionPoint does not try.
	if (std::memcmp(iid, IConnectionPoint::iid, sizeof(TUID)) == 0)
		return kNoInterface;
	QUERY_INTERFACE(iid, obj, IComponent::iid, IComponent)
	QUERY_INTERFACE(iid, obj, IAudioProcessor::iid, IAudioProcessor)
	return EditControllerEx1::queryInterface(iid, obj);
}

} // namespace Vst
} // namespace Steinberg
