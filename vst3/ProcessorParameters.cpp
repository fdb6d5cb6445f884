// initialize: the effect, the buses, the host parameters and the units.
#include "LogParameter.h"
#include "PeakParameter.h"
#include "Processor.h"
#include "VoltOctaveParameter.h"

#include "NumericLimits.h"
#include "pluginterfaces/base/ustring.h"
#include "public.sdk/source/vst/utility/stringconvert.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// A control's 8-bit text as the UTF-16 the SDK wants.
struct Text16
{
	explicit Text16(const char* text) { VST3::StringConvert::convert(text ? text : "", chars); }
	operator const TChar*() const { return chars; }
	String128 chars;
};

RangeParameter* rangeParameter(const TChar* title, ParamID id, ParamValue defaultValue, int32 flags, int32 precision)
{
	auto* parameter = new RangeParameter(title, id, STR16(""), 0, 1, defaultValue, 0, flags, kRootUnitId);
	parameter->setPrecision(precision);
	return parameter;
}

bool isParameterKind(uint32_t kind)
{
	return kind == 100 || kind == 102 || kind == 104 || kind == 106;
}

} // namespace

std::optional<std::string> Processor::enumLabelAt(const char* list, int32 k)
{
	std::string rest = list ? list : "";
	for (int32 j = 0; j < k; ++j)
	{
		const size_t comma = rest.find(',');
		if (comma == std::string::npos)
			return std::nullopt;
		rest.erase(0, comma + 1);
	}
	std::string label = rest.substr(0, rest.find(','));
	if (label == "SWITCH_OFF")
		return std::string("OFF");
	if (label == "SWITCH_ON")
		return std::string("ON");
	return label;
}

tresult PLUGIN_API Processor::initialize(FUnknown* context)
{
	const tresult result = SingleComponentEffect::initialize(context);
	// Only an instance already initialized is refused; its effect may be
	// processing and must stay.
	if (result != kResultOk && effect)
		return result;

	effect.reset(makeEffect());
	effect->onCreated();
	latencySamples = saturatingInt32(effect->m_latencySamples);
	auxInputWanted = effect->m_wantsSideChain != 0;
	sampleAccurate = effect->m_wantsParamQueues != 0;
	queueGranularity = static_cast<int32>(effect->m_queueGranularity);
	controllerChanges.attach(*effect);

	int32 presetCount = 0;
	for (const char* name : effect->m_presetNames)
		if (name && *name)
			++presetCount;

	if (result == kResultOk)
	{
		addAudioOutput(STR16("Audio Output"), SpeakerArr::kStereo);
		if (!effect->m_outputOnly)
		{
			addAudioInput(STR16("AudioInput"), SpeakerArr::kStereo);
			if (auxInputWanted)
				addAudioInput(STR16("AuxInput"), SpeakerArr::kStereo, kAux);
		}
		addEventInput(STR16("Event Input"), 16);

		midiEvents = std::make_unique<CVSTMidiEventList>(effect.get());
		HostMessageInfo eventListMessage;
		eventListMessage.eventList = midiEvents.get();
		effect->hostMessage(kHostEventList, eventListMessage);

		const int32 controlCount = effect->m_controls.count();
		if (sampleAccurate)
			paramQueues = std::make_unique<std::unique_ptr<CVSTParamUpdateQueue>[]>(controlCount);
		for (int32 i = 0; i < controlCount; ++i)
		{
			const ControlDescriptor* control = effect->m_controls.at(i);
			if (!control)
				continue;
			if (sampleAccurate)
				paramQueues[i] = std::make_unique<CVSTParamUpdateQueue>(queueGranularity);
			addControlParameter(i, *control);
		}
		addExtraParameters();
	}

	addUnits(presetCount);
	return result;
}

