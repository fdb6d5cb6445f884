#pragma once

#include "host/ClassId.h"
#include "host/ComponentHandler.h"
#include "host/ProcessBlock.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace VeltraneHost {

// One initialised plug-in, driven as a DAW drives it. Creation failures and
// failed state reads throw HostError; the pass-through calls answer the
// plug-in's tresult. The destructor stops processing, deactivates,
// disconnects, terminates and releases, in that order.
class PlugInstance
{
public:
	// Usually reached through Module::createInstance. moduleKeepAlive holds
	// the module loaded for as long as this instance lives.
	PlugInstance(Steinberg::IPluginFactory& factory, const ClassId& classId, std::shared_ptr<void> moduleKeepAlive);
	PlugInstance(PlugInstance&&) noexcept;
	PlugInstance& operator=(PlugInstance&&) noexcept;
	~PlugInstance();

	Steinberg::Vst::IComponent& component() const;
	Steinberg::Vst::IAudioProcessor& processor() const;
	Steinberg::Vst::IEditController& controller() const;
	// The component's class, which preset files name their plug-in by.
	const ClassId& classId() const;
	// True for a single-component plug-in (one object answers both).
	bool controllerIsComponent() const;
	ComponentHandler& componentHandler() const;
	// Asks the component, then the controller; empty when neither answers.
	template <class Interface>
	Steinberg::IPtr<Interface> queryInterface() const;

	Steinberg::int32 busCount(Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction) const;
	// Throws HostError when the plug-in refuses.
	Steinberg::Vst::BusInfo busInfo(Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction,
		Steinberg::int32 index) const;
	Steinberg::tresult activateBus(Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction,
		Steinberg::int32 index, bool state);
	// Every bus of every media type and direction; answers the first failure.
	Steinberg::tresult activateAllBuses(bool state = true);
	Steinberg::tresult setBusArrangements(const std::vector<Steinberg::Vst::SpeakerArrangement>& inputs,
		const std::vector<Steinberg::Vst::SpeakerArrangement>& outputs);
	// Throws HostError when the plug-in refuses.
	Steinberg::Vst::SpeakerArrangement busArrangement(Steinberg::Vst::BusDirection direction,
		Steinberg::int32 index) const;

	Steinberg::tresult setupProcessing(double sampleRate, Steinberg::int32 maxSamplesPerBlock,
		Steinberg::int32 processMode = Steinberg::Vst::kRealtime);
	Steinberg::tresult setActive(bool state);
	Steinberg::tresult setProcessing(bool state);
	bool isActive() const;
	bool isProcessing() const;
	Steinberg::uint32 latencySamples() const;
	Steinberg::uint32 tailSamples() const;

	// A block sized for the main audio buses' current channel counts.
	ProcessBlock makeBlock(Steinberg::int32 maxSamples, const BlockCapacity& capacity = {}) const;
	// kNotInitialized before setupProcessing; kInvalidArgument when the
	// block is longer than the set-up maximum (the plug-in is not called).
	Steinberg::tresult process(ProcessBlock& block);

	// Component state; throws HostError when the plug-in refuses.
	std::vector<std::uint8_t> getState() const;
	// Component state, then the same bytes to the controller's
	// setComponentState, as a DAW restoring a project does.
	Steinberg::tresult setState(const std::vector<std::uint8_t>& state);
	std::vector<std::uint8_t> getControllerState() const;
	Steinberg::tresult setControllerState(const std::vector<std::uint8_t>& state);

private:
	Steinberg::FUnknown* componentObject() const;
	Steinberg::FUnknown* controllerObject() const;

	struct Impl;
	std::unique_ptr<Impl> impl;
};

template <class Interface>
Steinberg::IPtr<Interface> PlugInstance::queryInterface() const
{
	for (Steinberg::FUnknown* object : {componentObject(), controllerObject()})
	{
		Steinberg::FUnknownPtr<Interface> found(object);
		if (found)
			return found;
	}
	return {};
}

} // namespace VeltraneHost
