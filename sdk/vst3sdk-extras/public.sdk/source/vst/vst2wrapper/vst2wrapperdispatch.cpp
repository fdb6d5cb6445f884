// The VST 2 dispatcher: every opcode the face answers.
#include "vst2wrapper.h"

#include "vst2strings.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace Steinberg {
namespace Vst {

VstIntPtr Vst2Wrapper::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
	// Sent from the audio thread right before processReplacing: no lock.
	if (opcode == effProcessEvents)
		return processEvents(static_cast<const VstEvents*>(ptr));

	std::lock_guard<std::recursive_mutex> lock(controllerMutex);
	deliverToController();
	const VstIntPtr result = dispatchLocked(opcode, index, value, ptr, opt);
	deliverToController();
	return result;
}

VstIntPtr Vst2Wrapper::dispatchLocked(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
	char* text = static_cast<char*>(ptr);
	switch (opcode)
	{
		case effOpen:
			return 0;

		case effGetParamName:
		case effGetParamLabel:
		case effGetParamDisplay:
			return parameterText(opcode, index, text);
		case effString2Parameter:
			return stringToParameter(index, text);
		case effCanBeAutomated:
			return canBeAutomated(index);

		case effGetProgram:
			return currentProgram();
		case effSetProgram:
			setProgram(static_cast<int32>(value));
			return 0;
		case effGetProgramName:
			return text && programName(currentProgram(), text) ? 1 : 0;
		case effGetProgramNameIndexed:
			return text && programName(index, text) ? 1 : 0;
		case effSetProgramName:
			return 0; // VST 3 program lists have no way to rename

		case effGetChunk:
			return getChunk(static_cast<void**>(ptr));
		case effSetChunk:
			return setChunk(ptr, value);

		case effSetSampleRate:
			if (opt > 0.0f)
				sampleRate = opt;
			return 0;
		case effSetBlockSize:
			if (value > 0)
				blockSize = static_cast<int32>(std::min<VstIntPtr>(value, std::numeric_limits<int32>::max()));
			return 0;
		case effMainsChanged:
			if (value)
				resume();
			else
				suspend();
			return 0;
		case effSetProcessPrecision:
			return value == kVstProcessPrecision32 ? 1 : 0;
		case Vst2::kEffSetBypass:
			if (bypassIndex < 0)
				return 0;
			setFromHost(bypassIndex, value ? 1.0 : 0.0);
			return 1;

		case effGetEffectName:
			Vst2::copyString(effectName.c_str(), text, Vst2::kEffectNameSize);
			return text ? 1 : 0;
		case effGetProductString:
			Vst2::copyString(effectName.c_str(), text, Vst2::kProductStringSize);
			return text ? 1 : 0;
		case effGetVendorString:
			Vst2::copyString(vendorName.c_str(), text, Vst2::kVendorStringSize);
			return text ? 1 : 0;
		case effGetVendorVersion:
			return vendorVersion;
		case effGetPlugCategory:
			return isSynth ? kPlugCategSynth : kPlugCategEffect;
		case effGetVstVersion:
			return kVstVersion;
		case effCanDo:
			return canDo(text);
		case Vst2::kEffGetTailSize:
			return tailSize();
		case Vst2::kEffGetCurrentMidiProgram:
			return -1; // no MIDI programs

		case effEditGetRect:
		case effEditOpen:
		case effEditClose:
		case effEditIdle:
			return dispatchEditor(opcode, index, value, ptr, opt);

		case Vst2::kEffIdle:
		default:
			return 0;
	}
}

VstIntPtr Vst2Wrapper::canDo(const char* feature) const
{
	if (!feature)
		return Vst2::kCanDoUnknown;
	const auto is = [feature](const char* name) { return std::strcmp(feature, name) == 0; };
	if (is("receiveVstEvents") || is("receiveVstMidiEvent"))
		return hasEventInput ? Vst2::kCanDoYes : Vst2::kCanDoNo;
	if (is("receiveVstTimeInfo"))
		return Vst2::kCanDoYes;
	if (is("bypass"))
		return bypassIndex >= 0 ? Vst2::kCanDoYes : Vst2::kCanDoNo;
	if (is("sendVstEvents") || is("sendVstMidiEvent") || is("offline"))
		return Vst2::kCanDoNo;
	return Vst2::kCanDoUnknown;
}

VstIntPtr Vst2Wrapper::tailSize() const
{
	// VST 2: 0 means "unknown, assume some", 1 means none.
	const uint32 tail = processor->getTailSamples();
	if (tail == kNoTail)
		return 1;
	if (tail == kInfiniteTail)
		return std::numeric_limits<VstInt32>::max();
	return static_cast<VstIntPtr>(tail);
}

} // namespace Vst
} // namespace Steinberg
