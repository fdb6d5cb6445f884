// The editor: the view hosts ask for, and the processor's part as the
// editor's delegate.
#include "Processor.h"

#include "CPlinthCustomView.h"
#include "ModuleLocation.h"
#include "VST3EditorJT.h"

#include "pluginterfaces/gui/iplugview.h"

#include <cstring>
#include <new>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

IPlugView* PLUGIN_API Processor::createView(FIDString name)
{
	if (!effect || !name || std::strcmp(name, ViewType::kEditor) != 0 || !effect->m_hasEditorDescription)
		return nullptr;
	// The description and its pictures are read from the bundle.
	useBundleResources();

	EditorMessage probe;
	probe.code = kEditorDrawsItself;
	probe.reply = false;
	effect->editorMessage(probe);
	if (probe.reply)
	{
		ViewRect initialRect(0, 0, 100, 100);
		auto* view = new CPlinthCustomView(this, &initialRect);
		view->effect = effect.get();
		return view;
	}

	auto* editor = new (std::nothrow) VST3EditorJT(this, "Editor", "plinth.uidesc");
	if (!editor)
		return new VSTGUI::VST3Editor(this, "Editor", "vstgui.uidesc");
	editor->knobMode = static_cast<int32>(effect->m_editorOption);
	editor->attachEffect(effect.get());
	return editor;
}

void Processor::didOpen(VSTGUI::VST3Editor* editor)
{
	if (effect && editor)
		sendEditorLifecycle(kEditorOpened);
}

void Processor::willClose(VSTGUI::VST3Editor*)
{
	if (effect)
		sendEditorLifecycle(kEditorClosing);
}

void Processor::sendEditorLifecycle(int32_t code)
{
	guiMessage.code = code;
	guiMessage.viewName = "";
	guiMessage.text = "";
	guiMessage.editor = nullptr;
	guiMessage.listener = nullptr;
	guiMessage.reply = false;
	effect->editorMessage(guiMessage);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
