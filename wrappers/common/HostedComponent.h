// One VST 3 single-component class (component, audio processor and edit
// controller in one object) hosted in-process by a format wrapper: created
// from the module's own factory, initialized with a host context whose
// component-handler calls reach a listener, on its main stereo buses, with
// process data allocated once so that a process call allocates nothing.
#pragma once

#include "public.sdk/source/vst/hosting/eventlist.h"
#include "public.sdk/source/vst/hosting/parameterchanges.h"
#include "public.sdk/source/vst/vst2wrapper/vst2hostcontext.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Wrappers {

class HostedComponent
{
public:
	using Listener = Vst2::HostContext::Listener;

	// Null when the factory lacks the class, it will not initialize, or it
	// is not a single-component class. The listener outlives the instance.
	static std::unique_ptr<HostedComponent> create(IPluginFactory* factory, const TUID classId, const char* hostName,
		Listener* listener);
	~HostedComponent();
	HostedComponent(const HostedComponent&) = delete;
	HostedComponent& operator=(const HostedComponent&) = delete;

	IEditController& controller() const { return *editController; }
	IAudioProcessor& processor() const { return *audioProcessor; }
	IComponent& component() const { return *vstComponent; }
	IUnitInfo* unitInfo() const { return units; }
	IMidiMapping* midiMapping() const { return mapping; }

	int32 inputChannels() const { return inputBus.numChannels; }
	int32 outputChannels() const { return outputBus.numChannels; }
	bool hasEventInput() const { return eventInput; }
	bool hasEditor() const { return editor; }

	// Main thread, while inactive. setup: false when the processor refuses.
	bool setup(double sampleRate, int32 maxBlock, int32 processMode = kRealtime);
	bool activate();
	void deactivate();
	bool isActive() const { return active; }

	// What the next process call passes; the caller fills them on the audio
	// thread (room: maxEvents events, maxPoints points for each parameter).
	ParameterChanges& inputChanges() { return *incoming; }
	ParameterChanges& outputChanges() { return *outgoing; }
	EventList& events() { return *eventList; }
	// Null context: the host gave no transport.
	void setContext(const ProcessContext* context) { data.processContext = const_cast<ProcessContext*>(context); }

	// Runs one block over the caller's channel pointers (at least
	// inputChannels()/outputChannels() of them), then empties the inputs.
	tresult process(float* const* inputs, float* const* outputs, int32 frames);
	// A call without audio, for parameter changes alone (VST 3's flush).
	tresult flush();

	// The component state stream, exact bytes; main thread.
	bool getState(std::vector<std::uint8_t>& bytes) const;
	// Component first, then the controller, as a VST 3 host restores a project.
	bool setState(const void* bytes, size_t size);

private:
	HostedComponent() = default;
	bool instantiate(IPluginFactory* factory, const TUID classId, const char* hostName, Listener* listener);
	void setUpBuses();
	void allocate(int32 parameterCount);

	IPtr<IPluginFactory> factory;
	IPtr<Vst2::HostContext> hostContext;
	IPtr<IComponent> vstComponent;
	IPtr<IAudioProcessor> audioProcessor;
	IPtr<IEditController> editController;
	IPtr<IUnitInfo> units;
	IPtr<IMidiMapping> mapping;
	bool initialized = false;
	bool eventInput = false;
	bool editor = false;
	bool active = false;

	std::vector<float*> inputPointers;
	std::vector<float*> outputPointers;
	AudioBusBuffers inputBus {};
	AudioBusBuffers outputBus {};
	ProcessData data {};
	std::unique_ptr<ParameterChanges> incoming;
	std::unique_ptr<ParameterChanges> outgoing;
	std::unique_ptr<EventList> eventList;
};

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
