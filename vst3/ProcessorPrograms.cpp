// Units, the program list of factory presets, and the MIDI controller mapping.
#include "Processor.h"

#include <algorithm>

#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

int32 PLUGIN_API Processor::getProgramListCount()
{
	return getParameterObject(kParamProgram) ? 1 : 0;
}

tresult PLUGIN_API Processor::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
	Parameter* program = getParameterObject(kParamProgram);
	if (!program || listIndex != 0)
		return kResultFalse;
	info.id = kProgramListId;
	info.programCount = static_cast<int32>(program->toPlain(1.0)) + 1;
	UString(info.name, str16BufferSize(String128)).assign(STR16("Presets"));
	return kResultOk;
}

tresult PLUGIN_API Processor::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
	if (listId != kProgramListId || programIndex < 0)
		return kResultFalse;
	Parameter* program = getParameterObject(kParamProgram);
	if (!program)
		return kResultFalse;
	// Past the end the list answers its last name; the index is bounded first
	// so that a huge one cannot overflow the list's conversions.
	program->toString(program->toNormalized(std::min(programIndex, program->getInfo().stepCount)), name);
	return kResultOk;
}

tresult PLUGIN_API Processor::getProgramInfo(ProgramListID, int32, CString, String128)
{
	return kResultFalse;
}

tresult Processor::setProgramName(ProgramListID, int32, const String128)
{
	return kResultFalse; // factory preset names are fixed
}

tresult PLUGIN_API Processor::getMidiControllerAssignment(int32 busIndex, int16, CtrlNumber controller, ParamID& id)
{
	if (!effect || busIndex != 0)
		return kResultFalse;
	switch (controller)
	{
		case kCtrlModWheel: id = kParamModWheel; return kResultOk;
		case kCtrlVolume: id = kParamMidiVolume; return kResultOk;
		case kCtrlPan: id = kParamMidiPan; return kResultOk;
		case kCtrlExpression: id = kParamExpression; return kResultOk;
		case kCtrlSustainOnOff: id = kParamSustainPedal; return kResultOk;
		case kCtrlAllNotesOff: id = kParamAllNotesOff; return kResultOk;
		case kAfterTouch: id = kParamChannelPressure; return kResultOk;
		case kPitchBend: id = kParamPitchBend; return kResultOk;
		default: break;
	}
	// The last control bound to this controller number wins.
	ParamID mapped = static_cast<ParamID>(-1);
	const int32 count = effect->m_controls.count();
	for (int32 i = 0; i < count; ++i)
	{
		const ControlDescriptor* control = effect->m_controls.at(i);
		if (control && control->midiEnabled && control->midiNumber == static_cast<uint32_t>(controller))
			mapped = static_cast<ParamID>(i);
	}
	if (mapped == static_cast<ParamID>(-1))
	{
		id = 0;
		return kResultFalse;
	}
	id = mapped;
	return kResultOk;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
