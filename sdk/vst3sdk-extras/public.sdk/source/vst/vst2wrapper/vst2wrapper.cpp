// Creation and teardown of the VST 2 face, and the AEffect's entry points.
#include "vst2wrapper.h"

#include "vst2version.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"

#include <algorithm>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

// Room for what one host block may carry.
constexpr int32 kMaxEventsPerBlock = 1024;
constexpr int32 kMaxPointsPerParameter = 64;

// What the wrapped plug-in reads from IHostApplication::getName when the
// VST 2 host does not name itself.
constexpr const char* kDefaultHostName = "VST 2 host";

} // namespace

AEffect* Vst2Wrapper::create(IPluginFactory* factory, const TUID vst3ComponentID, VstInt32 vst2ID,
	audioMasterCallback audioMaster)
{
	if (!factory || !audioMaster)
		return nullptr;
	std::unique_ptr<Vst2Wrapper> wrapper(new Vst2Wrapper(audioMaster, vst2ID));
	if (!wrapper->open(factory, vst3ComponentID))
		return nullptr; // the destructor undoes what open got done
	return &wrapper.release()->record.effect;
}

Vst2Wrapper::Vst2Wrapper(audioMasterCallback audioMaster, VstInt32 vst2ID) : audioMaster(audioMaster)
{
	record.effect.magic = kEffectMagic;
	record.effect.object = this;
	record.effect.uniqueID = vst2ID;
}

Vst2Wrapper::~Vst2Wrapper()
{
	if (component)
	{
		std::lock_guard<std::recursive_mutex> lock(controllerMutex);
		closeEditor(); // a host that forgot effEditClose
		suspend();
		if (controller)
			controller->setComponentHandler(nullptr);
		if (hostContext)
			hostContext->detach();
		if (initialized)
			component->terminate(); // the controller is the same object
	}
	midiMapping = nullptr;
	unitInfo = nullptr;
	controller = nullptr;
	processor = nullptr;
	component = nullptr;
	hostContext = nullptr;
	factory = nullptr;
}

bool Vst2Wrapper::open(IPluginFactory* pluginFactory, const TUID classId)
{
	factory = pluginFactory; // IPtr: a reference of our own
	if (!readClass(classId) || !instantiate(classId))
		return false;
	setUpBuses();
	readParameters();
	findPrograms();
	readMidiMapping();
	allocateProcessData();

	// A VST 3 host may call setupProcessing while inactive; doing it now
	// lets parameter changes reach the processor before the first resume.
	ProcessSetup setup {processMode, kSample32, blockSize, sampleRate};
	processor->setupProcessing(setup);

	if (IPlugView* view = controller->createView(ViewType::kEditor))
	{
		hasEditor = true;
		view->release();
	}
	fillEffect();
	return true;
}

bool Vst2Wrapper::readClass(const TUID classId)
{
	PFactoryInfo factoryInfo;
	if (factory->getFactoryInfo(&factoryInfo) == kResultOk)
		vendorName = factoryInfo.vendor;

	FUnknownPtr<IPluginFactory2> factory2(factory);
	const int32 count = factory->countClasses();
	for (int32 i = 0; i < count; ++i)
	{
		PClassInfo info;
		if (factory->getClassInfo(i, &info) != kResultOk || !FUnknownPrivate::iidEqual(info.cid, classId))
			continue;
		effectName.assign(info.name, strnlen(info.name, sizeof(info.name)));
		PClassInfo2 info2;
		if (factory2 && factory2->getClassInfo2(i, &info2) == kResultOk)
		{
			const std::string subCategories(info2.subCategories, strnlen(info2.subCategories, sizeof(info2.subCategories)));
			isSynth = subCategories.find("Instrument") != std::string::npos;
			std::string version(info2.version, strnlen(info2.version, sizeof(info2.version)));
			vendorVersion = Vst2::versionNumber(version.c_str());
			if (!*factoryInfo.vendor)
				vendorName.assign(info2.vendor, strnlen(info2.vendor, sizeof(info2.vendor)));
		}
		return true;
	}
	return false;
}

