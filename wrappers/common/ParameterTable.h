// Every parameter of a hosted VST 3 controller, read once on the main thread:
// what a plug-in format that describes its parameters up front (LV2, CLAP)
// needs to answer hosts, and the value conversions the audio thread may use
// without calling into the controller.
#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstunits.h"

#include <string>
#include <utility>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Wrappers {

struct ParameterEntry
{
	// How plain and normalized values relate, as probed from the controller.
	enum class Mapping
	{
		linear,  // plain = n * (max - min) + min
		stepped, // plain = min + the step n falls in (list and stepped range parameters)
		curved,  // anything else: interpolated from samples of the controller's curve
	};

	ParamID id = kNoParamId;
	std::string title;
	std::string shortTitle;
	std::string units;
	double minPlain = 0.0;
	double maxPlain = 1.0;
	double defaultPlain = 0.0;
	ParamValue defaultNormalized = 0.0;
	int32 stepCount = 0;
	int32 flags = 0; // ParameterInfo::ParameterFlags
	UnitID unitId = kRootUnitId;
	Mapping mapping = Mapping::linear;
	bool logarithmic = false;        // a curve that bends like a frequency knob
	std::vector<std::string> labels; // the entries of a list parameter
	std::vector<double> curve;       // plain values at evenly spaced normalized values (curved only)

	bool canAutomate() const { return flags & ParameterInfo::kCanAutomate; }
	bool isBypass() const { return flags & ParameterInfo::kIsBypass; }
	bool isProgramChange() const { return flags & ParameterInfo::kIsProgramChange; }
	bool isReadOnly() const { return flags & ParameterInfo::kIsReadOnly; }
	bool isHidden() const { return flags & ParameterInfo::kIsHidden; }
	bool isList() const { return flags & ParameterInfo::kIsList; }
};

class ParameterTable
{
public:
	// Reads everything at once; midiMapping and unitInfo may be null.
	ParameterTable(IEditController& controller, IMidiMapping* midiMapping, IUnitInfo* unitInfo);

	int32 size() const { return static_cast<int32>(entries.size()); }
	const ParameterEntry& at(int32 index) const { return entries[static_cast<size_t>(index)]; }
	// -1 for an id the controller does not have.
	int32 indexOf(ParamID id) const;

	// Safe on any thread: no controller call, no allocation. Values outside
	// the range, and non-finite ones, land on its nearest end (NaN on the minimum).
	ParamValue toNormalized(int32 index, double plain) const;
	double toPlain(int32 index, ParamValue normalized) const;

	// The parameter a MIDI controller (VST 3 numbering: CC 0..127, kAfterTouch,
	// kPitchBend) on a channel moves, as the controller's IMidiMapping says; kNoParamId for none.
	ParamID midiTarget(int32 channel, int32 controllerNumber) const;

	// The program names of the program-change parameter's list (empty without one).
	const std::vector<std::string>& programNames() const { return programs; }
	int32 bypassIndex() const { return bypass; }
	int32 programChangeIndex() const { return programChange; }

private:
	void read(IEditController& controller, int32 index);
	void readPrograms(IEditController& controller, IUnitInfo* unitInfo);

	std::vector<ParameterEntry> entries;
	std::vector<std::pair<ParamID, int32>> indexById; // sorted by id
	std::vector<ParamID> midiTargets;                 // [channel * kCountCtrlNumber + number]
	std::vector<std::string> programs;
	int32 bypass = -1;
	int32 programChange = -1;
};

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
