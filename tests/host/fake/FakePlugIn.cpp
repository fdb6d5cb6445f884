// A gain plug-in just complete enough to drive the host through a whole
// life cycle. FAKE_SEPARATE_CONTROLLER splits it into a component class and
// a controller class (listed first, so a host must skip it).
#include "FakeProbe.h"

#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#define EXPORTED extern "C" __attribute__((visibility("default")))

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

FakeProbe probe;

void note(const char* call)
{
	strncat(probe.log, call, sizeof(probe.log) - strlen(probe.log) - 1);
	strncat(probe.log, ";", sizeof(probe.log) - strlen(probe.log) - 1);
}

const ParamID gainId = 1;
const ParamID peakId = 2;
const TUID componentClass = INLINE_UID(0x11111111, 0x22222222, 0x33333333, 0x44444444);
const TUID controllerClass = INLINE_UID(0x55555555, 0x66666666, 0x77777777, 0x88888888);

#ifdef FAKE_SEPARATE_CONTROLLER
const bool separate = true;
#else
const bool separate = false;
#endif

enum class Role
{
	component,
	controller,
	both,
};

class FakePlug : public IComponent, public IAudioProcessor, public IEditController
{
public:
	explicit FakePlug(Role role) : role(role) { ++probe.liveObjects; }
	virtual ~FakePlug() { --probe.liveObjects; }

