// What the host learns about parameters, units, programs and MIDI mapping:
// the ids and ranges it stores in automation and projects.
#include "ModuleTestSupport.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace ModuleTest {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr int32 kAutomate = ParameterInfo::kCanAutomate;
constexpr int32 kList = ParameterInfo::kCanAutomate | ParameterInfo::kIsList;

struct ExpectedParameter
{
	ParamID id;
	const char* title;
	const char* units;
	double minimum, maximum; // plain values at normalized 0 and 1
	double defaultNormalized;
	int32 flags;
	int32 stepCount;
	double probe;      // a normalized value ...
	const char* shown; // ... and how the parameter shows it
};

const std::vector<ExpectedParameter>& expectedParameters()
{
	static const std::vector<ExpectedParameter> table = {
		{0, "Delay", "mSec", 0, 2000, 0, kAutomate, 0, 0.25, "500.00"},
		{1, "Feedback", "%", 0, 100, 0, kAutomate, 0, 0.5, "50.00"},
		{2, "Cutoff", "Hz", 100, 16000, 1, kAutomate, 0, 0.5, "8050.00"},
		{3, "Resonance", "", 0.5, 10, 0, kAutomate, 0, 0.5, "5.25"},
		{4, "Delay Ratio", "Divide", 1, 20, 0, kAutomate, 0, 0.5, "10.50"},
		{5, "Offset", "", 0, 1, 0, kAutomate, 0, 0.25, "0.25"},
		{6, "Wet/Dry", "%", 0, 100, 0.5, kAutomate, 0, 0.125, "12.50"},
		{7, "Volume", "", 0, 1, static_cast<double>(0.7f), kAutomate, 0, 0.5, "0.50"},
		{8, "Delay State", "", 0, 1, 0, kList, 1, 1, "Delay"},
		{9, "Active", "", 0, 1, 0, kList, 1, 1, "Off"},
		{0x8005, "VectorJoystick X", "", 0, 1, 0.5, kAutomate, 0, 0.25, "0.25"},
		{0x8006, "VectorJoystick Y", "", 0, 1, 0.5, kAutomate, 0, 0.75, "0.75"},
		{0x8000, "B1", "", 0, 1, 0, kAutomate, 0, 1, "1"},
		{0x8001, "B2", "", 0, 1, 0, kAutomate, 0, 1, "1"},
		{0x8002, "B3", "", 0, 1, 0, kAutomate, 0, 1, "1"},
		{0x808, "Bypass", "", 0, 1, 0, kAutomate | ParameterInfo::kIsBypass, 0, 0.25, "0.2500"},
		{0x800, "PitchBend", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x802, "MIDI Vol", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x803, "MIDI Pan", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x801, "MIDI Mod Wheel", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x804, "MIDI Expression", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x806, "MIDI Channel Pressure", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x805, "MIDI Sustain Pedal", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{0x807, "All Notes Off", "", 0, 1, 0, kAutomate, 0, 0.5, "0.5"},
		{kProgramId, "Factory Presets", "", 0, 10, 0, ParameterInfo::kIsProgramChange | ParameterInfo::kIsList, 10,
		 0.3, "Banking"},
	};
	return table;
}

const char* const kProgramNames[kPresetCount] = {"Factory Preset", "Heavy", "Hollow Ring", "Banking",
	"Beats as Bass", "Crude Verb", "Some Space", "Padding for Pads", "Good on Atmos", "Pipes", "Automate Me"};

class ModuleParameters : public ::testing::Test
{
protected:
	IPtr<IUnitInfo> units() const { return plugIn.instance.queryInterface<IUnitInfo>(); }
	std::string programName(ProgramListID list, int32 index, tresult expected = kResultOk)
	{
		String128 name = {};
		EXPECT_EQ(units()->getProgramName(list, index, name), expected) << "program " << index;
		return toAscii(name);
	}
	std::string shown(ParamID id, ParamValue normalized)
	{
		String128 text = {};
		EXPECT_EQ(plugIn.controller().getParamStringByValue(id, normalized, text), kResultTrue);
		return toAscii(text);
	}

	PlugIn plugIn;
};

TEST_F(ModuleParameters, ListsTheParametersInHostOrder)
{
	IEditController& controller = plugIn.controller();
	const std::vector<ExpectedParameter>& table = expectedParameters();
	ASSERT_EQ(controller.getParameterCount(), static_cast<int32>(table.size()));

	for (size_t i = 0; i < table.size(); ++i)
	{
		const ExpectedParameter& expected = table[i];
		SCOPED_TRACE(expected.title);
		ParameterInfo info{};
		ASSERT_EQ(controller.getParameterInfo(static_cast<int32>(i), info), kResultOk);
		EXPECT_EQ(info.id, expected.id);
		EXPECT_EQ(toAscii(info.title), expected.title);
		EXPECT_EQ(toAscii(info.units), expected.units);
		EXPECT_EQ(info.stepCount, expected.stepCount);
		EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, expected.defaultNormalized);
		EXPECT_EQ(info.flags, expected.flags);
		EXPECT_EQ(info.unitId, 0);
		EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(expected.id, 0.0), expected.minimum);
		EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(expected.id, 1.0), expected.maximum);
		EXPECT_DOUBLE_EQ(controller.getParamNormalized(expected.id), expected.defaultNormalized);
		EXPECT_EQ(shown(expected.id, expected.probe), expected.shown);
	}
}

