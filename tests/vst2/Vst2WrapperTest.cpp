// The wrapper over a small in-process class, for what the product's own
// class cannot show: failures, instruments, plug-in edits, split blocks.
#include "MidiEvents.h"

#include "public.sdk/source/main/pluginfactoryvst3.h"
#include "public.sdk/source/vst/vst2wrapper/vst2wrapper.h"
#include "public.sdk/source/vst/vstsinglecomponenteffect.h"

#include "pluginterfaces/base/ibstream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

enum : ParamID { kGainId = 10, kModeId = 20, kProgramId = 30 };

// What the fake saw and did; one test at a time.
struct Record
{
	int liveObjects = 0;
	std::vector<int32> blockLengths;
	std::vector<std::pair<int32, int16>> notes;                       // offset, pitch
	std::vector<std::tuple<ParamID, int32, ParamValue>> points;       // id, offset, value
	std::vector<const ProcessContext*> contexts;
	std::vector<ProcessContext> contextCopies;
	std::vector<std::tuple<int, int, float>> hostCalls;               // opcode, index, opt
	VstTimeInfo hostTime {};
	bool answerTime = false;
	VstIntPtr processLevel = 0; // what the host says of the calling thread
	int32 inputBuses = -1;
	bool sideChainActive = true;
};
Record record;

struct Behaviour
{
	bool failInitialize;
};

class FakeEffect : public SingleComponentEffect
{
public:
	explicit FakeEffect(const Behaviour& behaviour) : behaviour(behaviour) { ++record.liveObjects; }
	~FakeEffect() override { --record.liveObjects; }

	static FUnknown* create(void* context)
	{
		return static_cast<IAudioProcessor*>(new FakeEffect(*static_cast<const Behaviour*>(context)));
	}

	tresult PLUGIN_API initialize(FUnknown* context) override
	{
		if (behaviour.failInitialize || SingleComponentEffect::initialize(context) != kResultOk)
			return kResultFalse;
		addAudioInput(STR16("In"), SpeakerArr::kStereo);
		addAudioInput(STR16("Side"), SpeakerArr::kStereo, kAux);
		addAudioOutput(STR16("Out"), SpeakerArr::kStereo);
		addEventInput(STR16("Notes"), 16);
		parameters.addParameter(STR16("Gain"), STR16("dB"), 0, 0.5, ParameterInfo::kCanAutomate, kGainId);
		auto* mode = new StringListParameter(STR16("Mode"), kModeId);
		for (const TChar* name : {STR16("A"), STR16("B"), STR16("C")})
			mode->appendString(name);
		parameters.addParameter(mode);
		auto* program = new StringListParameter(STR16("Program"), kProgramId, nullptr, ParameterInfo::kIsProgramChange);
		for (const TChar* name : {STR16("One"), STR16("Two"), STR16("Three")})
			program->appendString(name);
		parameters.addParameter(program);
		return kResultOk;
	}

	// Choosing a mode moves the gain with it, and changes the latency.
	tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override
	{
		const tresult result = SingleComponentEffect::setParamNormalized(id, value);
		if (id == kModeId && componentHandler)
		{
			SingleComponentEffect::setParamNormalized(kGainId, 0.75);
			componentHandler->beginEdit(kGainId);
			componentHandler->performEdit(kGainId, 0.75);
			componentHandler->endEdit(kGainId);
			latency = 64;
			componentHandler->restartComponent(kLatencyChanged);
		}
		return result;
	}

	uint32 PLUGIN_API getLatencySamples() override { return latency; }