bool Vst2Wrapper::instantiate(const TUID classId)
{
	IComponent* created = nullptr;
	if (factory->createInstance(classId, IComponent::iid.toTUID(), reinterpret_cast<void**>(&created)) != kResultOk ||
		!created)
		return false;
	component = owned(created);

	char hostName[Vst2::kProductStringSize] = {};
	if (!callHost(audioMasterGetProductString, 0, 0, hostName) || !*hostName)
		std::strncpy(hostName, kDefaultHostName, sizeof(hostName) - 1);
	hostName[sizeof(hostName) - 1] = 0;
	hostContext = owned(new Vst2::HostContext(hostName, this));

	if (component->initialize(static_cast<IHostApplication*>(hostContext.get())) != kResultOk)
		return false;
	initialized = true;

	processor = FUnknownPtr<IAudioProcessor>(component);
	controller = FUnknownPtr<IEditController>(component);
	if (!processor || !controller)
		return false; // only single-component classes are offered
	unitInfo = FUnknownPtr<IUnitInfo>(component);
	midiMapping = FUnknownPtr<IMidiMapping>(component);
	controller->setComponentHandler(hostContext);
	return true;
}

void Vst2Wrapper::setUpBuses()
{
	// VST 2 knows one stereo input and one stereo output: only the main
	// buses take part, any others stay off.
	for (const MediaType type : {kAudio, kEvent})
		for (const BusDirection direction : {kInput, kOutput})
		{
			const int32 count = component->getBusCount(type, direction);
			for (int32 i = 0; i < count; ++i)
				component->activateBus(type, direction, i, i == 0);
		}
	hasEventInput = component->getBusCount(kEvent, kInput) > 0;

	const bool hasInput = component->getBusCount(kAudio, kInput) > 0;
	const bool hasOutput = component->getBusCount(kAudio, kOutput) > 0;
	SpeakerArrangement input = SpeakerArr::kStereo, output = SpeakerArr::kStereo;
	processor->setBusArrangements(&input, hasInput ? 1 : 0, &output, hasOutput ? 1 : 0);

	// Whatever the plug-in settled on is what the host gets.
	SpeakerArrangement arrangement = 0;
	if (hasInput && processor->getBusArrangement(kInput, 0, arrangement) == kResultOk)
		inputChannels = SpeakerArr::getChannelCount(arrangement);
	if (hasOutput && processor->getBusArrangement(kOutput, 0, arrangement) == kResultOk)
		outputChannels = SpeakerArr::getChannelCount(arrangement);
}

void Vst2Wrapper::readParameters()
{
	const int32 count = std::max<int32>(controller->getParameterCount(), 0);
	slots = std::make_unique<Vst2::ParameterSlots>(count);
	for (int32 i = 0; i < count; ++i)
	{
		ParameterInfo info {};
		controller->getParameterInfo(i, info);
		parameterIds.push_back(info.id);
		stepCounts.push_back(info.stepCount);
		indexById.emplace_back(info.id, i);
		slots->show(i, static_cast<float>(controller->getParamNormalized(info.id)));
		if ((info.flags & ParameterInfo::kIsProgramChange) && programIndex < 0)
			programIndex = i;
		if ((info.flags & ParameterInfo::kIsBypass) && bypassIndex < 0)
			bypassIndex = i;
	}
	std::sort(indexById.begin(), indexById.end());
}

void Vst2Wrapper::findPrograms()
{
	if (programIndex < 0)
		return;
	ParameterInfo info {};
	controller->getParameterInfo(programIndex, info);
	programStepCount = info.stepCount;
	programCount = info.stepCount > 0 ? info.stepCount + 1 : 0;
	if (!unitInfo)
		return;

	for (int32 u = 0; u < unitInfo->getUnitCount(); ++u)
	{
		UnitInfo unit {};
		if (unitInfo->getUnitInfo(u, unit) == kResultOk && unit.id == info.unitId)
			programListId = unit.programListId;
	}
	for (int32 l = 0; programListId != kNoProgramListId && l < unitInfo->getProgramListCount(); ++l)
	{
		ProgramListInfo list {};
		if (unitInfo->getProgramListInfo(l, list) == kResultOk && list.id == programListId)
		{
			programCount = list.programCount;
			return;
		}
	}
	programListId = kNoProgramListId; // the unit names a list that is not there
}

void Vst2Wrapper::readMidiMapping()
{
	// Asked once here rather than from the audio thread for every event.
	midiControllerIds.assign(static_cast<size_t>(16 * kCountCtrlNumber), kNoParamId);
	if (!midiMapping)
		return;
	for (int16 channel = 0; channel < 16; ++channel)
		for (CtrlNumber number = 0; number < kCountCtrlNumber; ++number)
		{
			ParamID id = kNoParamId;
			if (midiMapping->getMidiControllerAssignment(0, channel, number, id) == kResultTrue)
				midiControllerIds[static_cast<size_t>(channel * kCountCtrlNumber + number)] = id;
		}
}