// An exception must not cross the interface into the host.
TEST_F(ModuleParameters, IndexesOutsideTheListsAreRefused)
{
	IEditController& controller = plugIn.controller();
	const IPtr<IUnitInfo> info = units();
	ASSERT_TRUE(info);
	for (int32 index : {-1, 25, 1000})
	{
		ParameterInfo parameter{};
		tresult answer = kResultOk;
		EXPECT_NO_THROW(answer = controller.getParameterInfo(index, parameter)) << "parameter " << index;
		EXPECT_NE(answer, kResultOk) << "parameter " << index;
	}
	for (int32 index : {-1, 2, 1000})
	{
		UnitInfo unit{};
		tresult answer = kResultOk;
		EXPECT_NO_THROW(answer = info->getUnitInfo(index, unit)) << "unit " << index;
		EXPECT_NE(answer, kResultOk) << "unit " << index;
		ProgramListInfo list{};
		EXPECT_NO_THROW(answer = info->getProgramListInfo(index, list)) << "program list " << index;
		EXPECT_NE(answer, kResultOk) << "program list " << index;
	}
}

// Values and texts no host should send are refused or bounded, never thrown
// across the interface or cast out of range.
TEST_F(ModuleParameters, HostileValuesAndTextsAreRefusedOrBounded)
{
	IEditController& controller = plugIn.controller();
	TChar loneSurrogate[] = {0xD800, u'1', 0};
	ParamValue value = 0.25;
	tresult answer = kResultOk;
	EXPECT_NO_THROW(answer = controller.getParamValueByString(0, loneSurrogate, value));
	EXPECT_NE(answer, kResultOk);

	EXPECT_EQ(programName(kProgramId, 2000000000), "Automate Me");
	EXPECT_EQ(controller.setParamNormalized(6, std::numeric_limits<double>::quiet_NaN()), kResultFalse);
	EXPECT_DOUBLE_EQ(controller.getParamNormalized(6), 0.5);
	EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(8, 1e300), 1.0);
	EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(0, -5.0), 0.0);
	EXPECT_EQ(shown(kProgramId, -3.0), "Factory Preset");

	// A program value past the end selects the last program, on both sides.
	ASSERT_EQ(controller.setParamNormalized(kProgramId, 1e10), kResultOk);
	EXPECT_FLOAT_EQ(static_cast<float>(controller.getParamNormalized(7)), 0.52f);
}

// A second initialize is refused and leaves the live effect in place.
TEST_F(ModuleParameters, SecondInitializeChangesNothing)
{
	plugIn.start();
	ASSERT_EQ(plugIn.controller().setParamNormalized(kProgramId, 0.5), kResultOk);
	const std::vector<std::uint8_t> before = plugIn.instance.getState();
	EXPECT_NE(plugIn.instance.component().initialize(nullptr), kResultOk);
	EXPECT_EQ(plugIn.controller().getParameterCount(), 25);
	EXPECT_EQ(plugIn.instance.getState(), before);
	EXPECT_TRUE(processSilence(plugIn, 4));
}