	tresult PLUGIN_API process(ProcessData& data) override
	{
		record.blockLengths.push_back(data.numSamples);
		record.inputBuses = data.numInputs;
		record.sideChainActive = audioInputs.at(1)->isActive();
		record.contexts.push_back(data.processContext);
		if (data.processContext)
			record.contextCopies.push_back(*data.processContext);
		for (int32 q = 0; data.inputParameterChanges && q < data.inputParameterChanges->getParameterCount(); ++q)
		{
			IParamValueQueue* queue = data.inputParameterChanges->getParameterData(q);
			for (int32 p = 0; p < queue->getPointCount(); ++p)
			{
				int32 offset = 0;
				ParamValue value = 0;
				queue->getPoint(p, offset, value);
				record.points.emplace_back(queue->getParameterId(), offset, value);
			}
		}
		Event event {};
		for (int32 i = 0; data.inputEvents && data.inputEvents->getEvent(i, event) == kResultOk; ++i)
			record.notes.emplace_back(event.sampleOffset, event.noteOn.pitch);
		for (int32 c = 0; data.numOutputs > 0 && c < data.outputs[0].numChannels; ++c)
			for (int32 i = 0; i < data.numSamples; ++i)
				data.outputs[0].channelBuffers32[c][i] = 2.0f * data.inputs[0].channelBuffers32[c][i];
		return kResultOk;
	}

private:
	Behaviour behaviour;
	uint32 latency = 0;
};

const Behaviour kWorking {false};
const Behaviour kFailing {true};
const FUID kEffectId(1, 2, 3, 4);
const FUID kInstrumentId(5, 6, 7, 8);
const FUID kFailingId(9, 10, 11, 12);
const FUID kUnknownId(13, 14, 15, 16);

PClassInfo2 classInfo(const FUID& id, const char* name, const char* subCategories, const char* version)
{
	PClassInfo2 info;
	id.toTUID(info.cid);
	info.cardinality = PClassInfo::kManyInstances;
	std::strcpy(info.category, kVstAudioEffectClass);
	std::strcpy(info.name, name);
	std::strcpy(info.subCategories, subCategories);
	std::strcpy(info.version, version);
	return info;
}

VstIntPtr callback(AEffect*, int opcode, int index, VstIntPtr, void*, float opt)
{
	if (opcode == audioMasterVersion)
		return kVstVersion;
	if (opcode == audioMasterGetTime)
		return record.answerTime ? reinterpret_cast<VstIntPtr>(&record.hostTime) : 0;
	record.hostCalls.emplace_back(opcode, index, opt);
	return opcode == audioMasterGetCurrentProcessLevel ? record.processLevel : 0;
}

uint32 referencesOf(FUnknown* object)
{
	object->addRef();
	return object->release();
}

class Vst2WrapperFake : public ::testing::Test
{
protected:
	Vst2WrapperFake() : factory(owned(new CPluginFactory(PFactoryInfo("Fake Vendor", "", "", 0))))
	{
		record = Record {};
		const PClassInfo2 effect = classInfo(kEffectId, "Fake Effect", "Fx|Delay", "1.2.0.0");
		const PClassInfo2 instrument = classInfo(kInstrumentId, "Fake Synth", "Instrument|Synth", "2.4.1");
		const PClassInfo2 failing = classInfo(kFailingId, "Fake Failure", "Fx", "1.0");
		factory->registerClass(&effect, &FakeEffect::create, const_cast<Behaviour*>(&kWorking));
		factory->registerClass(&instrument, &FakeEffect::create, const_cast<Behaviour*>(&kWorking));
		factory->registerClass(&failing, &FakeEffect::create, const_cast<Behaviour*>(&kFailing));
	}

	AEffect* create(const FUID& id) { return Vst::Vst2Wrapper::create(factory, id.toTUID(), CCONST('F', 'a', 'k', 'e'), &callback); }
	static VstIntPtr dispatch(AEffect* effect, int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr,
		float opt = 0.0f)
	{
		return effect->dispatcher(effect, opcode, index, value, ptr, opt);
	}
	static void process(AEffect* effect, int frames)
	{
		std::vector<float> left(static_cast<size_t>(frames), 0.25f), right = left;
		float* channels[2] = {left.data(), right.data()};
		effect->processReplacing(effect, channels, channels, frames);
	}

	IPtr<CPluginFactory> factory;
};

} // namespace

TEST_F(Vst2WrapperFake, GivesNothingAndKeepsNothingForAClassItCannotMake)
{
	const uint32 references = referencesOf(factory);
	EXPECT_EQ(create(kUnknownId), nullptr);
	EXPECT_EQ(create(kFailingId), nullptr);
	EXPECT_EQ(Vst::Vst2Wrapper::create(nullptr, kEffectId.toTUID(), 0, &callback), nullptr);
	EXPECT_EQ(Vst::Vst2Wrapper::create(factory, kEffectId.toTUID(), 0, nullptr), nullptr);
	EXPECT_EQ(record.liveObjects, 0) << "the instance that failed to initialize was not released";
	EXPECT_EQ(referencesOf(factory), references);
}

