#include "HostedComponent.h"

#include "public.sdk/source/common/memorystream.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/vstspeaker.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace Wrappers {

namespace {

// Room for what one host block may carry.
constexpr int32 kMaxEventsPerBlock = 1024;
constexpr int32 kMaxPointsPerParameter = 64;

} // namespace

std::unique_ptr<HostedComponent> HostedComponent::create(IPluginFactory* factory, const TUID classId,
	const char* hostName, Listener* listener)
{
	if (!factory)
		return nullptr;
	std::unique_ptr<HostedComponent> hosted(new HostedComponent);
	if (!hosted->instantiate(factory, classId, hostName, listener))
		return nullptr; // the destructor undoes what got done
	hosted->setUpBuses();
	hosted->allocate(hosted->editController->getParameterCount());
	// Set up once now, so that a flush before the first activation reaches the processor.
	hosted->setup(44100.0, 1024);
	if (IPlugView* view = hosted->editController->createView(ViewType::kEditor))
	{
		hosted->editor = true;
		view->release();
	}
	return hosted;
}

HostedComponent::~HostedComponent()
{
	if (vstComponent)
	{
		deactivate();
		if (editController)
			editController->setComponentHandler(nullptr);
		if (hostContext)
			hostContext->detach();
		if (initialized)
			vstComponent->terminate(); // the controller is the same object
	}
	mapping = nullptr;
	units = nullptr;
	editController = nullptr;
	audioProcessor = nullptr;
	vstComponent = nullptr;
	hostContext = nullptr;
	factory = nullptr;
}

bool HostedComponent::instantiate(IPluginFactory* pluginFactory, const TUID classId, const char* hostName,
	Listener* listener)
{
	factory = pluginFactory;
	IComponent* created = nullptr;
	if (factory->createInstance(classId, IComponent::iid.toTUID(), reinterpret_cast<void**>(&created)) != kResultOk ||
		!created)
		return false;
	vstComponent = owned(created);
	hostContext = owned(new Vst2::HostContext(hostName, listener));
	if (vstComponent->initialize(static_cast<IHostApplication*>(hostContext.get())) != kResultOk)
		return false;
	initialized = true;
	audioProcessor = FUnknownPtr<IAudioProcessor>(vstComponent);
	editController = FUnknownPtr<IEditController>(vstComponent);
	if (!audioProcessor || !editController)
		return false;
	units = FUnknownPtr<IUnitInfo>(vstComponent);
	mapping = FUnknownPtr<IMidiMapping>(vstComponent);
	editController->setComponentHandler(hostContext);
	return true;
}

void HostedComponent::setUpBuses()
{
	// Only the main buses take part; any others stay off.
	for (const MediaType type : {kAudio, kEvent})
		for (const BusDirection direction : {kInput, kOutput})
			for (int32 i = 0; i < vstComponent->getBusCount(type, direction); ++i)
				vstComponent->activateBus(type, direction, i, i == 0);
	eventInput = vstComponent->getBusCount(kEvent, kInput) > 0;

	const bool hasInput = vstComponent->getBusCount(kAudio, kInput) > 0;
	const bool hasOutput = vstComponent->getBusCount(kAudio, kOutput) > 0;
	SpeakerArrangement input = SpeakerArr::kStereo, output = SpeakerArr::kStereo;
	audioProcessor->setBusArrangements(&input, hasInput ? 1 : 0, &output, hasOutput ? 1 : 0);
	SpeakerArrangement arrangement = 0;
	if (hasInput && audioProcessor->getBusArrangement(kInput, 0, arrangement) == kResultOk)
		inputBus.numChannels = SpeakerArr::getChannelCount(arrangement);
	if (hasOutput && audioProcessor->getBusArrangement(kOutput, 0, arrangement) == kResultOk)
		outputBus.numChannels = SpeakerArr::getChannelCount(arrangement);
}

