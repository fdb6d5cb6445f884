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

// "..._X<x id>_Y<y id>": the first "_X" and, after it, the first "_Y" of the name.
bool parsePadIds(const std::string& name, PadIds& ids)
{
	const size_t x = name.find("_X");
	const size_t y = name.find("_Y");
	if (x == std::string::npos || y == std::string::npos || x > y)
		return false;
	ids.x = static_cast<ParamID>(leadingInteger(name.substr(x + 2, y - x - 2).c_str()));
	ids.y = static_cast<ParamID>(leadingInteger(name.c_str() + y + 2));
	return true;
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

	const bool padName = controllerName.find("Joystick_") != std::string::npos ||
	                     controllerName.find("TrackPad_") != std::string::npos;
	PadIds ids{};
	if (!padName || !parsePadIds(controllerName, ids))
		return nullptr;

	Parameter* x = getParameterObject(ids.x);
	Parameter* y = getParameterObject(ids.y);
	return x && y ? new VSTGUI::CPadControllerJT(baseController, this, x, y) : nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