TEST_F(Vst2WrapperFake, HoldsTheFactoryAndTheInstanceUntilClosed)
{
	const uint32 references = referencesOf(factory);
	AEffect* effect = create(kEffectId);
	ASSERT_NE(effect, nullptr);
	EXPECT_EQ(referencesOf(factory), references + 1);
	EXPECT_EQ(record.liveObjects, 1);
	dispatch(effect, effClose);
	EXPECT_EQ(referencesOf(factory), references);
	EXPECT_EQ(record.liveObjects, 0);
}

TEST_F(Vst2WrapperFake, TellsAnInstrumentFromAnEffect)
{
	AEffect* synth = create(kInstrumentId);
	AEffect* effect = create(kEffectId);
	EXPECT_TRUE(synth->flags & effFlagsIsSynth);
	EXPECT_EQ(dispatch(synth, effGetPlugCategory), kPlugCategSynth);
	EXPECT_EQ(dispatch(synth, effGetVendorVersion), 2410);
	EXPECT_FALSE(effect->flags & effFlagsIsSynth);
	EXPECT_EQ(dispatch(effect, effGetPlugCategory), kPlugCategEffect);
	EXPECT_EQ(effect->version, 1200);
	char vendor[64] = {};
	dispatch(effect, effGetVendorString, 0, 0, vendor);
	EXPECT_STREQ(vendor, "Fake Vendor");
	dispatch(synth, effClose);
	dispatch(effect, effClose);
}

TEST_F(Vst2WrapperFake, UsesOnlyTheMainBuses)
{
	AEffect* effect = create(kEffectId);
	EXPECT_EQ(effect->numInputs, 2);
	EXPECT_EQ(effect->numOutputs, 2);
	dispatch(effect, effMainsChanged, 0, 1);
	process(effect, 16);
	ASSERT_EQ(record.blockLengths.size(), 1u);
	EXPECT_EQ(record.inputBuses, 1);
	EXPECT_FALSE(record.sideChainActive);
	dispatch(effect, effClose);
}

TEST_F(Vst2WrapperFake, NamesProgramsByTheProgramParameterWithoutAProgramList)
{
	AEffect* effect = create(kEffectId);
	EXPECT_EQ(effect->numPrograms, 3);
	char name[64] = {};
	EXPECT_EQ(dispatch(effect, effGetProgramNameIndexed, 2, 0, name), 1);
	EXPECT_STREQ(name, "Three");
	dispatch(effect, effSetProgram, 0, 2);
	EXPECT_EQ(dispatch(effect, effGetProgram), 2);
	EXPECT_EQ(effect->getParameter(effect, 2), 1.0f);
	dispatch(effect, effClose);
}

TEST_F(Vst2WrapperFake, PassesThePlugInsOwnEditsToHostAndProcessor)
{
	AEffect* effect = create(kEffectId);
	dispatch(effect, effMainsChanged, 0, 1);
	record.hostCalls.clear();
	effect->setParameter(effect, 1, 0.5f); // mode B: the fake moves the gain
	// The wrapper first asks which thread it is on: only off the audio thread
	// does it hand the value to the controller at once.
	const std::vector<std::tuple<int, int, float>> expected {{audioMasterGetCurrentProcessLevel, 0, 0.0f},
		{audioMasterBeginEdit, 0, 0.0f}, {audioMasterAutomate, 0, 0.75f}, {audioMasterEndEdit, 0, 0.0f},
		{Vst2::kAudioMasterIOChanged, 0, 0.0f}};
	EXPECT_EQ(record.hostCalls, expected);
	EXPECT_EQ(effect->getParameter(effect, 0), 0.75f);
	EXPECT_EQ(effect->initialDelay, 64);

	process(effect, 32);
	const std::vector<std::tuple<ParamID, int32, ParamValue>> points {{kGainId, 0, 0.75}, {kModeId, 0, 0.5}};
	EXPECT_EQ(record.points, points);
	dispatch(effect, effClose);
}

