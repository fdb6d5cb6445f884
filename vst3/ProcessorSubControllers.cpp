// The processor as the editor's source of sub-controllers: the pad
// controllers that tie an XY pad to two parameters. A name whose ids name no
// parameter gives no controller, so the pad is left to the editor.
#include "Processor.h"
#include "ViewAttributeReader.h"

#include "CPadControllerJT.h"

#include "vstgui/plugin-bindings/vst3padcontroller.h"

#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

struct PadIds
{
	ParamID x;
	ParamID y;
};

enum class PadIdsParse { Found, Missing, OutOfOrder };

// "..._X<x id>_Y<y id>": the first "_X" and the first "_Y" of the name.
PadIdsParse parsePadIds(const std::string& name, PadIds& ids)
{
	const size_t x = name.find("_X");
	const size_t y = name.find("_Y");
	if (x == std::string::npos || y == std::string::npos)
		return PadIdsParse::Missing;
	if (x > y)
		return PadIdsParse::OutOfOrder;
	ids.x = static_cast<ParamID>(leadingInteger(name.substr(x + 2, y - x - 2).c_str()));
	ids.y = static_cast<ParamID>(leadingInteger(name.c_str() + y + 2));
	return PadIdsParse::Found;
}

} // namespace

VSTGUI::IController* Processor::createSubController(VSTGUI::UTF8StringPtr name, const VSTGUI::IUIDescription*,
                                                    VSTGUI::VST3Editor* editor)
{
	if (!effect || !name)
		return nullptr;
	VSTGUI::IController* baseController = editor;
	const std::string controllerName = name;

	if (controllerName == "VectorJoystick")
	{
		Parameter* x = getParameterObject(JOYSTICK_X);
		Parameter* y = getParameterObject(JOYSTICK_Y);
		return x && y ? new VSTGUI::PadController(baseController, this, x, y) : nullptr;
	}

	PadIds ids{};
	PadIdsParse parse = PadIdsParse::Missing;
	if (controllerName.find("Joystick_") != std::string::npos)
	{
		parse = parsePadIds(controllerName, ids);
		if (parse == PadIdsParse::Missing)
			return nullptr;
	}
	// A joystick name whose "_Y" comes first is read as a track pad name.
	if (parse != PadIdsParse::Found && controllerName.find("TrackPad_") != std::string::npos)
		parse = parsePadIds(controllerName, ids);
	if (parse != PadIdsParse::Found)
		return nullptr;

	Parameter* x = getParameterObject(ids.x);
	Parameter* y = getParameterObject(ids.y);
	return x && y ? new VSTGUI::CPadControllerJT(baseController, this, x, y) : nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
