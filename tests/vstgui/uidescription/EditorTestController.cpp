#include "EditorTestController.h"

#include "vstgui/uidescription/uidescription.h"
#include "vstgui/uidescription/xmlparser.h"

#include <cstring>
#include <sstream>

namespace EditorTest {

tresult PLUGIN_API RecordingHandler::beginEdit(ParamID id)
{
	calls.push_back("begin " + std::to_string(id));
	return kResultOk;
}

tresult PLUGIN_API RecordingHandler::performEdit(ParamID id, ParamValue value)
{
	std::ostringstream call;
	call << "perform " << id << " " << value;
	calls.push_back(call.str());
	return kResultOk;
}

tresult PLUGIN_API RecordingHandler::endEdit(ParamID id)
{
	calls.push_back("end " + std::to_string(id));
	return kResultOk;
}

WatchedPadController::WatchedPadController(IController* base, EditController* controller, bool& alive)
: PadController(base, controller, controller->getParameterObject(kPadX), controller->getParameterObject(kPadY))
, alive(alive)
{
	alive = true;
}

WatchedPadController::~WatchedPadController() { alive = false; }

TestController::TestController()
{
	parameters.addParameter(STR16("Delay"), nullptr, 0, 0.5, ParameterInfo::kCanAutomate, kDelay);
	parameters.addParameter(STR16("Feedback"), nullptr, 0, 0.5, ParameterInfo::kCanAutomate, kFeedback);
	auto* state = new StringListParameter(STR16("Delay State"), kDelayState);
	state->appendString(STR16("Comb"));
	state->appendString(STR16("Delay"));
	parameters.addParameter(state);
	parameters.addParameter(STR16("X"), nullptr, 0, 0, ParameterInfo::kCanAutomate, kPadX);
	parameters.addParameter(STR16("Y"), nullptr, 0, 0, ParameterInfo::kCanAutomate, kPadY);
	setComponentHandler(&handler);
}

VSTGUI::CView* TestController::createCustomView(VSTGUI::UTF8StringPtr name, const VSTGUI::UIAttributes&,
	const VSTGUI::IUIDescription*, VSTGUI::VST3Editor*)
{
	customViewNames.push_back(name);
	return nullptr;
}

VSTGUI::IController* TestController::createSubController(VSTGUI::UTF8StringPtr name,
	const VSTGUI::IUIDescription*, VSTGUI::VST3Editor* editor)
{
	if (std::strcmp(name, "Pad") != 0)
		return nullptr;
	return new WatchedPadController(editor, this, padControllerAlive);
}

VSTGUI::SharedPointer<VSTGUI::UIDescription> parsedDescription(const char* xml)
{
	VSTGUI::Xml::MemoryContentProvider provider(xml, static_cast<int32_t>(std::strlen(xml)));
	auto description = VSTGUI::makeOwned<VSTGUI::UIDescription>(&provider);
	description->parse();
	return description;
}

} // namespace EditorTest
