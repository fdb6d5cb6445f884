// An edit controller with a few parameters that takes part as the editor's
// delegate, and a host's component handler that writes down what it hears.
#pragma once

#include "vstgui/plugin-bindings/vst3editor.h"
#include "vstgui/plugin-bindings/vst3padcontroller.h"
#include "vstgui/uidescription/uidescription.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <map>
#include <string>
#include <vector>

namespace EditorTest {

using namespace Steinberg;
using namespace Steinberg::Vst;

enum : ParamID
{
	kDelay = 0,      // continuous
	kFeedback = 1,   // continuous
	kDelayState = 8, // two steps: "Comb", "Delay"
	kPadX = 5,
	kPadY = 6,
};

class RecordingHandler : public IComponentHandler
{
public:
	tresult PLUGIN_API beginEdit(ParamID id) override;
	tresult PLUGIN_API performEdit(ParamID id, ParamValue value) override;
	tresult PLUGIN_API endEdit(ParamID id) override;
	tresult PLUGIN_API restartComponent(int32) override { return kResultOk; }
	tresult PLUGIN_API queryInterface(const TUID, void** obj) override { return *obj = nullptr, kNoInterface; }
	uint32 PLUGIN_API addRef() override { return 1; }
	uint32 PLUGIN_API release() override { return 1; }

	std::vector<std::string> calls; // "begin 1", "perform 1 0.75", "end 1"
};

// A PadController that tells when it goes away.
class WatchedPadController : public VSTGUI::PadController
{
public:
	WatchedPadController(IController* base, EditController* controller, bool& alive);
	~WatchedPadController() override;
	bool& alive;
};

class TestController : public EditControllerEx1, public VSTGUI::VST3EditorDelegate
{
public:
	TestController();

	VSTGUI::CView* createCustomView(VSTGUI::UTF8StringPtr name, const VSTGUI::UIAttributes&,
		const VSTGUI::IUIDescription*, VSTGUI::VST3Editor*) override;
	VSTGUI::IController* createSubController(VSTGUI::UTF8StringPtr name, const VSTGUI::IUIDescription*,
		VSTGUI::VST3Editor* editor) override;
	void didOpen(VSTGUI::VST3Editor*) override { ++opened; }
	void willClose(VSTGUI::VST3Editor*) override { ++closed; }

	RecordingHandler handler;
	std::vector<std::string> customViewNames;
	int opened = 0;
	int closed = 0;
	bool padControllerAlive = false;
};

// A description read from text, for editors built on it.
VSTGUI::SharedPointer<VSTGUI::UIDescription> parsedDescription(const char* xml);

} // namespace EditorTest
