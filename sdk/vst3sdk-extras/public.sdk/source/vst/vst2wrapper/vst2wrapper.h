// Offers one VST 3 single-component class (one object that is component,
// audio processor and edit controller) to VST 2 hosts as an AEffect.
//
// Choices the VST 2 face makes:
// - Parameters: every parameter the controller lists, in its order; VST 2
//   index i is the controller's parameter i. Values are the normalized VST 3
//   values; those of stepped parameters are snapped to their steps.
// - Programs: the list of the unit that owns the parameter flagged
//   kIsProgramChange (IUnitInfo), or that parameter's steps without one.
//   Selecting a program sets that parameter through the controller.
// - Chunks: exactly the component state bytes (IComponent::getState); the
//   preset/bank distinction of effGetChunk/effSetChunk is ignored.
// - Audio: 32-bit processReplacing only, on the main stereo buses; host
//   blocks longer than the announced block size are processed in pieces.
// - Editor: the controller's "editor" view, embedded in the host's X11
//   window; effEditIdle drives its events and timers (vst2wrappereditor.cpp).
//
// Threads: the dispatcher runs on the host's user-interface thread, except
// effProcessEvents, which comes from the audio thread like processReplacing;
// setParameter may come from either. Controller calls are serialized by a
// lock that the dispatcher takes and setParameter only tries, so the audio
// thread never waits: a value it cannot hand over at once is handed to the
// controller on the next occasion. Nothing on the audio path allocates.
#pragma once

#include "vst2editorframe.h"
#include "vst2hostcontext.h"
#include "vst2interface.h"
#include "vst2parameterslots.h"

#include "public.sdk/source/vst/hosting/eventlist.h"
#include "public.sdk/source/vst/hosting/parameterchanges.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace Steinberg {
namespace Vst {

class Vst2Wrapper final : private Vst2::HostContext::Listener
{
public:
	// The AEffect of a new instance of the class vst3ComponentID, or null when
	// the class is missing or will not initialize. Takes its own reference on
	// the factory for the instance's lifetime. effClose deletes the instance.
	static AEffect* create(IPluginFactory* factory, const TUID vst3ComponentID, VstInt32 vst2ID,
		audioMasterCallback audioMaster);

	Vst2Wrapper(const Vst2Wrapper&) = delete;
	Vst2Wrapper& operator=(const Vst2Wrapper&) = delete;
	~Vst2Wrapper();

private:
	struct EffectRecord
	{
		AEffect effect;
		char reserved[Vst2::kEffectReservedBytes];
	};

	Vst2Wrapper(audioMasterCallback audioMaster, VstInt32 vst2ID);

	// The AEffect's entry points.
	static Vst2Wrapper* fromEffect(AEffect* effect);
	static VstIntPtr dispatcherProc(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
		float opt);
	static void setParameterProc(AEffect* effect, VstInt32 index, float value);
	static float getParameterProc(AEffect* effect, VstInt32 index);
	static void processReplacingProc(AEffect* effect, float** inputs, float** outputs, VstInt32 frames);
	static void processAccumulatingProc(AEffect* effect, float** inputs, float** outputs, VstInt32 frames);

	// create (vst2wrapper.cpp)
	bool open(IPluginFactory* pluginFactory, const TUID classId);
	bool readClass(const TUID classId);
	bool instantiate(const TUID classId);
	void setUpBuses();
	void readParameters();
	void findPrograms();
	void readMidiMapping();
	void allocateProcessData();
	void fillEffect();
	VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
		float opt = 0.0f);