	tresult PLUGIN_API queryInterface(const TUID iid, void** object) override
	{
		const bool isComponent = role != Role::controller;
		const bool isController = role != Role::component;
		void* found = nullptr;
		if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IPluginBase::iid))
			found = isComponent ? static_cast<IPluginBase*>(static_cast<IComponent*>(this))
								: static_cast<IPluginBase*>(static_cast<IEditController*>(this));
		else if (isComponent && FUnknownPrivate::iidEqual(iid, IComponent::iid))
			found = static_cast<IComponent*>(this);
		else if (isComponent && FUnknownPrivate::iidEqual(iid, IAudioProcessor::iid))
			found = static_cast<IAudioProcessor*>(this);
		else if (isController && FUnknownPrivate::iidEqual(iid, IEditController::iid))
			found = static_cast<IEditController*>(this);
		*object = found;
		if (!found)
			return kNoInterface;
		addRef();
		return kResultOk;
	}
	uint32 PLUGIN_API addRef() override { return ++references; }
	uint32 PLUGIN_API release() override
	{
		if (--references == 0)
		{
			delete this;
			return 0;
		}
		return references;
	}

	tresult PLUGIN_API initialize(FUnknown* context) override
	{
		++probe.initializeCalls;
		note("initialize");
		return context ? kResultOk : kInvalidArgument;
	}
	tresult PLUGIN_API terminate() override
	{
		++probe.terminateCalls;
		note("terminate");
		return kResultOk;
	}

	tresult PLUGIN_API getControllerClassId(TUID classId) override
	{
		if (!separate)
			return kNotImplemented;
		memcpy(classId, controllerClass, sizeof(TUID));
		return kResultOk;
	}
	tresult PLUGIN_API setIoMode(IoMode) override { return kNotImplemented; }
	int32 PLUGIN_API getBusCount(MediaType type, BusDirection direction) override
	{
		return type == kAudio || direction == kInput ? 1 : 0;
	}
	tresult PLUGIN_API getBusInfo(MediaType type, BusDirection direction, int32 index, BusInfo& bus) override
	{
		if (index != 0 || index >= getBusCount(type, direction))
			return kInvalidArgument;
		bus = BusInfo{};
		bus.mediaType = type;
		bus.direction = direction;
		bus.channelCount = type == kAudio ? channels : 1;
		bus.busType = kMain;
		bus.flags = BusInfo::kDefaultActive;
		return kResultOk;
	}
	tresult PLUGIN_API getRoutingInfo(RoutingInfo&, RoutingInfo&) override { return kNotImplemented; }
	tresult PLUGIN_API activateBus(MediaType type, BusDirection direction, int32 index, TBool) override
	{
		return index < getBusCount(type, direction) ? kResultOk : kInvalidArgument;
	}
	tresult PLUGIN_API setActive(TBool state) override
	{
		note(state ? "setActive(1)" : "setActive(0)");
		return kResultOk;
	}
	// Serves IComponent and IEditController alike: the state is the gain.
	tresult PLUGIN_API setState(IBStream* stream) override
	{
		int32 read = 0;
		double value = 0;
		if (!stream || stream->read(&value, sizeof(value), &read) != kResultOk || read != sizeof(value))
			return kResultFalse;
		gain = value;
		return kResultOk;
	}
	tresult PLUGIN_API getState(IBStream* stream) override
	{
		int32 written = 0;
		return stream && stream->write(&gain, sizeof(gain), &written) == kResultOk && written == sizeof(gain)
			? kResultOk
			: kResultFalse;
	}

	tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
		int32 numOuts) override
	{
		if (numIns != 1 || numOuts != 1 || inputs[0] != outputs[0])
			return kResultFalse;
		const int32 count = SpeakerArr::getChannelCount(inputs[0]);
		if (count < 1 || count > 2)
			return kResultFalse;
		channels = count;
		return kResultTrue;
	}
	tresult PLUGIN_API getBusArrangement(BusDirection, int32 index, SpeakerArrangement& arrangement) override
	{
		if (index != 0)
			return kInvalidArgument;
		arrangement = channels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo;
		return kResultOk;
	}
	tresult PLUGIN_API canProcessSampleSize(int32 size) override { return size == kSample32 ? kResultTrue : kResultFalse; }
	uint32 PLUGIN_API getLatencySamples() override { return 7; }
	tresult PLUGIN_API setupProcessing(ProcessSetup&) override
	{
		note("setupProcessing");
		return kResultOk;
	}
	tresult PLUGIN_API setProcessing(TBool state) override
	{
		note(state ? "setProcessing(1)" : "setProcessing(0)");
		return kNotImplemented;
	}
	tresult PLUGIN_API process(ProcessData& data) override
	{
		note("process");
		probe.lastNumSamples = data.numSamples;
		probe.lastProcessMode = data.processMode;
		probe.lastEventCount = data.inputEvents ? data.inputEvents->getEventCount() : -1;
		probe.lastTempo = data.processContext && (data.processContext->state & ProcessContext::kTempoValid)
			? data.processContext->tempo
			: 0.0;
		probe.lastInputSilence = data.numInputs ? data.inputs[0].silenceFlags : 0;
		readGain(data.inputParameterChanges);
		if (data.numInputs != 1 || data.numOutputs != 1)
			return kResultOk;
		float peak = 0.0f;
		for (int32 channel = 0; channel < data.outputs[0].numChannels; ++channel)
		{
			const float* in = data.inputs[0].channelBuffers32[channel];
			float* out = data.outputs[0].channelBuffers32[channel];
			for (int32 sample = 0; sample < data.numSamples; ++sample)
			{
				out[sample] = static_cast<float>(in[sample] * gain);
				peak = std::max(peak, std::fabs(out[sample]));
			}
		}
		data.outputs[0].silenceFlags = data.inputs[0].silenceFlags;
		int32 index = 0;
		if (IParamValueQueue* queue = data.outputParameterChanges->addParameterData(peakId, index))
			queue->addPoint(0, peak, index);
		return kResultOk;
	}
	uint32 PLUGIN_API getTailSamples() override { return kNoTail; }

	tresult PLUGIN_API setComponentState(IBStream* stream) override
	{
		++probe.setComponentStateCalls;
		return setState(stream);
	}
	int32 PLUGIN_API getParameterCount() override { return 1; }
	tresult PLUGIN_API getParameterInfo(int32, ParameterInfo&) override { return kNotImplemented; }
	tresult PLUGIN_API getParamStringByValue(ParamID, ParamValue, String128) override { return kNotImplemented; }
	tresult PLUGIN_API getParamValueByString(ParamID, TChar*, ParamValue&) override { return kNotImplemented; }
	ParamValue PLUGIN_API normalizedParamToPlain(ParamID, ParamValue value) override { return value; }
	ParamValue PLUGIN_API plainParamToNormalized(ParamID, ParamValue value) override { return value; }
	ParamValue PLUGIN_API getParamNormalized(ParamID id) override { return id == gainId ? gain : 0.0; }
	tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override
	{
		if (id != gainId)
			return kInvalidArgument;
		gain = value;
		return kResultOk;
	}
	tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) override
	{
		probe.componentHandler = handler;
		return kResultOk;
	}
	IPlugView* PLUGIN_API createView(FIDString) override { return nullptr; }

