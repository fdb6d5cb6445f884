#include "ParameterTable.h"

#include "pluginterfaces/base/futils.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Steinberg {
namespace Vst {
namespace Wrappers {

namespace {

constexpr int32 kCurveSamples = 256; // intervals of a curved parameter's sampled curve
constexpr int32 kMidiChannels = 16;

std::string text(const String128 string)
{
	return VST3::StringConvert::convert(string, 128);
}

bool isLinear(IEditController& controller, const ParameterEntry& entry)
{
	const double span = entry.maxPlain - entry.minPlain;
	if (!(span != 0.0))
		return false;
	for (const ParamValue n : {0.0, 0.125, 0.25, 0.5, 0.75, 1.0})
	{
		const double plain = n * span + entry.minPlain;
		if (controller.normalizedParamToPlain(entry.id, n) != plain ||
			controller.plainParamToNormalized(entry.id, plain) != (plain - entry.minPlain) / span)
			return false;
	}
	return true;
}

bool isStepped(IEditController& controller, const ParameterEntry& entry)
{
	if (entry.stepCount < 1 || entry.maxPlain - entry.minPlain != entry.stepCount)
		return false;
	for (int32 step = 0; step <= std::min<int32>(entry.stepCount, 64); ++step)
	{
		const ParamValue n = ToNormalized<ParamValue>(step, entry.stepCount);
		if (controller.normalizedParamToPlain(entry.id, n) != entry.minPlain + step ||
			controller.plainParamToNormalized(entry.id, entry.minPlain + step) != n)
			return false;
	}
	return true;
}

} // namespace

ParameterTable::ParameterTable(IEditController& controller, IMidiMapping* midiMapping, IUnitInfo* unitInfo)
{
	const int32 count = std::max<int32>(controller.getParameterCount(), 0);
	for (int32 i = 0; i < count; ++i)
		read(controller, i);
	for (int32 i = 0; i < size(); ++i)
		indexById.emplace_back(entries[static_cast<size_t>(i)].id, i);
	std::sort(indexById.begin(), indexById.end());

	// Asked once here, never from the audio thread.
	midiTargets.assign(static_cast<size_t>(kMidiChannels * kCountCtrlNumber), kNoParamId);
	if (midiMapping)
		for (int16 channel = 0; channel < kMidiChannels; ++channel)
			for (CtrlNumber number = 0; number < kCountCtrlNumber; ++number)
			{
				ParamID id = kNoParamId;
				if (midiMapping->getMidiControllerAssignment(0, channel, number, id) == kResultTrue && indexOf(id) >= 0)
					midiTargets[static_cast<size_t>(channel * kCountCtrlNumber + number)] = id;
			}
	readPrograms(controller, unitInfo);
}

void ParameterTable::read(IEditController& controller, int32 index)
{
	ParameterInfo info {};
	if (controller.getParameterInfo(index, info) != kResultOk)
		return;
	ParameterEntry entry;
	entry.id = info.id;
	entry.title = text(info.title);
	entry.shortTitle = text(info.shortTitle);
	entry.units = text(info.units);
	entry.stepCount = info.stepCount;
	entry.flags = info.flags;
	entry.unitId = info.unitId;
	entry.defaultNormalized = info.defaultNormalizedValue;
	entry.minPlain = controller.normalizedParamToPlain(info.id, 0.0);
	entry.maxPlain = controller.normalizedParamToPlain(info.id, 1.0);
	entry.defaultPlain = controller.normalizedParamToPlain(info.id, info.defaultNormalizedValue);

	if (isStepped(controller, entry))
		entry.mapping = ParameterEntry::Mapping::stepped;
	else if (isLinear(controller, entry))
		entry.mapping = ParameterEntry::Mapping::linear;
	else
	{
		entry.mapping = ParameterEntry::Mapping::curved;
		for (int32 k = 0; k <= kCurveSamples; ++k)
			entry.curve.push_back(controller.normalizedParamToPlain(info.id, static_cast<double>(k) / kCurveSamples));
		const double middle = entry.curve[kCurveSamples / 2];
		entry.logarithmic = entry.minPlain > 0.0 && middle < 0.5 * (entry.minPlain + entry.maxPlain);
	}

	if (entry.isList() && entry.stepCount > 0)
		for (int32 step = 0; step <= entry.stepCount; ++step)
		{
			String128 label {};
			controller.getParamStringByValue(info.id, ToNormalized<ParamValue>(step, entry.stepCount), label);
			entry.labels.push_back(text(label));
		}
	if (entry.isBypass() && bypass < 0)
		bypass = size();
	if (entry.isProgramChange() && programChange < 0)
		programChange = size();
	entries.push_back(std::move(entry));
}

void ParameterTable::readPrograms(IEditController& controller, IUnitInfo* unitInfo)
{
	if (programChange < 0)
		return;
	const ParameterEntry& entry = at(programChange);
	ProgramListID listId = kNoProgramListId;
	for (int32 u = 0; unitInfo && u < unitInfo->getUnitCount(); ++u)
	{
		UnitInfo unit {};
		if (unitInfo->getUnitInfo(u, unit) == kResultOk && unit.id == entry.unitId)
			listId = unit.programListId;
	}
	for (int32 l = 0; listId != kNoProgramListId && l < unitInfo->getProgramListCount(); ++l)
	{
		ProgramListInfo list {};
		if (unitInfo->getProgramListInfo(l, list) != kResultOk || list.id != listId)
			continue;
		for (int32 p = 0; p < list.programCount; ++p)
		{
			String128 name {};
			if (unitInfo->getProgramName(listId, p, name) != kResultOk)
				break;
			programs.push_back(text(name));
		}
		return;
	}
	// No list behind the unit: the parameter's own steps name the programs.
	for (int32 step = 0; step <= entry.stepCount && entry.stepCount > 0; ++step)
	{
		String128 name {};
		controller.getParamStringByValue(entry.id, ToNormalized<ParamValue>(step, entry.stepCount), name);
		programs.push_back(text(name));
	}
}

int32 ParameterTable::indexOf(ParamID id) const
{
	const auto found = std::lower_bound(indexById.begin(), indexById.end(), std::make_pair(id, int32(0)));
	return found != indexById.end() && found->first == id ? found->second : -1;
}

ParamValue ParameterTable::toNormalized(int32 index, double plain) const
{
	const ParameterEntry& entry = at(index);
	const double low = std::min(entry.minPlain, entry.maxPlain), high = std::max(entry.minPlain, entry.maxPlain);
	plain = plain >= low ? std::min(plain, high) : low; // NaN too
	switch (entry.mapping)
	{
		case ParameterEntry::Mapping::stepped:
			return ToNormalized<ParamValue>(plain - entry.minPlain, entry.stepCount);
		case ParameterEntry::Mapping::linear:
			return (plain - entry.minPlain) / (entry.maxPlain - entry.minPlain);
		case ParameterEntry::Mapping::curved:
			break;
	}
	// The sampled curve rises or falls throughout; find the interval holding plain.
	const std::vector<double>& curve = entry.curve;
	const bool rising = curve.back() >= curve.front();
	const auto above = rising ? std::upper_bound(curve.begin(), curve.end(), plain)
	                          : std::upper_bound(curve.begin(), curve.end(), plain, std::greater<double>());
	if (above == curve.begin())
		return 0.0;
	if (above == curve.end())
		return 1.0;
	const auto k = std::distance(curve.begin(), above) - 1;
	const double from = curve[static_cast<size_t>(k)], to = *above;
	const double fraction = to != from ? (plain - from) / (to - from) : 0.0;
	return (static_cast<double>(k) + fraction) / kCurveSamples;
}

double ParameterTable::toPlain(int32 index, ParamValue normalized) const
{
	const ParameterEntry& entry = at(index);
	normalized = normalized >= 0.0 ? std::min(normalized, 1.0) : 0.0;
	switch (entry.mapping)
	{
		case ParameterEntry::Mapping::stepped:
			return FromNormalized<ParamValue>(normalized, entry.stepCount) + entry.minPlain;
		case ParameterEntry::Mapping::linear:
			return normalized * (entry.maxPlain - entry.minPlain) + entry.minPlain;
		case ParameterEntry::Mapping::curved:
			break;
	}
	const double position = normalized * kCurveSamples;
	const auto k = std::min<size_t>(static_cast<size_t>(position), kCurveSamples - 1);
	const double fraction = position - static_cast<double>(k);
	return entry.curve[k] + fraction * (entry.curve[k + 1] - entry.curve[k]);
}

ParamID ParameterTable::midiTarget(int32 channel, int32 controllerNumber) const
{
	if (channel < 0 || channel >= kMidiChannels || controllerNumber < 0 || controllerNumber >= kCountCtrlNumber)
		return kNoParamId;
	return midiTargets[static_cast<size_t>(channel * kCountCtrlNumber + controllerNumber)];
}

} // namespace Wrappers
} // namespace Vst
} // namespace Steinberg
