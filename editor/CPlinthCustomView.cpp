#include "CPlinthCustomView.h"

#include "ModuleLocation.h"

#include "vstgui/lib/cframe.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

CPlinthCustomView::CPlinthCustomView(void* controller, ViewRect* size) : VSTGUIEditor(controller, size) {}

CPlinthCustomView::~CPlinthCustomView() = default;

void CPlinthCustomView::beginParameterEdit(uint32_t parameterId)
{
	if (EditController* editController = getController())
		editController->beginEdit(parameterId);
}

void CPlinthCustomView::endParameterEdit(uint32_t parameterId)
{
	if (EditController* editController = getController())
		editController->endEdit(parameterId);
}

void CPlinthCustomView::setParameter(uint32_t parameterId, float normalizedValue)
{
	if (EditController* editController = getController())
	{
		editController->setParamNormalized(parameterId, normalizedValue);
		editController->performEdit(parameterId, normalizedValue);
	}
}

bool PLUGIN_API CPlinthCustomView::open(void* parent, const VSTGUI::PlatformType& platformType)
{
	frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, 0, 0), this);
	frame->setTransparency(true);
	frame->enableTooltips(true);
	if (!effect)
		return false;

	parentWindow = parent;
	EditorMessage opening;
	opening.code = kEditorOpenOwn;
	opening.parentWindow = parent;
	opening.editor = static_cast<VSTGUIEditor*>(this);
	opening.connector = static_cast<CVSTParameterConnector*>(this);
	opening.moduleHandle = moduleInstanceHandle();
	opening.platformType = static_cast<int32_t>(platformType);
	if (!effect->editorMessage(opening))
		return false; // the frame stays until close

	EditController* editController = getController();
	const int32 count = editController ? editController->getParameterCount() : 0;
	for (int32 i = 0; i < count; ++i)
	{
		EditorMessage value;
		value.code = kEditorParamValue;
		value.paramId = i;
		value.paramValue = editController->getParamNormalized(static_cast<ParamID>(i));
		effect->editorMessage(value);
	}
	frame->setSize(opening.width, opening.height);
	return true;
}

void PLUGIN_API CPlinthCustomView::close()
{
	if (effect)
	{
		EditorMessage closing;
		closing.code = kEditorCloseOwn;
		closing.parentWindow = parentWindow;
		closing.moduleHandle = moduleInstanceHandle();
		effect->editorMessage(closing);
		parentWindow = nullptr;
	}
	if (!frame)
		return;
	if (frame->getNbReference() == 1)
		frame->close(); // closing a frame gives up its last reference
	else
		frame->forget();
	frame = nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
