// The one class the module offers: audio processor and edit controller in a
// single object, adapting the host-independent effect to VST 3.
#pragma once

#include "ControllerChanges.h"
#include "ProcessorIds.h"
#include "VSTMidiEventList.h"
#include "VSTParamUpdateQueue.h"

#include "PlugIn.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/vstsinglecomponenteffect.h"
#include "vstgui/plugin-bindings/vst3editor.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class ViewAttributeReader;

class Processor : public SingleComponentEffect,
                  public IMidiMapping,
                  public IProcessContextRequirements,
                  public VSTGUI::VST3EditorDelegate
{
public:
	// Makes the effect in initialize; the module's own is the stereo delay,
	// tests hand in effects that exercise the other paths.
	using EffectFactory = CPlugIn* (*)();

	explicit Processor(EffectFactory makeEffect = nullptr);
	~Processor() override;

	static FUnknown* createInstance(void* context);

	//---FObject
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
	REFCOUNT_METHODS(SingleComponentEffect)
	OBJ_METHODS(Processor, SingleComponentEffect)
	tresult receiveText(const char8* text) SMTG_OVERRIDE;
	tresult setProgramName(ProgramListID listId, int32 programIndex, const String128 name) SMTG_OVERRIDE;

	//---IPluginBase
	tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;
	tresult PLUGIN_API terminate() SMTG_OVERRIDE;

	//---IEditController
	tresult PLUGIN_API setComponentState(IBStream* state) SMTG_OVERRIDE;
	tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) SMTG_OVERRIDE;
	tresult PLUGIN_API getParamStringByValue(ParamID tag, ParamValue valueNormalized, String128 string) SMTG_OVERRIDE;
	tresult PLUGIN_API getParamValueByString(ParamID tag, TChar* string, ParamValue& valueNormalized) SMTG_OVERRIDE;
	ParamValue PLUGIN_API normalizedParamToPlain(ParamID tag, ParamValue valueNormalized) SMTG_OVERRIDE;
	ParamValue PLUGIN_API plainParamToNormalized(ParamID tag, ParamValue plainValue) SMTG_OVERRIDE;
	tresult PLUGIN_API setParamNormalized(ParamID tag, ParamValue value) SMTG_OVERRIDE;
	IPlugView* PLUGIN_API createView(FIDString name) SMTG_OVERRIDE;

	//---IUnitInfo
	tresult PLUGIN_API getUnitInfo(int32 unitIndex, UnitInfo& info) SMTG_OVERRIDE;
	int32 PLUGIN_API getProgramListCount() SMTG_OVERRIDE;
	tresult PLUGIN_API getProgramListInfo(int32 listIndex, ProgramListInfo& info) SMTG_OVERRIDE;
	tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) SMTG_OVERRIDE;
	tresult PLUGIN_API getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
	                                  String128 attributeValue) SMTG_OVERRIDE;

	//---IComponent
	tresult PLUGIN_API setActive(TBool state) SMTG_OVERRIDE;

	//---IAudioProcessor
	tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
	                                      int32 numOuts) SMTG_OVERRIDE;
	tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) SMTG_OVERRIDE;
	uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE;
	tresult PLUGIN_API setupProcessing(ProcessSetup& newSetup) SMTG_OVERRIDE;
	tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;
	uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE;

	//---IProcessContextRequirements
	uint32 PLUGIN_API getProcessContextRequirements() SMTG_OVERRIDE;

	//---IMidiMapping
	tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel, CtrlNumber midiControllerNumber,
	                                               ParamID& id) SMTG_OVERRIDE;

	//---VST3EditorDelegate
	VSTGUI::CView* createCustomView(VSTGUI::UTF8StringPtr name, const VSTGUI::UIAttributes& attributes,
	                                const VSTGUI::IUIDescription* description, VSTGUI::VST3Editor* editor) override;
	VSTGUI::IController* createSubController(VSTGUI::UTF8StringPtr name, const VSTGUI::IUIDescription* description,
	                                         VSTGUI::VST3Editor* editor) override;
	void didOpen(VSTGUI::VST3Editor* editor) override;
	void willClose(VSTGUI::VST3Editor* editor) override;

	// The k-th label of a comma-separated enumeration list, or nothing past the end.
	static std::optional<std::string> enumLabelAt(const char* list, int32 k);

	std::unique_ptr<CPlugIn> effect;
	int32 latencySamples = 0;
	bool auxInputWanted = false;
	bool sampleAccurate = false;
	int32 queueGranularity = 1;
	std::unique_ptr<std::unique_ptr<CVSTParamUpdateQueue>[]> paramQueues;
	std::unique_ptr<CVSTMidiEventList> midiEvents;
	std::vector<int32> meterParamIds;
	bool bypassed = false;
	bool unitsViewsEnabled = true;
	EditorMessage guiMessage;

protected:
	//---IComponent state (the controller face keeps no state of its own)
	tresult loadComponentState(IBStream* state) SMTG_OVERRIDE;
	tresult saveComponentState(IBStream* state) SMTG_OVERRIDE;

private:
	// initialize
	void addControlParameter(int32 index, const ControlDescriptor& control);
	void addExtraParameters();
	void addUnits(int32 presetCount);

	// process
	void detachParamQueues();
	void applyParameterChanges(IParameterChanges* changes, int32 numSamples);
	void applyControlChange(uint32 index, ParamValue value, IParamValueQueue* queue, int32 numSamples);
	void applyExtraParameterChange(ParamID id, ParamValue value);
	void processWholeBuffers(ProcessData& data, int32 channels);
	void processFrames(ProcessData& data, int32 channels, struct HostTimeInfo& hostTime, bool hasHostTime);
	void fillSideChain(ProcessData& data, int32 frame, float* frameSamples, SideChainInfo& sideChain);
	bool sideChainAvailable(const ProcessData& data);
	void reportMeters(ProcessData& data, bool wholeBuffers);

	// editor: the opened (0) and closing (1) messages share their fields
	void sendEditorLifecycle(int32_t code);
	// A custom view of a name the factory does not build itself (code 3).
	VSTGUI::CView* askEffectForView(const std::string& viewName, const ViewAttributeReader& read);

	// state and presets
	tresult setParamFromPlain(ParamID tag, ParamValue plain);
	void notifyEditorParam(ParamID tag, ParamValue value);
	void applyFactoryPreset(); // the slot the program-change parameter now selects
	void syncLinkedControls();

	EffectFactory makeEffect;
	// The first block after activation starts a session: its parameter values
	// are where the effect starts, not moves to glide through.
	bool landChangesAtOnce = false;
	// Input for an output-only effect that takes whole blocks.
	std::vector<float> silentInput;
	float* silentChannels[2] = {nullptr, nullptr};
	// Controller-side changes to the effect, handed to the audio thread.
	ControllerChanges controllerChanges;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