void Processor::addControlParameter(int32 index, const ControlDescriptor& control)
{
	const ParamID id = static_cast<ParamID>(index);
	const Text16 title(control.name.c_str());
	if (control.kind == kControlMeter)
	{
		auto* meter = new PeakParameter(ParameterInfo::kIsReadOnly, id, title);
		meter->setNormalized(0);
		parameters.addParameter(meter);
		meterParamIds.push_back(index);
		return;
	}
	if (!isParameterKind(control.kind))
		return;

	if (control.valueType == kEnumValue)
	{
		auto* list = new StringListParameter(title, id, nullptr, ParameterInfo::kCanAutomate | ParameterInfo::kIsList,
		                                     kRootUnitId);
		for (int32 k = 0;; ++k)
		{
			const std::optional<std::string> label = enumLabelAt(control.enumLabels.c_str(), k);
			if (!label)
				break;
			list->appendString(Text16(label->c_str()));
		}
		parameters.addParameter(list);
		return;
	}

	const Text16 units(control.units.c_str());
	const ParamValue minimum = control.minimum, maximum = control.maximum;
	const ParamValue defaultValue = effect->controlValue(static_cast<uint32_t>(index));
	const int32 flags = ParameterInfo::kCanAutomate;
	Parameter* parameter;
	if (control.logTaper)
		parameter = new LogParameter(title, id, units, minimum, maximum, defaultValue, 0, flags, kRootUnitId);
	else if (control.voltOctaveTaper)
		parameter = new VoltOctaveParameter(title, id, units, minimum, maximum, defaultValue, 0, flags, kRootUnitId);
	else
		parameter = new RangeParameter(title, id, units, minimum, maximum, defaultValue, 0, flags, kRootUnitId);
	parameter->setPrecision(control.valueType == kIntValue ? 0 : control.precision());
	parameters.addParameter(parameter);
}

void Processor::addExtraParameters()
{
	const int32 automate = ParameterInfo::kCanAutomate;
	parameters.addParameter(rangeParameter(STR16("VectorJoystick X"), JOYSTICK_X, 0.5, automate, 2));
	parameters.addParameter(rangeParameter(STR16("VectorJoystick Y"), JOYSTICK_Y, 0.5, automate, 2));
	const ParamID buttons[3] = {ASSIGNBUTTON_1, ASSIGNBUTTON_2, ASSIGNBUTTON_3};
	for (int b = 0; b < 3; ++b)
	{
		const char* label = effect->m_buttonLabels[b];
		if (label && *label)
			parameters.addParameter(rangeParameter(Text16(label), buttons[b], 0, automate, 0));
	}

	parameters.addParameter(new RangeParameter(STR16("Bypass"), kParamBypass, STR16(""), 0, 1, 0, 0,
	                                           automate | ParameterInfo::kIsBypass, kRootUnitId));
	const struct
	{
		const TChar* title;
		ParamID id;
	} midiParameters[] = {
		{STR16("PitchBend"), kParamPitchBend},
		{STR16("MIDI Vol"), kParamMidiVolume},
		{STR16("MIDI Pan"), kParamMidiPan},
		{STR16("MIDI Mod Wheel"), kParamModWheel},
		{STR16("MIDI Expression"), kParamExpression},
		{STR16("MIDI Channel Pressure"), kParamChannelPressure},
		{STR16("MIDI Sustain Pedal"), kParamSustainPedal},
		{STR16("All Notes Off"), kParamAllNotesOff},
	};
	for (const auto& midi : midiParameters)
		parameters.addParameter(rangeParameter(midi.title, midi.id, 0, automate, 1));
}

void Processor::addUnits(int32 presetCount)
{
	UnitInfo root{};
	root.id = 1;
	root.parentUnitId = 0;
	root.programListId = kNoProgramListId;
	UString(root.name, str16BufferSize(String128)).assign(STR16("RootUnit"));
	addUnit(new Unit(root));
	if (presetCount == 0)
		return;

	UnitInfo presets{};
	presets.id = 0;
	presets.parentUnitId = 1;
	presets.programListId = kProgramListId;
	UString(presets.name, str16BufferSize(String128)).assign(STR16("PresetsUnit"));
	addUnit(new Unit(presets));

	auto* program = new StringListParameter(STR16("Factory Presets"), kParamProgram, STR16(""),
	                                        ParameterInfo::kIsProgramChange | ParameterInfo::kIsList, 0);
	for (const char* name : effect->m_presetNames)
		if (name && *name)
			program->appendString(Text16(name));
	parameters.addParameter(program);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
