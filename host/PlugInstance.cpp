#include "host/PlugInstance.h"

#include "host/HostError.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "pluginterfaces/vst/ivstmessage.h"

#include <functional>
#include <utility>

namespace VeltraneHost {

using namespace Steinberg;

namespace {

std::vector<std::uint8_t> captureState(const char* what, const std::function<tresult(IBStream*)>& write)
{
	MemoryStream stream;
	const tresult result = write(&stream);
	if (result != kResultOk)
		throw HostError(std::string("the plug-in refused to write its ") + what + " (result " + std::to_string(result) + ")");
	const auto* bytes = reinterpret_cast<const std::uint8_t*>(stream.getData());
	return std::vector<std::uint8_t>(bytes, bytes + stream.getSize());
}

} // namespace

struct PlugInstance::Impl
{
	// Declared first so the module unloads only after everything below is gone.
	std::shared_ptr<void> module;
	Vst::HostApplication hostContext;
	ComponentHandler handler;
	ClassId classId{};
	IPtr<Vst::IComponent> component;
	IPtr<Vst::IAudioProcessor> processor;
	IPtr<Vst::IEditController> controller;
	IPtr<Vst::IConnectionPoint> componentConnection;
	IPtr<Vst::IConnectionPoint> controllerConnection;
	bool controllerIsComponent = false;
	bool componentInitialized = false;
	bool controllerInitialized = false;
	bool active = false;
	bool processing = false;
	bool setUp = false;
	Vst::ProcessSetup setup{};

	explicit Impl(std::shared_ptr<void> module) : module(std::move(module)) {}
	Impl(const Impl&) = delete;
	Impl& operator=(const Impl&) = delete;

	~Impl()
	{
		if (processing)
			processor->setProcessing(false);
		if (active)
			component->setActive(false);
		if (componentConnection && controllerConnection)
		{
			componentConnection->disconnect(controllerConnection);
			controllerConnection->disconnect(componentConnection);
		}
		componentConnection.reset();
		controllerConnection.reset();
		if (controllerInitialized)
			controller->terminate();
		if (componentInitialized)
			component->terminate();
		controller.reset();
		processor.reset();
		component.reset();
	}

	void createComponent(IPluginFactory& factory, const ClassId& classId)
	{
		this->classId = classId;
		void* object = nullptr;
		if (factory.createInstance(classId.data(), Vst::IComponent::iid, &object) != kResultOk || !object)
			throw HostError("the factory cannot create an IComponent of class " + toString(classId));
		component = IPtr<Vst::IComponent>(static_cast<Vst::IComponent*>(object), false);
		// A component that fails initialize is released without terminate.
		if (component->initialize(&hostContext) != kResultOk)
			throw HostError("initialize failed for the component of class " + toString(classId));
		componentInitialized = true;
		processor = FUnknownPtr<Vst::IAudioProcessor>(component);
		if (!processor)
			throw HostError("the component of class " + toString(classId) + " answers no IAudioProcessor");
	}

