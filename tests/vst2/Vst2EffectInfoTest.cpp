// What the AEffect and the descriptive opcodes tell a host.
#include "Vst2TestHost.h"
#include "Vst3Face.h"

#include <gtest/gtest.h>

using namespace Vst2Test;

TEST(Vst2EffectInfo, AEffectDescribesAStereoEffectWithChunks)
{
	Instance plug;
	EXPECT_EQ(plug->magic, kEffectMagic);
	EXPECT_EQ(plug->uniqueID, CCONST('T', 'R', 'V', '1'));
	EXPECT_EQ(plug->flags, effFlagsCanReplacing | effFlagsProgramChunks | effFlagsHasEditor) << "no synth, no doubles";
	EXPECT_EQ(plug->numInputs, 2);
	EXPECT_EQ(plug->numOutputs, 2);
	EXPECT_EQ(plug->numPrograms, 11);
	EXPECT_EQ(plug->version, 1000);
	EXPECT_NE(plug->processReplacing, nullptr);
	EXPECT_EQ(plug->processDoubleReplacing, nullptr);
	EXPECT_NE(plug->object, nullptr);

	Vst3Face face;
	EXPECT_EQ(plug->numParams, face.instance.controller().getParameterCount());
}

TEST(Vst2EffectInfo, NamesVendorAndVersionComeFromTheFactory)
{
	Instance plug;
	EXPECT_EQ(plug.text(effGetEffectName), "VeltraneFree");
	EXPECT_EQ(plug.text(effGetProductString), "VeltraneFree");
	EXPECT_EQ(plug.text(effGetVendorString), "Tallow Ridge");
	EXPECT_EQ(plug.dispatch(effGetVendorVersion), 1000);
	EXPECT_EQ(plug.dispatch(effGetPlugCategory), kPlugCategEffect);
	EXPECT_EQ(plug.dispatch(effGetVstVersion), 2400);
}

TEST(Vst2EffectInfo, CanDoAnswersForWhatTheClassHas)
{
	Instance plug;
	const auto canDo = [&](const char* feature) { return plug.dispatch(effCanDo, 0, 0, const_cast<char*>(feature)); };
	EXPECT_EQ(canDo("receiveVstEvents"), 1);
	EXPECT_EQ(canDo("receiveVstMidiEvent"), 1);
	EXPECT_EQ(canDo("receiveVstTimeInfo"), 1);
	EXPECT_EQ(canDo("bypass"), 1);
	EXPECT_EQ(canDo("sendVstMidiEvent"), -1);
	EXPECT_EQ(canDo("somethingNobodyAsks"), 0);
}

TEST(Vst2EffectInfo, TailSizeIsTheProcessorsInVst2Terms)
{
	Instance plug;
	plug.resume(48000.0, 256);
	Vst3Face face;
	face.instance.setupProcessing(48000.0, 256);
	const Steinberg::uint32 tail = face.instance.tailSamples();
	VstIntPtr expected = tail;
	if (tail == Steinberg::Vst::kNoTail)
		expected = 1; // VST 2 says 1 for none, 0 means "not known"
	else if (tail == Steinberg::Vst::kInfiniteTail)
		expected = 0x7FFFFFFF;
	EXPECT_EQ(plug.dispatch(Steinberg::Vst::Vst2::kEffGetTailSize), expected);
}
