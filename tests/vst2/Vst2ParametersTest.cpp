// Parameters and programs as a VST 2 host sees and sets them.
#include "MidiEvents.h"
#include "Vst2TestHost.h"
#include "Vst3Face.h"

#include "public.sdk/source/vst/utility/stringconvert.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Vst2Test;
using Steinberg::Vst::ParameterInfo;
using VST3::StringConvert::convert;

namespace {

constexpr int kDelay = 0;
constexpr int kCutoff = 2;
constexpr int kDelayState = 8;  // a list of 3 entries
constexpr int kBypass = 15;
constexpr int kModWheel = 19;
constexpr int kProgram = 24;

bool called(int opcode)
{
	const auto& calls = hostCalls();
	return std::any_of(calls.begin(), calls.end(), [opcode](const HostCall& call) { return call.opcode == opcode; });
}

} // namespace

TEST(Vst2Parameters, AreTheControllersInItsOrderWithItsTexts)
{
	Instance plug;
	Vst3Face face;
	Steinberg::Vst::IEditController& controller = face.instance.controller();
	ASSERT_EQ(plug->numParams, controller.getParameterCount());
	for (int i = 0; i < plug->numParams; ++i)
	{
		ParameterInfo info {};
		controller.getParameterInfo(i, info);
		Steinberg::Vst::String128 display {};
		controller.getParamStringByValue(info.id, controller.getParamNormalized(info.id), display);
		EXPECT_EQ(plug.text(effGetParamName, i), convert(info.title)) << i;
		EXPECT_EQ(plug.text(effGetParamLabel, i), convert(info.units)) << i;
		EXPECT_EQ(plug.text(effGetParamDisplay, i), convert(display)) << i;
		EXPECT_EQ(plug->getParameter(plug.get(), i), static_cast<float>(controller.getParamNormalized(info.id))) << i;
		EXPECT_EQ(plug.dispatch(effCanBeAutomated, i), (info.flags & ParameterInfo::kCanAutomate) ? 1 : 0) << i;
	}
	EXPECT_EQ(plug.text(effGetParamName, kDelay), "Delay");
	EXPECT_EQ(plug.text(effGetParamLabel, kDelay), "mSec");
	EXPECT_EQ(plug.text(effGetParamDisplay, kCutoff), "16000.00");
	EXPECT_EQ(plug.dispatch(effCanBeAutomated, kProgram), 0);
}

TEST(Vst2Parameters, TextsStayWithinTheirBuffers)
{
	Instance plug;
	for (int i = 0; i < plug->numParams; ++i)
		for (int opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay})
			EXPECT_LT(plug.text(opcode, i).size(), static_cast<size_t>(Steinberg::Vst::Vst2::kParameterTextSize));
	for (int k = 0; k < plug->numPrograms; ++k)
		EXPECT_LT(plug.text(effGetProgramNameIndexed, k).size(), static_cast<size_t>(Steinberg::Vst::Vst2::kProgramNameSize));
}

TEST(Vst2Parameters, SetParameterReachesGetParameterAndTheController)
{
	Instance plug;
	plug->setParameter(plug.get(), kDelay, 0.25f);
	EXPECT_EQ(plug->getParameter(plug.get(), kDelay), 0.25f);
	EXPECT_EQ(plug.text(effGetParamDisplay, kDelay), "500.00");

	// A stepped parameter holds its nearest step.
	Vst3Face face;
	ParameterInfo info {};
	face.instance.controller().getParameterInfo(kDelayState, info);
	ASSERT_GT(info.stepCount, 0);
	const float justAboveFirstStep = 0.9f / static_cast<float>(info.stepCount);
	plug->setParameter(plug.get(), kDelayState, justAboveFirstStep);
	EXPECT_EQ(plug->getParameter(plug.get(), kDelayState), 1.0f / static_cast<float>(info.stepCount));
	EXPECT_EQ(plug.text(effGetParamDisplay, kDelayState), "Delay");

	// Out of range indexes are ignored.
	plug->setParameter(plug.get(), plug->numParams, 1.0f);
	EXPECT_EQ(plug->getParameter(plug.get(), plug->numParams), 0.0f);
	EXPECT_EQ(plug->getParameter(plug.get(), -1), 0.0f);
}

TEST(Vst2Parameters, TextSetsAParameter)
{
	Instance plug;
	EXPECT_EQ(plug.dispatch(effString2Parameter, kDelay, 0, const_cast<char*>("1000")), 1);
	EXPECT_FLOAT_EQ(plug->getParameter(plug.get(), kDelay), 0.5f);
	EXPECT_EQ(plug.text(effGetParamDisplay, kDelay), "1000.00");
}