	void findController(IPluginFactory& factory)
	{
		controller = FUnknownPtr<Vst::IEditController>(component);
		if (controller)
		{
			controllerIsComponent = true;
			return;
		}
		TUID controllerId{};
		if (component->getControllerClassId(controllerId) != kResultOk)
			throw HostError("the component answers no IEditController and names no controller class");
		void* object = nullptr;
		if (factory.createInstance(controllerId, Vst::IEditController::iid, &object) != kResultOk || !object)
			throw HostError("the factory cannot create the controller class " + toString(toClassId(controllerId)));
		controller = IPtr<Vst::IEditController>(static_cast<Vst::IEditController*>(object), false);
		if (controller->initialize(&hostContext) != kResultOk)
			throw HostError("initialize failed for the controller class " + toString(toClassId(controllerId)));
		controllerInitialized = true;

		FUnknownPtr<Vst::IConnectionPoint> componentPoint(component);
		FUnknownPtr<Vst::IConnectionPoint> controllerPoint(controller);
		if (componentPoint && controllerPoint)
		{
			componentConnection = componentPoint;
			controllerConnection = controllerPoint;
			componentPoint->connect(controllerPoint);
			controllerPoint->connect(componentPoint);
		}
		// A separate controller learns the component's state as in a DAW.
		std::vector<std::uint8_t> state =
			captureState("component state", [this](IBStream* stream) { return component->getState(stream); });
		MemoryStream stream(state.data(), static_cast<TSize>(state.size()));
		controller->setComponentState(&stream);
	}
};

PlugInstance::PlugInstance(IPluginFactory& factory, const ClassId& classId, std::shared_ptr<void> moduleKeepAlive)
: impl(std::make_unique<Impl>(std::move(moduleKeepAlive)))
{
	// On a throw, ~Impl undoes whatever steps completed.
	impl->createComponent(factory, classId);
	impl->findController(factory);
	impl->controller->setComponentHandler(&impl->handler);
}

PlugInstance::PlugInstance(PlugInstance&&) noexcept = default;
PlugInstance& PlugInstance::operator=(PlugInstance&&) noexcept = default;
PlugInstance::~PlugInstance() = default;

Vst::IComponent& PlugInstance::component() const
{
	return *impl->component;
}

Vst::IAudioProcessor& PlugInstance::processor() const
{
	return *impl->processor;
}

Vst::IEditController& PlugInstance::controller() const
{
	return *impl->controller;
}

const ClassId& PlugInstance::classId() const
{
	return impl->classId;
}

bool PlugInstance::controllerIsComponent() const
{
	return impl->controllerIsComponent;
}

ComponentHandler& PlugInstance::componentHandler() const
{
	return impl->handler;
}

FUnknown* PlugInstance::componentObject() const
{
	return impl->component.get();
}

FUnknown* PlugInstance::controllerObject() const
{
	return impl->controller.get();
}

int32 PlugInstance::busCount(Vst::MediaType type, Vst::BusDirection direction) const
{
	return impl->component->getBusCount(type, direction);
}

Vst::BusInfo PlugInstance::busInfo(Vst::MediaType type, Vst::BusDirection direction, int32 index) const
{
	Vst::BusInfo info{};
	if (impl->component->getBusInfo(type, direction, index, info) != kResultOk)
		throw HostError("the plug-in gives no information on bus " + std::to_string(index));
	return info;
}

tresult PlugInstance::activateBus(Vst::MediaType type, Vst::BusDirection direction, int32 index, bool state)
{
	return impl->component->activateBus(type, direction, index, state);
}

tresult PlugInstance::activateAllBuses(bool state)
{
	for (Vst::MediaType type : {Vst::kAudio, Vst::kEvent})
	{
		for (Vst::BusDirection direction : {Vst::kInput, Vst::kOutput})
		{
			const int32 count = busCount(type, direction);
			for (int32 index = 0; index < count; ++index)
			{
				const tresult result = activateBus(type, direction, index, state);
				if (result != kResultOk)
					return result;
			}
		}
	}
	return kResultOk;
}

tresult PlugInstance::setBusArrangements(const std::vector<Vst::SpeakerArrangement>& inputs,
	const std::vector<Vst::SpeakerArrangement>& outputs)
{
	// The SDK call takes non-const arrays.
	std::vector<Vst::SpeakerArrangement> in = inputs;
	std::vector<Vst::SpeakerArrangement> out = outputs;
	return impl->processor->setBusArrangements(in.data(), static_cast<int32>(in.size()), out.data(),
		static_cast<int32>(out.size()));
}

Vst::SpeakerArrangement PlugInstance::busArrangement(Vst::BusDirection direction, int32 index) const
{
	Vst::SpeakerArrangement arrangement = 0;
	if (impl->processor->getBusArrangement(direction, index, arrangement) != kResultOk)
		throw HostError("the plug-in gives no arrangement for bus " + std::to_string(index));
	return arrangement;
}

tresult PlugInstance::setupProcessing(double sampleRate, int32 maxSamplesPerBlock, int32 processMode)
{
	Vst::ProcessSetup setup{processMode, Vst::kSample32, maxSamplesPerBlock, sampleRate};
	const tresult result = impl->processor->setupProcessing(setup);
	if (result == kResultOk)
	{
		impl->setup = setup;
		impl->setUp = true;
	}
	return result;
}

tresult PlugInstance::setActive(bool state)
{
	const tresult result = impl->component->setActive(state);
	if (result == kResultOk)
		impl->active = state;
	return result;
}

tresult PlugInstance::setProcessing(bool state)
{
	// Many plug-ins answer kNotImplemented here and process anyway, so the
	// teardown must send setProcessing(false) whatever was answered.
	impl->processing = state;
	return impl->processor->setProcessing(state);
}

bool PlugInstance::isActive() const
{
	return impl->active;
}

bool PlugInstance::isProcessing() const
{
	return impl->processing;
}

uint32 PlugInstance::latencySamples() const
{
	return impl->processor->getLatencySamples();
}

uint32 PlugInstance::tailSamples() const
{
	return impl->processor->getTailSamples();
}

ProcessBlock PlugInstance::makeBlock(int32 maxSamples, const BlockCapacity& capacity) const
{
	const auto mainChannels = [this](Vst::BusDirection direction) {
		return busCount(Vst::kAudio, direction) > 0 ? busInfo(Vst::kAudio, direction, 0).channelCount : 0;
	};
	return ProcessBlock(mainChannels(Vst::kInput), mainChannels(Vst::kOutput), maxSamples, capacity);
}

tresult PlugInstance::process(ProcessBlock& block)
{
	if (!impl->setUp)
		return kNotInitialized;
	if (block.numSamples() > impl->setup.maxSamplesPerBlock)
		return kInvalidArgument;
	return impl->processor->process(block.assemble(impl->setup.processMode));
}

std::vector<std::uint8_t> PlugInstance::getState() const
{
	return captureState("component state", [this](IBStream* stream) { return impl->component->getState(stream); });
}

tresult PlugInstance::setState(const std::vector<std::uint8_t>& state)
{
	// MemoryStream reads from the caller's memory but wants it non-const.
	std::vector<std::uint8_t> bytes = state;
	MemoryStream stream(bytes.data(), static_cast<TSize>(bytes.size()));
	const tresult result = impl->component->setState(&stream);
	if (result != kResultOk)
		return result;
	stream.seek(0, IBStream::kIBSeekSet, nullptr);
	return impl->controller->setComponentState(&stream);
}

std::vector<std::uint8_t> PlugInstance::getControllerState() const
{
	return captureState("controller state", [this](IBStream* stream) { return impl->controller->getState(stream); });
}

tresult PlugInstance::setControllerState(const std::vector<std::uint8_t>& state)
{
	std::vector<std::uint8_t> bytes = state;
	MemoryStream stream(bytes.data(), static_cast<TSize>(bytes.size()));
	return impl->controller->setState(&stream);
}

} // namespace VeltraneHost
