#include "public.sdk/source/vst/vstsinglecomponenteffect.h"
#include "public.sdk/source/common/memorystream.h"
#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <gtest/gtest.h>

#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

enum : ParamID { kGainId = 10, kModeId = 20 };
constexpr int32 kStateMarker = 0x56454c54;

// Stereo in/out, one single-channel event input, a gain and a two-entry list.
class TinyEffect : public SingleComponentEffect
{
public:
	tresult PLUGIN_API initialize(FUnknown* context) override
	{
		const tresult result = SingleComponentEffect::initialize(context);
		if (result != kResultOk)
			return result;
		addAudioInput(STR16("In"), SpeakerArr::kStereo);
		addAudioOutput(STR16("Out"), SpeakerArr::kStereo, kMain, 0);
		addEventInput(STR16("Notes"), 1);
		parameters.addParameter(STR16("Gain"), STR16("dB"), 0, 0.5, ParameterInfo::kCanAutomate, kGainId);
		auto* mode = new StringListParameter(STR16("Mode"), kModeId);
		mode->appendString(STR16("Clean"));
		mode->appendString(STR16("Dirty"));
		parameters.addParameter(mode);
		return kResultOk;
	}

	bool audioInputActive() const { return audioInputs.at(0)->isActive(); }
	double sampleRate() const { return processSetup.sampleRate; }
	int32 loadedMarker = 0;

protected:
	tresult saveComponentState(IBStream* state) override
	{
		return state->write(const_cast<int32*>(&kStateMarker), sizeof(kStateMarker), nullptr);
	}
	tresult loadComponentState(IBStream* state) override
	{
		return state->read(&loadedMarker, sizeof(loadedMarker), nullptr);
	}
};

std::string narrow(const TChar* text)
{
	char buffer[128] {};
	UString(const_cast<TChar*>(text), 128).toAscii(buffer, sizeof(buffer));
	return buffer;
}

template <class Interface>
IPtr<Interface> query(FUnknown* object)
{
	Interface* face = nullptr;
	if (object->queryInterface(Interface::iid, reinterpret_cast<void**>(&face)) != kResultOk)
		return nullptr;
	return owned(face);
}

class SingleComponentEffectTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(effect->initialize(nullptr), kResultOk);
		component = query<IComponent>(unknown());
		processor = query<IAudioProcessor>(unknown());
		controller = query<IEditController>(unknown());
		ASSERT_TRUE(component && processor && controller);
	}
	void TearDown() override { effect->terminate(); }

	FUnknown* unknown() { return static_cast<IComponent*>(effect.get()); }

	IPtr<TinyEffect> effect = owned(new TinyEffect);
	IPtr<IComponent> component;
	IPtr<IAudioProcessor> processor;
	IPtr<IEditController> controller;
};

TEST_F(SingleComponentEffectTest, EveryFaceLeadsBackToTheSameObject)
{
	FUnknown* faces[] = {component, processor, controller, query<IEditController2>(unknown()),
		query<IUnitInfo>(unknown()), query<IPluginBase>(unknown())};
	IPtr<FUnknown> identity = query<FUnknown>(unknown());
	ASSERT_TRUE(identity);
	for (FUnknown* face : faces)
	{
		ASSERT_NE(face, nullptr);
		EXPECT_EQ(query<FUnknown>(face).get(), identity.get());
		EXPECT_EQ(FCast<SingleComponentEffect>(face), effect.get());
	}
	EXPECT_TRUE(effect->isA("SingleComponentEffect"));
	EXPECT_TRUE(effect->isTypeOf("EditControllerEx1"));
}

TEST_F(SingleComponentEffectTest, QueryCountsReferencesOnTheSharedCount)
{
	const int32 before = effect->getRefCount();
	void* face = nullptr;
	ASSERT_EQ(controller->queryInterface(IAudioProcessor::iid, &face), kResultOk);
	EXPECT_EQ(effect->getRefCount(), before + 1);
	static_cast<IAudioProcessor*>(face)->release();
	EXPECT_EQ(effect->getRefCount(), before);
}

TEST_F(SingleComponentEffectTest, RefusesConnectionPointAndUnknownInterfaces)
{
	int sentinel = 0;
	void* face = &sentinel;
	EXPECT_EQ(component->queryInterface(IConnectionPoint::iid, &face), kNoInterface);
	EXPECT_EQ(face, &sentinel);

	const TUID unknownId = INLINE_UID(0x01234567, 0x89ABCDEF, 0x01234567, 0x89ABCDEF);
	EXPECT_EQ(component->queryInterface(unknownId, &face), kNoInterface);
	EXPECT_EQ(face, nullptr);
}

TEST_F(SingleComponentEffectTest, CountsAndDescribesBuses)
{
	EXPECT_EQ(component->getBusCount(kAudio, kInput), 1);
	EXPECT_EQ(component->getBusCount(kAudio, kOutput), 1);
	EXPECT_EQ(component->getBusCount(kEvent, kInput), 1);
	EXPECT_EQ(component->getBusCount(kEvent, kOutput), 0);

	BusInfo info {};
	ASSERT_EQ(component->getBusInfo(kAudio, kOutput, 0, info), kResultTrue);
	EXPECT_EQ(info.mediaType, kAudio);
	EXPECT_EQ(info.direction, kOutput);
	EXPECT_EQ(info.channelCount, 2);
	EXPECT_EQ(narrow(info.name), "Out");
	EXPECT_EQ(info.busType, kMain);
	EXPECT_EQ(info.flags, 0u);

	ASSERT_EQ(component->getBusInfo(kEvent, kInput, 0, info), kResultTrue);
	EXPECT_EQ(info.mediaType, kEvent);
	EXPECT_EQ(info.channelCount, 1);
	EXPECT_EQ(narrow(info.name), "Notes");
	EXPECT_EQ(info.flags, static_cast<uint32>(BusInfo::kDefaultActive));

	EXPECT_EQ(component->getBusInfo(kAudio, kInput, 1, info), kInvalidArgument);
	EXPECT_EQ(component->getBusInfo(kAudio, kInput, -1, info), kInvalidArgument);
	EXPECT_EQ(component->getBusInfo(kEvent, kOutput, 0, info), kInvalidArgument);
}