private:
	void readGain(IParameterChanges* changes)
	{
		const int32 count = changes ? changes->getParameterCount() : 0;
		for (int32 index = 0; index < count; ++index)
		{
			IParamValueQueue* queue = changes->getParameterData(index);
			int32 offset = 0;
			if (queue->getParameterId() == gainId && queue->getPointCount() > 0)
				queue->getPoint(queue->getPointCount() - 1, offset, gain);
		}
	}

	Role role;
	uint32 references = 1;
	int32 channels = 2;
	ParamValue gain = 0.5;
};

class FakeFactory : public IPluginFactory
{
public:
	FakeFactory() { ++probe.liveObjects; }
	virtual ~FakeFactory() { --probe.liveObjects; }

	tresult PLUGIN_API queryInterface(const TUID iid, void** object) override
	{
		if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IPluginFactory::iid))
		{
			addRef();
			*object = this;
			return kResultOk;
		}
		*object = nullptr;
		return kNoInterface;
	}
	uint32 PLUGIN_API addRef() override { return ++references; }
	uint32 PLUGIN_API release() override;

	tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override
	{
		*info = PFactoryInfo("Fake", "", "", PFactoryInfo::kUnicode);
		return kResultOk;
	}
	int32 PLUGIN_API countClasses() override { return separate ? 2 : 1; }
	tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override
	{
		if (index < 0 || index >= countClasses())
			return kInvalidArgument;
		const bool controllerEntry = separate && index == 0;
		*info = PClassInfo(controllerEntry ? controllerClass : componentClass, PClassInfo::kManyInstances,
			controllerEntry ? kVstComponentControllerClass : kVstAudioEffectClass, "Fake Gain");
		return kResultOk;
	}
	tresult PLUGIN_API createInstance(FIDString classId, FIDString iid, void** object) override
	{
		*object = nullptr;
		Role role;
		if (FUnknownPrivate::iidEqual(classId, componentClass))
			role = separate ? Role::component : Role::both;
		else if (separate && FUnknownPrivate::iidEqual(classId, controllerClass))
			role = Role::controller;
		else
			return kInvalidArgument;
		FakePlug* plug = new FakePlug(role);
		const tresult result = plug->queryInterface(iid, object);
		plug->release();
		return result;
	}

private:
	uint32 references = 1;
};

FakeFactory* factory = nullptr;

uint32 PLUGIN_API FakeFactory::release()
{
	if (--references > 0)
		return references;
	factory = nullptr;
	delete this;
	return 0;
}

} // namespace

EXPORTED FakeProbe* fakeProbe()
{
	return &probe;
}

EXPORTED bool ModuleEntry(void* handle)
{
	++probe.moduleEntries;
	return handle != nullptr;
}

EXPORTED bool ModuleExit()
{
	++probe.moduleExits;
	return true;
}

EXPORTED IPluginFactory* GetPluginFactory()
{
	if (factory)
		factory->addRef();
	else
		factory = new FakeFactory;
	return factory;
}
