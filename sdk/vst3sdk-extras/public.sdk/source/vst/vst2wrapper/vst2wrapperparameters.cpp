// Parameters, programs and state as VST 2 sees them, and the plug-in's own
// edits passed on to the host.
#include "vst2wrapper.h"

#include "vst2strings.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Steinberg {
namespace Vst {

int32 Vst2Wrapper::indexOf(ParamID id) const
{
	const auto found = std::lower_bound(indexById.begin(), indexById.end(), std::make_pair(id, int32(0)));
	return found != indexById.end() && found->first == id ? found->second : -1;
}

ParamValue Vst2Wrapper::exactValue(int32 index, ParamValue value) const
{
	value = value >= 0.0 ? std::min(value, 1.0) : 0.0; // NaN too

	// A stepped parameter gets the exact value of its nearest step: a float
	// from the host may sit just below it and be read as the step before.
	const int32 steps = stepCounts[static_cast<size_t>(index)];
	if (steps > 0)
		value = std::round(value * steps) / steps;
	return value;
}

void Vst2Wrapper::setParameter(VstInt32 index, float value)
{
	if (!validIndex(index))
		return;
	slots->post(index, static_cast<float>(exactValue(index, value)), true, true);
	// Automation from the audio thread reaches the processor through the
	// slots; the controller learns it at the next dispatcher call, because
	// controller code (a program change, a host notification) must not run
	// there.
	if (callHost(audioMasterGetCurrentProcessLevel) == kVstProcessLevelRealtime)
		return;
	// Any other thread: hand the value to the controller only if no one else
	// is using it, else the lock holder or the next call does.
	std::unique_lock<std::recursive_mutex> lock(controllerMutex, std::try_to_lock);
	if (lock.owns_lock())
		deliverToController();
}

float Vst2Wrapper::getParameter(VstInt32 index) const
{
	return validIndex(index) ? slots->value(index) : 0.0f;
}

void Vst2Wrapper::setFromHost(int32 index, ParamValue value)
{
	slots->post(index, static_cast<float>(exactValue(index, value)), true, true);
	deliverToController();
}

void Vst2Wrapper::deliverToController()
{
	bool programChanged = false;
	slots->takeForController([&](int32 index, float value) {
		controller->setParamNormalized(parameterIds[static_cast<size_t>(index)], exactValue(index, value));
		programChanged = programChanged || index == programIndex;
	});
	if (programChanged)
		refreshValues();
}

void Vst2Wrapper::refreshValues()
{
	for (int32 i = 0; i < slots->size(); ++i)
		slots->show(i, static_cast<float>(controller->getParamNormalized(parameterIds[static_cast<size_t>(i)])));
}

VstIntPtr Vst2Wrapper::parameterText(VstInt32 opcode, VstInt32 index, char* text)
{
	if (!text || !validIndex(index))
		return 0;
	const ParamID id = parameterIds[static_cast<size_t>(index)];
	if (opcode == effGetParamDisplay)
	{
		String128 display {};
		controller->getParamStringByValue(id, exactValue(index, slots->value(index)), display);
		Vst2::copyString(display, text, Vst2::kParameterTextSize);
		return 1;
	}
	ParameterInfo info {};
	controller->getParameterInfo(index, info);
	Vst2::copyString(opcode == effGetParamName ? info.title : info.units, text, Vst2::kParameterTextSize);
	return 1;
}

VstIntPtr Vst2Wrapper::stringToParameter(VstInt32 index, const char* text)
{
	if (!validIndex(index))
		return 0;
	if (!text)
		return 1; // the host asks whether the parameter takes text at all
	String128 string {};
	VST3::StringConvert::convert(text, string);
	ParamValue value = 0;
	if (controller->getParamValueByString(parameterIds[static_cast<size_t>(index)], string, value) != kResultOk)
		return 0;
	setFromHost(index, value);
	return 1;
}

VstIntPtr Vst2Wrapper::canBeAutomated(VstInt32 index)
{
	ParameterInfo info {};
	if (!validIndex(index) || controller->getParameterInfo(index, info) != kResultOk)
		return 0;
	return (info.flags & ParameterInfo::kCanAutomate) ? 1 : 0;
}

int32 Vst2Wrapper::currentProgram()
{
	if (programIndex < 0 || programStepCount <= 0)
		return 0;
	const ParamValue value = controller->getParamNormalized(parameterIds[static_cast<size_t>(programIndex)]);
	return static_cast<int32>(std::lround(value * programStepCount));
}

bool Vst2Wrapper::programName(int32 program, char* text)
{
	if (program < 0 || program >= programCount)
		return false;
	String128 name {};
	tresult result;
	if (programListId != kNoProgramListId)
		result = unitInfo->getProgramName(programListId, program, name);
	else
		result = controller->getParamStringByValue(parameterIds[static_cast<size_t>(programIndex)],
			static_cast<ParamValue>(program) / programStepCount, name);
	if (result != kResultOk)
		return false;
	Vst2::copyString(name, text, Vst2::kProgramNameSize);
	return true;
}

void Vst2Wrapper::setProgram(int32 program)
{
	if (program < 0 || program >= programCount || programStepCount <= 0)
		return;
	// As a VST 3 host does: the controller loads the program, and the
	// processor is told of the program parameter too.
	setFromHost(programIndex, static_cast<ParamValue>(program) / programStepCount);
	refreshValues();
}

VstIntPtr Vst2Wrapper::getChunk(void** data)
{
	if (!data)
		return 0;
	*data = nullptr;
	// The state reflects every value the host has set, also while suspended.
	if (!processing.load())
		flushParameterChanges();
	IPtr<MemoryStream> stream = owned(new MemoryStream);
	if (component->getState(stream) != kResultOk)
		return 0;
	chunk.assign(stream->getData(), stream->getData() + stream->getSize());
	*data = chunk.data();
	return static_cast<VstIntPtr>(chunk.size());
}

VstIntPtr Vst2Wrapper::setChunk(const void* data, VstIntPtr size)
{
	if (!data || size <= 0)
		return 0;
	// The stream only reads the host's bytes.
	IPtr<MemoryStream> stream = owned(new MemoryStream(const_cast<void*>(data), static_cast<TSize>(size)));
	if (component->setState(stream) != kResultOk)
		return 0;
	stream->seek(0, IBStream::kIBSeekSet, nullptr);
	controller->setComponentState(stream);
	// Values set before the state came are superseded by it.
	slots->dropForProcessor();
	refreshValues();
	return 1;
}

void Vst2Wrapper::onBeginEdit(ParamID id)
{
	const int32 index = indexOf(id);
	if (index >= 0)
		callHost(audioMasterBeginEdit, index);
}

void Vst2Wrapper::onPerformEdit(ParamID id, ParamValue valueNormalized)
{
	const int32 index = indexOf(id);
	if (index < 0)
		return;
	// The controller has the value already; the processor and the host not.
	slots->post(index, static_cast<float>(valueNormalized), true, false);
	callHost(audioMasterAutomate, index, 0, nullptr, static_cast<float>(valueNormalized));
}

void Vst2Wrapper::onEndEdit(ParamID id)
{
	const int32 index = indexOf(id);
	if (index >= 0)
		callHost(audioMasterEndEdit, index);
}

void Vst2Wrapper::onRestartComponent(int32 flags)
{
	if (flags & (kParamValuesChanged | kParamTitlesChanged))
	{
		refreshValues();
		callHost(Vst2::kAudioMasterUpdateDisplay);
	}
	if (flags & kLatencyChanged)
	{
		record.effect.initialDelay =
			static_cast<VstInt32>(std::min<uint32>(processor->getLatencySamples(), std::numeric_limits<VstInt32>::max()));
		callHost(Vst2::kAudioMasterIOChanged);
	}
}

} // namespace Vst
} // namespace Steinberg