void HostedComponent::allocate(int32 parameterCount)
{
	parameterCount = std::max<int32>(parameterCount, 1);
	incoming = std::make_unique<ParameterChanges>(parameterCount, kMaxPointsPerParameter);
	outgoing = std::make_unique<ParameterChanges>(parameterCount, kMaxPointsPerParameter);
	eventList = std::make_unique<EventList>(kMaxEventsPerBlock);
	inputPointers.assign(static_cast<size_t>(inputBus.numChannels), nullptr);
	outputPointers.assign(static_cast<size_t>(outputBus.numChannels), nullptr);
	inputBus.channelBuffers32 = inputPointers.data();
	outputBus.channelBuffers32 = outputPointers.data();
	data.symbolicSampleSize = kSample32;
	data.inputs = &inputBus;
	data.outputs = &outputBus;
	data.inputParameterChanges = incoming.get();
	data.outputParameterChanges = outgoing.get();
	data.inputEvents = eventInput ? eventList.get() : nullptr;
}

bool HostedComponent::setup(double sampleRate, int32 maxBlock, int32 processMode)
{
	if (active)
		return false;
	ProcessSetup setup {processMode, kSample32, maxBlock, sampleRate};
	if (audioProcessor->setupProcessing(setup) != kResultOk)
		return false;
	data.processMode = processMode;
	return true;
}

bool HostedComponent::activate()
{
	if (active)
		return true;
	if (vstComponent->setActive(true) != kResultOk)
		return false;
	audioProcessor->setProcessing(true);
	active = true;
	return true;
}

void HostedComponent::deactivate()
{
	if (!active)
		return;
	audioProcessor->setProcessing(false);
	vstComponent->setActive(false);
	active = false;
	incoming->clearQueue();
	eventList->clear();
}

tresult HostedComponent::process(float* const* inputs, float* const* outputs, int32 frames)
{
	for (size_t c = 0; c < inputPointers.size(); ++c)
		inputPointers[c] = inputs[c];
	for (size_t c = 0; c < outputPointers.size(); ++c)
		outputPointers[c] = outputs[c];
	inputBus.silenceFlags = 0;
	outputBus.silenceFlags = 0;
	data.numInputs = inputBus.numChannels > 0 ? 1 : 0;
	data.numOutputs = outputBus.numChannels > 0 ? 1 : 0;
	data.inputs = &inputBus;
	data.outputs = &outputBus;
	data.numSamples = frames;
	outgoing->clearQueue();
	const tresult result = audioProcessor->process(data);
	incoming->clearQueue();
	eventList->clear();
	return result;
}

tresult HostedComponent::flush()
{
	if (incoming->getParameterCount() == 0)
		return kResultOk;
	ProcessData call {};
	call.processMode = data.processMode;
	call.symbolicSampleSize = kSample32;
	call.inputParameterChanges = incoming.get();
	outgoing->clearQueue();
	call.outputParameterChanges = outgoing.get();
	const tresult result = audioProcessor->process(call);
	incoming->clearQueue();
	return result;
}

bool HostedComponent::getState(std::vector<std::uint8_t>& bytes) const
{
	IPtr<MemoryStream> stream = owned(new MemoryStream);
	if (vstComponent->getState(stream) != kResultOk)
		return false;
	const auto* begin = reinterpret_cast<const std::uint8_t*>(stream->getData());
	bytes.assign(begin, begin + stream->getSize());
	return true;
}

bool HostedComponent::setState(const void* bytes, size_t size)
{
	if (!bytes || size == 0)
		return false;
	// The stream only reads the caller's bytes.
	IPtr<MemoryStream> stream = owned(new MemoryStream(const_cast<void*>(bytes), static_cast<TSize>(size)));
	if (vstComponent->setState(stream) != kResultOk)
		return false;
	stream->seek(0, IBStream::kIBSeekSet, nullptr);
	editController->setComponentState(stream);
	return true;
}

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
