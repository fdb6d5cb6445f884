#include "ZuVurazOvaControls.h"

#include "ZuVurazOva.h"

namespace {

const char* const kPresetNames[kFactoryPresetCount] = {
	"Factory Preset", "Heavy", "Hollow Ring", "Banking", "Beats as Bass", "Crude Verb",
	"Some Space", "Padding for Pads", "Good on Atmos", "Pipes", "Automate Me",
};

struct ControlRow
{
	uint32_t controlId;
	const char* name;
	uint32_t kind;
	float CZuVurazOva::*floatVar;   // set for the knobs
	uint32_t CZuVurazOva::*enumVar; // set for the switches
	const char* variableName;
	const char* units;
	const char* enumLabels;
	float minimum, maximum, initial;
	double presets[kFactoryPresetCount];
};

// The enumeration columns store 0 as negative zero, as the presets were saved.
const ControlRow kRows[kZuVurazOvaControlCount] = {
	{0, "Delay", kControlContinuous, &CZuVurazOva::m_fDelay_ms, nullptr, "m_fDelay_ms", "mSec", "SEL1,SEL2,SEL3", 0, 2000, 0,
	 {0, 139.999985, 1140, 740, 2000, 1550, 750, 1300.000122, 850.000061, 850.000061, 830.000122}},
	{1, "Feedback", kControlContinuous, &CZuVurazOva::m_fFeedback_pct, nullptr, "m_fFeedback_pct", "%", "SEL1,SEL2,SEL3", 0, 100, 0,
	 {0, 58.499996, 82.499992, 100, 81.000008, 79, 88.499992, 91.999992, 66.999992, 78.499992, 73.999992}},
	{2, "Cutoff", kControlContinuous, &CZuVurazOva::m_f_fc_Hz, nullptr, "m_f_fc_Hz", "Hz", "SEL1,SEL2,SEL3", 100, 16000, 16000,
	 {16000, 16000, 16000, 5108.500488, 1133.50061, 4949.500488, 13058.5, 8129.5, 3995.5, 12979, 12979}},
	{3, "Resonance", kControlContinuous, &CZuVurazOva::m_f_Q, nullptr, "m_f_Q", "", "SEL1,SEL2,SEL3", 0.5f, 10, 0.5f,
	 {0.5, 0.69, 0.69, 3.35, 8.7175, 2.352499, 9.192499, 6.152499, 7.054999, 7.3875, 5.915}},
	{4, "Delay Ratio", kControlContinuous, &CZuVurazOva::m_fRatio, nullptr, "m_fRatio", "Divide", "SEL1,SEL2,SEL3", 1, 20, 1,
	 {1, 15.44, 14.775, 6.224999, 2.33, 14.68, 19.240002, 12.305001, 2.330002, 20, 20}},
	{5, "Offset", kControlContinuous, &CZuVurazOva::m_fOffset, nullptr, "m_fOffset", "", "SEL1,SEL2,SEL3", 0, 1, 0,
	 {0, 0, 0, 0.41, 0.105, 0, 0, 1, 1, 0.15, 0.07}},
	{6, "Wet/Dry", kControlContinuous, &CZuVurazOva::m_fWetLevel_pct, nullptr, "m_fWetLevel_pct", "%", "SEL1,SEL2,SEL3", 0, 100, 50,
	 {50, 100, 64, 61, 100, 27.000002, 15.000002, 33, 37.5, 37.5, 55}},
	{7, "Volume", kControlContinuous, &CZuVurazOva::m_fVolume, nullptr, "m_fVolume", "", "SEL1,SEL2,SEL3", 0, 1, 0.7f,
	 {0.7, 0.635, 0.635, 0.635, 0.635, 0.635, 0.635, 0.52, 0.52, 0.52, 0.52}},
	{41, "Delay State", kControlSwitch, nullptr, &CZuVurazOva::m_uDState, "m_uDState", "", "Comb,Delay", 0, 1, 0,
	 {-0.0, -0.0, -0.0, -0.0, -0.0, 1, 1, 1, 1, 1, -0.0}},
	{42, "Active", kControlSwitch, nullptr, &CZuVurazOva::m_uActive, "m_uActive", "", "On,Off", 0, 1, 0,
	 {-0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0}},
};

ControlDescriptor joystickAxis(const char* name, uint32_t controlId, uint32_t midiNumber, int32_t index)
{
	ControlDescriptor axis;
	axis.name = name;
	axis.controlId = controlId;
	axis.midiNumber = midiNumber;
	axis.padCoordinates = true;
	axis.index = index;
	return axis;
}

} // namespace

void appendZuVurazOvaControls(CZuVurazOva& effect)
{
	for (int position = 0; position < kZuVurazOvaControlCount; ++position)
	{
		const ControlRow& row = kRows[position];
		ControlDescriptor control;
		control.kind = row.kind;
		control.controlId = row.controlId;
		control.name = row.name;
		control.units = row.units;
		control.variableName = row.variableName;
		control.enumLabels = row.enumLabels;
		control.minimum = row.minimum;
		control.maximum = row.maximum;
		control.index = position;
		control.setPrecision(2);
		if (row.floatVar)
		{
			control.valueType = kFloatValue;
			control.floatVar = &(effect.*row.floatVar);
			control.smoothingEnabled = true;
			*control.floatVar = row.initial;
		}
		else
		{
			control.valueType = kEnumValue;
			control.enumVar = &(effect.*row.enumVar);
			*control.enumVar = static_cast<uint32_t>(row.initial);
		}
		for (int slot = 0; slot < kFactoryPresetCount; ++slot)
			control.presetValues[slot] = row.presets[slot];
		effect.m_controls.append(control);
	}

	for (int slot = 0; slot < kPresetSlots; ++slot)
		effect.m_presetNames[slot] = slot < kFactoryPresetCount ? kPresetNames[slot] : "";
	effect.m_hasEditorDescription = true;
	effect.m_editorOption = 2;
	effect.m_wantsSideChain = 0;
	effect.m_wantsParamQueues = 0;
	effect.m_queueGranularity = 1;
	// Feedback can reach 100 %, so the echoes may ring on for ever.
	effect.m_infiniteTail = 1;
	effect.m_latencySamples = 0;
	effect.m_tailMs = 0;
	effect.m_joystickX = joystickAxis("MIDI JS X", 32773, 16, 10);
	effect.m_joystickY = joystickAxis("MIDI JS Y", 32774, 17, 11);
}