TEST_F(SingleComponentEffectTest, ActivatesOnlyExistingBuses)
{
	EXPECT_FALSE(effect->audioInputActive());
	EXPECT_EQ(component->activateBus(kAudio, kInput, 0, true), kResultTrue);
	EXPECT_TRUE(effect->audioInputActive());
	EXPECT_EQ(component->activateBus(kAudio, kInput, 0, false), kResultTrue);
	EXPECT_FALSE(effect->audioInputActive());
	EXPECT_EQ(component->activateBus(kAudio, kInput, 1, true), kInvalidArgument);
	EXPECT_EQ(component->activateBus(kEvent, kOutput, 0, true), kInvalidArgument);
}

TEST_F(SingleComponentEffectTest, AppliesBusArrangementsThatFit)
{
	SpeakerArrangement mono = SpeakerArr::kMono;
	SpeakerArrangement outs[] = {SpeakerArr::kMono, SpeakerArr::kStereo};
	ASSERT_EQ(processor->setBusArrangements(&mono, 1, outs, 1), kResultTrue);

	SpeakerArrangement arrangement = 0;
	ASSERT_EQ(processor->getBusArrangement(kInput, 0, arrangement), kResultTrue);
	EXPECT_EQ(arrangement, SpeakerArr::kMono);
	ASSERT_EQ(processor->getBusArrangement(kOutput, 0, arrangement), kResultTrue);
	EXPECT_EQ(arrangement, SpeakerArr::kMono);
	BusInfo info {};
	component->getBusInfo(kAudio, kInput, 0, info);
	EXPECT_EQ(info.channelCount, 1);

	// More buses than exist: refused, and nothing changes.
	SpeakerArrangement stereo = SpeakerArr::kStereo;
	EXPECT_EQ(processor->setBusArrangements(&stereo, 1, outs, 2), kResultFalse);
	processor->getBusArrangement(kInput, 0, arrangement);
	EXPECT_EQ(arrangement, SpeakerArr::kMono);

	EXPECT_EQ(processor->getBusArrangement(kOutput, 1, arrangement), kInvalidArgument);
}

TEST_F(SingleComponentEffectTest, ProcessesSinglePrecisionOnly)
{
	EXPECT_EQ(processor->canProcessSampleSize(kSample32), kResultTrue);
	EXPECT_EQ(processor->canProcessSampleSize(kSample64), kResultFalse);

	ProcessSetup setup {kRealtime, kSample32, 512, 96000.0};
	EXPECT_EQ(processor->setupProcessing(setup), kResultOk);
	EXPECT_EQ(effect->sampleRate(), 96000.0);
}

TEST_F(SingleComponentEffectTest, ParametersAreReachableThroughTheController)
{
	ASSERT_EQ(controller->getParameterCount(), 2);
	ParameterInfo info {};
	ASSERT_EQ(controller->getParameterInfo(1, info), kResultTrue);
	EXPECT_EQ(info.id, static_cast<ParamID>(kModeId));
	EXPECT_EQ(narrow(info.title), "Mode");

	EXPECT_EQ(controller->setParamNormalized(kModeId, 1.0), kResultTrue);
	EXPECT_EQ(controller->getParamNormalized(kModeId), 1.0);
	String128 text {};
	ASSERT_EQ(controller->getParamStringByValue(kModeId, 1.0, text), kResultTrue);
	EXPECT_EQ(narrow(text), "Dirty");
	EXPECT_EQ(controller->setParamNormalized(999, 0.0), kResultFalse);
}

TEST_F(SingleComponentEffectTest, ComponentAndControllerStatesAreSeparate)
{
	IPtr<MemoryStream> stream = owned(new MemoryStream);
	EXPECT_EQ(controller->getState(stream), kNotImplemented);
	EXPECT_EQ(stream->getSize(), 0);
	ASSERT_EQ(component->getState(stream), kResultOk);
	ASSERT_EQ(stream->getSize(), static_cast<TSize>(sizeof(kStateMarker)));

	stream->seek(0, IBStream::kIBSeekSet, nullptr);
	EXPECT_EQ(controller->setState(stream), kNotImplemented);
	EXPECT_EQ(effect->loadedMarker, 0);
	ASSERT_EQ(component->setState(stream), kResultOk);
	EXPECT_EQ(effect->loadedMarker, kStateMarker);
}

TEST_F(SingleComponentEffectTest, TerminateClearsBusesAndParameters)
{
	ASSERT_EQ(effect->terminate(), kResultOk);
	for (MediaType type : {kAudio, kEvent})
		for (BusDirection dir : {kInput, kOutput})
			EXPECT_EQ(component->getBusCount(type, dir), 0);
	EXPECT_EQ(controller->getParameterCount(), 0);
	// Initialize again: the effect comes back whole.
	ASSERT_EQ(effect->initialize(nullptr), kResultOk);
	EXPECT_EQ(component->getBusCount(kAudio, kInput), 1);
	EXPECT_EQ(controller->getParameterCount(), 2);
}

} // namespace