// Automation from the audio thread reaches the processor in the next block,
// but the controller (and so the host) only at the next dispatcher call.
TEST_F(Vst2WrapperFake, AutomationOnTheAudioThreadRunsNoControllerCode)
{
	AEffect* effect = create(kEffectId);
	dispatch(effect, effMainsChanged, 0, 1);
	record.processLevel = kVstProcessLevelRealtime;
	record.hostCalls.clear();
	effect->setParameter(effect, 1, 0.5f);
	const std::vector<std::tuple<int, int, float>> onlyTheQuestion {{audioMasterGetCurrentProcessLevel, 0, 0.0f}};
	EXPECT_EQ(record.hostCalls, onlyTheQuestion);
	process(effect, 32);
	EXPECT_EQ(record.points, (std::vector<std::tuple<ParamID, int32, ParamValue>> {{kModeId, 0, 0.5}}));

	record.processLevel = 0;
	dispatch(effect, effGetProgram);
	EXPECT_EQ(effect->getParameter(effect, 0), 0.75f) << "the controller's own edit arrives with the dispatcher";
	dispatch(effect, effClose);
}

TEST_F(Vst2WrapperFake, CutsLongHostBlocksCarryingEventsAlong)
{
	AEffect* effect = create(kEffectId);
	dispatch(effect, effSetBlockSize, 0, 256);
	dispatch(effect, effMainsChanged, 0, 1);
	effect->setParameter(effect, 0, 0.25f);
	Vst2Test::MidiEvents events;
	events.add(10, 0x90, 60, 100).add(300, 0x90, 64, 100);
	dispatch(effect, effProcessEvents, 0, 0, events.get());

	process(effect, 600);
	EXPECT_EQ(record.blockLengths, (std::vector<int32> {256, 256, 88}));
	EXPECT_EQ(record.notes, (std::vector<std::pair<int32, int16>> {{10, 60}, {44, 64}}));
	EXPECT_EQ(record.points, (std::vector<std::tuple<ParamID, int32, ParamValue>> {{kGainId, 0, 0.25}}));

	record.notes.clear();
	process(effect, 100);
	EXPECT_TRUE(record.notes.empty()) << "events belong to one host block only";
	dispatch(effect, effClose);
}

TEST_F(Vst2WrapperFake, GivesTheHostsTimeToEachPiece)
{
	AEffect* effect = create(kEffectId);
	dispatch(effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
	dispatch(effect, effSetBlockSize, 0, 100);
	dispatch(effect, effMainsChanged, 0, 1);
	process(effect, 50);
	EXPECT_EQ(record.contexts.at(0), nullptr) << "a host without time gives none";

	record.answerTime = true;
	record.hostTime.samplePos = 4800;
	record.hostTime.sampleRate = 48000;
	record.hostTime.ppqPos = 2.0;
	record.hostTime.tempo = 120.0;
	record.hostTime.timeSigNumerator = 3;
	record.hostTime.timeSigDenominator = 4;
	record.hostTime.flags = kVstTransportPlaying | kVstPpqPosValid | kVstTempoValid | kVstTimeSigValid;
	process(effect, 200);
	ASSERT_EQ(record.contextCopies.size(), 2u);
	const ProcessContext& first = record.contextCopies[0];
	const ProcessContext& second = record.contextCopies[1];
	EXPECT_TRUE(first.state & ProcessContext::kPlaying);
	EXPECT_TRUE(first.state & ProcessContext::kTempoValid);
	EXPECT_EQ(first.tempo, 120.0);
	EXPECT_EQ(first.timeSigNumerator, 3);
	EXPECT_EQ(first.projectTimeSamples, 4800);
	EXPECT_EQ(first.projectTimeMusic, 2.0);
	EXPECT_EQ(second.projectTimeSamples, 4900);
	EXPECT_DOUBLE_EQ(second.projectTimeMusic, 2.0 + 100.0 / 48000.0 * 2.0);
	dispatch(effect, effClose);
}
