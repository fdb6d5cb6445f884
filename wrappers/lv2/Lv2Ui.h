// The editor of a hosted VST 3 component as an LV2 X11 UI.
//
// The UI is a component instance of its own (its controller makes the
// editor) and talks to the plug-in only through ports, so it works where
// the host runs the UI apart from the DSP: the editor's edits go out through
// write_function as plain port values, and port_event brings the host's
// changes (automation, presets, the DSP) into the controller. Begin and end
// of an edit become ui:touch gestures where the host offers them. The
// editor's run loop is pumped from ui:idleInterface, and its size goes to
// the host through ui:resize. All of it runs on the host's UI thread.
#pragma once

#include "Lv2PortLayout.h"

#include "common/HostedComponent.h"
#include "common/ParameterTable.h"

#include "lv2/core/lv2.h"
#include "lv2/ui/ui.h"

#include "pluginterfaces/gui/iplugview.h"

#include <memory>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Vst2 {
class EditorFrame;
}
namespace Lv2 {

class Ui final : private Wrappers::HostedComponent::Listener
{
public:
	// Null without ui:parent, or when the component has no editor to embed.
	static Ui* create(IPluginFactory* factory, const TUID classId, LV2UI_Write_Function write,
		LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features);
	~Ui();
	Ui(const Ui&) = delete;
	Ui& operator=(const Ui&) = delete;

	void portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
	int idle();
	int resizeTo(int width, int height);

private:
	Ui() = default;
	bool open(IPluginFactory* factory, const TUID classId, LV2UI_Widget* widget, const LV2_Feature* const* features);
	const ControlPort* portOf(ParamID id) const;
	void send(const ControlPort& port, float value);

	// HostedComponent::Listener: the editor's edits.
	void onBeginEdit(ParamID id) override;
	void onPerformEdit(ParamID id, ParamValue valueNormalized) override;
	void onEndEdit(ParamID id) override;
	void onRestartComponent(int32 flags) override;

	std::unique_ptr<Wrappers::HostedComponent> hosted;
	std::unique_ptr<Wrappers::ParameterTable> table;
	std::unique_ptr<PortLayout> layout;
	std::vector<float> portValues; // as PortLayout::controls: what the host and the UI last agreed on
	LV2UI_Write_Function write = nullptr;
	LV2UI_Controller controller = nullptr;
	const LV2UI_Resize* hostResize = nullptr;
	const LV2UI_Touch* touch = nullptr;
	IPtr<IPlugView> view;
	IPtr<Vst2::EditorFrame> frame;
	bool fromHost = false; // a change port_event makes is not sent back
};

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