TEST_F(ModuleParameters, ConvertsThroughLinearRanges)
{
	IEditController& controller = plugIn.controller();
	EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(2, 8050), 0.5);
	EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(0, 0.37), 740);
	EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(4, 20), 1.0);
	EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(kProgramId, 3), 0.3);
	EXPECT_EQ(shown(8, 0.0), "Comb");
	EXPECT_EQ(shown(9, 0.0), "On");
	EXPECT_EQ(shown(kProgramId, 0.0), "Factory Preset");
	EXPECT_EQ(shown(kProgramId, 1.0), "Automate Me");
	// An id that names no parameter passes the value through.
	EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(0x1234, 0.37), 0.37);
	EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(0x1234, 0.37), 0.37);
}

TEST_F(ModuleParameters, UnitsCarryTheProgramList)
{
	const IPtr<IUnitInfo> info = units();
	ASSERT_TRUE(info);
	ASSERT_EQ(info->getUnitCount(), 2);
	UnitInfo root{}, presets{};
	ASSERT_EQ(info->getUnitInfo(0, root), kResultOk);
	ASSERT_EQ(info->getUnitInfo(1, presets), kResultOk);
	EXPECT_EQ(toAscii(root.name), "RootUnit");
	EXPECT_EQ(root.id, 1);
	EXPECT_EQ(root.parentUnitId, 0);
	EXPECT_EQ(root.programListId, kNoProgramListId);
	EXPECT_EQ(toAscii(presets.name), "PresetsUnit");
	EXPECT_EQ(presets.id, 0);
	EXPECT_EQ(presets.parentUnitId, 1);
	EXPECT_EQ(presets.programListId, static_cast<ProgramListID>(kProgramId));
}

TEST_F(ModuleParameters, ProgramListNamesTheFactoryPresets)
{
	const IPtr<IUnitInfo> info = units();
	ASSERT_TRUE(info);
	ASSERT_EQ(info->getProgramListCount(), 1);
	ProgramListInfo list{};
	ASSERT_EQ(info->getProgramListInfo(0, list), kResultOk);
	EXPECT_EQ(list.id, static_cast<ProgramListID>(kProgramId));
	EXPECT_EQ(toAscii(list.name), "Presets");
	EXPECT_EQ(list.programCount, kPresetCount);
	EXPECT_EQ(info->getProgramListInfo(1, list), kResultFalse);

	for (int32 index = 0; index < kPresetCount; ++index)
		EXPECT_EQ(programName(kProgramId, index), kProgramNames[index]);
	EXPECT_EQ(programName(kProgramId, 25), "Automate Me");
	programName(kProgramId, -1, kResultFalse);
	programName(0, 0, kResultFalse);
	programName(kProgramId + 1, 0, kResultFalse);

	String128 value = {};
	EXPECT_EQ(info->getProgramInfo(kProgramId, 0, "MusicalInstrument", value), kResultFalse);
}

TEST_F(ModuleParameters, MidiControllersMapToTheirParameters)
{
	const IPtr<IMidiMapping> mapping = plugIn.instance.queryInterface<IMidiMapping>();
	ASSERT_TRUE(mapping);
	const struct
	{
		CtrlNumber controller;
		ParamID id;
	} table[] = {
		{kCtrlModWheel, 0x801}, {kCtrlVolume, 0x802}, {kCtrlPan, 0x803}, {kCtrlExpression, 0x804},
		{kCtrlSustainOnOff, 0x805}, {kCtrlAllNotesOff, 0x807}, {kAfterTouch, 0x806}, {kPitchBend, 0x800},
	};
	for (int16 channel : {0, 5, 15})
	{
		for (const auto& row : table)
		{
			ParamID id = 0;
			EXPECT_EQ(mapping->getMidiControllerAssignment(0, channel, row.controller, id), kResultOk)
				<< "controller " << row.controller;
			EXPECT_EQ(id, row.id) << "controller " << row.controller << " on channel " << channel;
		}
	}

	ParamID id = 77;
	EXPECT_EQ(mapping->getMidiControllerAssignment(0, 0, 2, id), kResultFalse);
	EXPECT_EQ(id, 0u);

	for (CtrlNumber controller : {CtrlNumber(kCtrlModWheel), CtrlNumber(2), CtrlNumber(kPitchBend)})
	{
		ParamID untouched = 77;
		EXPECT_EQ(mapping->getMidiControllerAssignment(1, 0, controller, untouched), kResultFalse);
		EXPECT_EQ(untouched, 77u);
	}
}

} // namespace
} // namespace ModuleTest