void Vst2Wrapper::allocateProcessData()
{
	const int32 parameterCount = std::max<int32>(slots->size(), 1);
	incomingEvents = std::make_unique<EventList>(kMaxEventsPerBlock);
	blockEvents = std::make_unique<EventList>(kMaxEventsPerBlock);
	incomingChanges = std::make_unique<ParameterChanges>(parameterCount, kMaxPointsPerParameter);
	// One more point: a setParameter value joins the block's MIDI points.
	blockChanges = std::make_unique<ParameterChanges>(parameterCount, kMaxPointsPerParameter + 1);
	outputChanges = std::make_unique<ParameterChanges>(parameterCount, kMaxPointsPerParameter);

	inputPointers.assign(static_cast<size_t>(inputChannels), nullptr);
	outputPointers.assign(static_cast<size_t>(outputChannels), nullptr);
	inputBus.numChannels = inputChannels;
	inputBus.channelBuffers32 = inputPointers.data();
	outputBus.numChannels = outputChannels;
	outputBus.channelBuffers32 = outputPointers.data();

	processData.symbolicSampleSize = kSample32;
	processData.numInputs = inputChannels > 0 ? 1 : 0;
	processData.numOutputs = outputChannels > 0 ? 1 : 0;
	processData.inputs = &inputBus;
	processData.outputs = &outputBus;
	processData.inputParameterChanges = blockChanges.get();
	processData.outputParameterChanges = outputChanges.get();
	processData.inputEvents = hasEventInput ? blockEvents.get() : nullptr;
}

void Vst2Wrapper::fillEffect()
{
	AEffect& effect = record.effect;
	effect.dispatcher = &Vst2Wrapper::dispatcherProc;
	effect.process = &Vst2Wrapper::processAccumulatingProc;
	effect.setParameter = &Vst2Wrapper::setParameterProc;
	effect.getParameter = &Vst2Wrapper::getParameterProc;
	effect.processReplacing = &Vst2Wrapper::processReplacingProc;
	effect.processDoubleReplacing = nullptr;
	effect.numPrograms = programCount;
	effect.numParams = slots->size();
	effect.numInputs = inputChannels;
	effect.numOutputs = outputChannels;
	effect.flags = effFlagsCanReplacing | effFlagsProgramChunks;
	if (isSynth)
		effect.flags |= effFlagsIsSynth;
	if (hasEditor)
		effect.flags |= effFlagsHasEditor;
	effect.initialDelay = static_cast<VstInt32>(std::min<uint32>(processor->getLatencySamples(), 0x7FFFFFFF));
	effect.version = vendorVersion;
}

VstIntPtr Vst2Wrapper::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
	return audioMaster(&record.effect, opcode, index, value, ptr, opt);
}

Vst2Wrapper* Vst2Wrapper::fromEffect(AEffect* effect)
{
	return effect ? static_cast<Vst2Wrapper*>(effect->object) : nullptr;
}

VstIntPtr Vst2Wrapper::dispatcherProc(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
	float opt)
{
	Vst2Wrapper* wrapper = fromEffect(effect);
	if (!wrapper)
		return 0;
	if (opcode == effClose)
	{
		delete wrapper;
		return 0;
	}
	return wrapper->dispatch(opcode, index, value, ptr, opt);
}

void Vst2Wrapper::setParameterProc(AEffect* effect, VstInt32 index, float value)
{
	if (Vst2Wrapper* wrapper = fromEffect(effect))
		wrapper->setParameter(index, value);
}

float Vst2Wrapper::getParameterProc(AEffect* effect, VstInt32 index)
{
	Vst2Wrapper* wrapper = fromEffect(effect);
	return wrapper ? wrapper->getParameter(index) : 0.0f;
}

void Vst2Wrapper::processReplacingProc(AEffect* effect, float** inputs, float** outputs, VstInt32 frames)
{
	if (Vst2Wrapper* wrapper = fromEffect(effect))
		wrapper->processBlocks(inputs, outputs, frames, false);
}

void Vst2Wrapper::processAccumulatingProc(AEffect* effect, float** inputs, float** outputs, VstInt32 frames)
{
	if (Vst2Wrapper* wrapper = fromEffect(effect))
		wrapper->processBlocks(inputs, outputs, frames, true);
}

} // namespace Vst
} // namespace Steinberg
