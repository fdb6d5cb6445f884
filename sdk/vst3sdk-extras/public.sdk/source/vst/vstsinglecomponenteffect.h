// One object that is both the audio component and its edit controller, for
// plug-ins that do not need the two halves to live apart.
//
// State: do not override getState/setState (they are final). Override
//   loadComponentState/saveComponentState  for IComponent::setState/getState
//   loadControllerState/saveControllerState for IEditController::setState/getState
// and IEditController::setComponentState as usual; every hook answers
// kNotImplemented until overridden (see vststatefaces.h).
#pragma once

#include "public.sdk/source/vst/vststatefaces.h"
#include "public.sdk/source/vst/vstbus.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

namespace Steinberg {
namespace Vst {

class SingleComponentEffect : public ControllerStateFace, public ComponentStateFace, public IAudioProcessor
{
public:
	SingleComponentEffect();

	//---from IPluginBase (both the component's and the controller's)
	tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;
	tresult PLUGIN_API terminate() SMTG_OVERRIDE;

	//---from IComponent
	tresult PLUGIN_API getControllerClassId(TUID classId) SMTG_OVERRIDE;
	tresult PLUGIN_API setIoMode(IoMode mode) SMTG_OVERRIDE;
	int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) SMTG_OVERRIDE;
	tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& info) SMTG_OVERRIDE;
	tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) SMTG_OVERRIDE;
	tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) SMTG_OVERRIDE;
	tresult PLUGIN_API setActive(TBool state) SMTG_OVERRIDE;

	//---from IAudioProcessor
	tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
		SpeakerArrangement* outputs, int32 numOuts) SMTG_OVERRIDE;
	tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) SMTG_OVERRIDE;
	tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) SMTG_OVERRIDE;
	uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE;
	tresult PLUGIN_API setupProcessing(ProcessSetup& setup) SMTG_OVERRIDE;
	tresult PLUGIN_API setProcessing(TBool state) SMTG_OVERRIDE;
	tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;
	uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE;

	//---Bus helpers: the effect owns the returned bus
	AudioBus* addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
		int32 flags = BusInfo::kDefaultActive);
	AudioBus* addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
		int32 flags = BusInfo::kDefaultActive);
	EventBus* addEventInput(const TChar* name, int32 channels = 16, BusType busType = kMain,
		int32 flags = BusInfo::kDefaultActive);
	EventBus* addEventOutput(const TChar* name, int32 channels = 16, BusType busType = kMain,
		int32 flags = BusInfo::kDefaultActive);
	tresult removeAudioBusses();
	tresult removeEventBusses();

	//---Interface
	OBJ_METHODS(SingleComponentEffect, EditControllerEx1)
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
	REFCOUNT_METHODS(EditControllerEx1)

protected:
	BusList* getBusList(MediaType type, BusDirection dir);
	tresult removeAllBusses();

	ProcessSetup processSetup;
	BusList audioInputs;
	BusList audioOutputs;
	BusList eventInputs;
	BusList eventOutputs;
};

} // namespace Vst
} // namespace Steinberg