TEST(Vst2Parameters, BypassOpcodeSetsTheBypassParameter)
{
	Instance plug;
	EXPECT_EQ(plug.dispatch(Steinberg::Vst::Vst2::kEffSetBypass, 0, 1), 1);
	EXPECT_EQ(plug->getParameter(plug.get(), kBypass), 1.0f);
	plug.dispatch(Steinberg::Vst::Vst2::kEffSetBypass, 0, 0);
	EXPECT_EQ(plug->getParameter(plug.get(), kBypass), 0.0f);
}

TEST(Vst2Programs, AreTheFactoryPresetsByName)
{
	Instance plug;
	const char* names[] = {"Factory Preset", "Heavy", "Hollow Ring", "Banking", "Beats as Bass", "Crude Verb",
		"Some Space", "Padding for Pads", "Good on Atmos", "Pipes", "Automate Me"};
	ASSERT_EQ(plug->numPrograms, 11);
	for (int k = 0; k < 11; ++k)
	{
		EXPECT_EQ(plug.dispatch(effGetProgramNameIndexed, k, 0, nullptr), 0) << "no buffer, no answer";
		EXPECT_EQ(plug.text(effGetProgramNameIndexed, k), names[k]);
	}
	char buffer[64] = "unchanged";
	EXPECT_EQ(plug.dispatch(effGetProgramNameIndexed, 11, 0, buffer), 0);
	EXPECT_STREQ(buffer, "unchanged");
	EXPECT_EQ(plug.dispatch(effGetProgram), 0);
	EXPECT_EQ(plug.text(effGetProgramName), "Factory Preset");
}

TEST(Vst2Programs, SelectingOneLoadsItsPreset)
{
	hostCalls().clear();
	Instance plug;
	plug.dispatch(effSetProgram, 0, 3);
	EXPECT_EQ(plug.dispatch(effGetProgram), 3);
	EXPECT_EQ(plug.text(effGetProgramName), "Banking");
	EXPECT_NEAR(plug->getParameter(plug.get(), kCutoff), (5108.500488 - 100) / 15900, 1e-6);
	EXPECT_EQ(plug.text(effGetParamDisplay, kCutoff), "5108.50");
	EXPECT_EQ(plug.text(effGetParamDisplay, kDelay), "740.00");
	EXPECT_FLOAT_EQ(plug->getParameter(plug.get(), kProgram), 0.3f);
	EXPECT_TRUE(called(Steinberg::Vst::Vst2::kAudioMasterUpdateDisplay)) << "the host must redraw the new values";

	plug.dispatch(effSetProgram, 0, 11); // past the end: ignored
	plug.dispatch(effSetProgram, 0, -1);
	EXPECT_EQ(plug.dispatch(effGetProgram), 3);
}

TEST(Vst2Programs, TheProgramParameterSelectsToo)
{
	Instance plug;
	// 0.7f is just below 7/10: it must still be program 7, not 6.
	plug->setParameter(plug.get(), kProgram, 0.7f);
	EXPECT_EQ(plug.dispatch(effGetProgram), 7);
	EXPECT_EQ(plug.text(effGetProgramName), "Padding for Pads");
}

TEST(Vst2Programs, EveryProgramMatchesTheVst3Preset)
{
	Instance plug;
	Vst3Face face;
	Steinberg::Vst::IEditController& controller = face.instance.controller();
	for (int k = 0; k < plug->numPrograms; ++k)
	{
		plug.dispatch(effSetProgram, 0, k);
		controller.setParamNormalized(0x70727374, k / 10.0);
		for (int i = 0; i < plug->numParams; ++i)
		{
			ParameterInfo info {};
			controller.getParameterInfo(i, info);
			EXPECT_EQ(plug->getParameter(plug.get(), i), static_cast<float>(controller.getParamNormalized(info.id)))
				<< "program " << k << ", parameter " << i;
		}
	}
}

TEST(Vst2Parameters, MidiControllersMoveTheirMappedParameter)
{
	Instance plug;
	plug.resume(48000.0, 64);
	MidiEvents events;
	events.add(5, 0xB0, 1, 127); // mod wheel fully up, 5 frames in
	EXPECT_EQ(plug.dispatch(effProcessEvents, 0, 0, events.get()), 1);
	std::vector<float> left(64), right(64);
	plug.process(left, right);
	EXPECT_EQ(plug->getParameter(plug.get(), kModWheel), 1.0f);
	EXPECT_EQ(plug.text(effGetParamDisplay, kModWheel), "1.0") << "the controller follows";
}