	// dispatcher (vst2wrapperdispatch.cpp)
	VstIntPtr dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
	VstIntPtr dispatchLocked(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
	VstIntPtr canDo(const char* feature) const;
	VstIntPtr tailSize() const;

	// parameters, programs, state (vst2wrapperparameters.cpp)
	bool validIndex(VstInt32 index) const { return index >= 0 && index < static_cast<VstInt32>(parameterIds.size()); }
	int32 indexOf(ParamID id) const;
	ParamValue exactValue(int32 index, ParamValue value) const;
	void setParameter(VstInt32 index, float value);
	float getParameter(VstInt32 index) const;
	void setFromHost(int32 index, ParamValue value);
	void deliverToController();
	void refreshValues();
	VstIntPtr parameterText(VstInt32 opcode, VstInt32 index, char* text);
	VstIntPtr stringToParameter(VstInt32 index, const char* text);
	VstIntPtr canBeAutomated(VstInt32 index);
	int32 currentProgram();
	bool programName(int32 program, char* text);
	void setProgram(int32 program);
	VstIntPtr getChunk(void** data);
	VstIntPtr setChunk(const void* data, VstIntPtr size);

	// HostContext::Listener (vst2wrapperparameters.cpp)
	void onBeginEdit(ParamID id) override;
	void onPerformEdit(ParamID id, ParamValue valueNormalized) override;
	void onEndEdit(ParamID id) override;
	void onRestartComponent(int32 flags) override;

	// processing (vst2wrapperprocess.cpp)
	void resume();
	void suspend();
	void flushParameterChanges();
	VstIntPtr processEvents(const VstEvents* events);
	void processBlocks(float** inputs, float** outputs, VstInt32 frames, bool accumulate);
	void processBlock(int32 start, int32 length);
	bool readHostTime();
	void takeOutputValues();

	// editor (vst2wrappereditor.cpp)
	VstIntPtr dispatchEditor(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
	bool editorRect(ERect** rect);
	bool openEditor(void* parentWindow);
	void closeEditor();
	bool createEditorView();

	EffectRecord record {};
	audioMasterCallback audioMaster;

	IPtr<IPluginFactory> factory;
	IPtr<Vst2::HostContext> hostContext;
	IPtr<IComponent> component;
	IPtr<IAudioProcessor> processor;
	IPtr<IEditController> controller;
	IPtr<IUnitInfo> unitInfo;
	IPtr<IMidiMapping> midiMapping;
	bool initialized = false;

	std::string effectName;
	std::string vendorName;
	int32 vendorVersion = 0;
	bool isSynth = false;
	bool hasEditor = false;
	bool hasEventInput = false;
	int32 inputChannels = 0;
	int32 outputChannels = 0;

	std::vector<ParamID> parameterIds;             // by VST 2 index
	std::vector<int32> stepCounts;                 // by VST 2 index
	std::vector<std::pair<ParamID, int32>> indexById; // sorted by id
	std::unique_ptr<Vst2::ParameterSlots> slots;
	int32 programIndex = -1;
	int32 programStepCount = 0;
	ProgramListID programListId = kNoProgramListId;
	int32 programCount = 0;
	int32 bypassIndex = -1;
	std::vector<ParamID> midiControllerIds;        // [channel * kCountCtrlNumber + controller]

	// Held by the dispatcher, tried by setParameter; recursive because the
	// plug-in and the host may call back into the wrapper while it is held.
	std::recursive_mutex controllerMutex;

	double sampleRate = 44100.0;
	int32 blockSize = 1024;
	int32 processBlockSize = 1024; // the block size the processor was resumed with
	int32 processMode = kRealtime;
	bool active = false;
	std::atomic<bool> processing {false};

	std::vector<float*> inputPointers;
	std::vector<float*> outputPointers;
	std::vector<std::vector<float>> scratchOutputs; // for the accumulating process call
	AudioBusBuffers inputBus {};
	AudioBusBuffers outputBus {};
	ProcessData processData {};
	ProcessContext hostTime {};
	ProcessContext blockTime {};
	std::unique_ptr<EventList> incomingEvents;
	std::unique_ptr<EventList> blockEvents;
	std::unique_ptr<ParameterChanges> incomingChanges;
	std::unique_ptr<ParameterChanges> blockChanges;
	std::unique_ptr<ParameterChanges> outputChanges;

	std::vector<char> chunk; // what effGetChunk last handed out

	IPtr<IPlugView> editorView;          // from effEditGetRect or effEditOpen until effEditClose
	IPtr<Vst2::EditorFrame> editorFrame; // its IPlugFrame and run loop while open
	ERect editorBounds {};               // what effEditGetRect hands out
};

} // namespace Vst
} // namespace Steinberg
