// VST3Editor as the controller of its views: custom views and
// sub-controllers from the delegate, control edits to the parameters.
#include "vst3editor.h"

#include "../lib/controls/ctextedit.h"
#include "../uidescription/iuidescription.h"
#include "../uidescription/uiattributes.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

namespace VSTGUI {

Steinberg::tresult PLUGIN_API VST3Editor::queryInterface(const Steinberg::TUID iid, void** obj)
{
	QUERY_INTERFACE(iid, obj, Steinberg::Vst::IParameterFinder::iid, Steinberg::Vst::IParameterFinder)
	QUERY_INTERFACE(iid, obj, Steinberg::IPlugViewContentScaleSupport::iid, Steinberg::IPlugViewContentScaleSupport)
	return VSTGUIEditor::queryInterface(iid, obj);
}

void VST3Editor::beginEdit(int32_t index) { (void)index; }

void VST3Editor::endEdit(int32_t index) { (void)index; }

int32_t VST3Editor::getKnobMode() const
{
	switch (Steinberg::Vst::EditController::getHostKnobMode())
	{
		case Steinberg::Vst::kRelativCircularMode: return kRelativCircularMode;
		case Steinberg::Vst::kLinearMode: return kLinearMode;
		default: return kCircularMode;
	}
}

CView* VST3Editor::createView(const UIAttributes& attributes, const IUIDescription* desc)
{
	auto* name = attributes.getAttributeValue(IUIDescription::kCustomViewName);
	if (!delegate || !name)
		return nullptr;
	return delegate->createCustomView(name->c_str(), attributes, desc, this);
}

CView* VST3Editor::verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* desc)
{
	return delegate ? delegate->verifyView(view, attributes, desc, this) : view;
}

IController* VST3Editor::createSubController(UTF8StringPtr name, const IUIDescription* desc)
{
	return delegate ? delegate->createSubController(name, desc, this) : nullptr;
}

// A text edit's text is read by the parameter; text it cannot read puts the
// parameter's value back on the edit.
void VST3Editor::valueChanged(CControl* control)
{
	auto* listener = control ? getParameterChangeListener(control->getTag()) : nullptr;
	if (!listener)
		return;
	Steinberg::Vst::ParamValue value = control->getValueNormalized();
	auto* textEdit = dynamic_cast<CTextEdit*>(control);
	if (textEdit && listener->getParameter() && getController())
	{
		std::u16string text = VST3::StringConvert::convert(textEdit->getText().getString());
		if (getController()->getParamValueByString(listener->getParameterID(),
				reinterpret_cast<Steinberg::Vst::TChar*>(text.data()), value) != Steinberg::kResultTrue)
		{
			listener->update(nullptr, Steinberg::IDependent::kChanged);
			return;
		}
	}
	listener->performEdit(value);
}

void VST3Editor::controlBeginEdit(CControl* control)
{
	if (auto* listener = control ? getParameterChangeListener(control->getTag()) : nullptr)
		listener->beginEdit();
}

void VST3Editor::controlEndEdit(CControl* control)
{
	if (auto* listener = control ? getParameterChangeListener(control->getTag()) : nullptr)
		listener->endEdit();
}

void VST3Editor::controlTagWillChange(CControl* control)
{
	if (!control || control->getListener() != this)
		return;
	if (auto* listener = getParameterChangeListener(control->getTag()))
		listener->removeControl(control);
}

// Only while the window is open: controls still being built are bound once
// the whole view stands.
void VST3Editor::controlTagDidChange(CControl* control)
{
	if (frame && control && control->isAttached())
		bindControl(control);
}

void VST3Editor::onViewAdded(CFrame*, CView* view)
{
	if (auto* control = dynamic_cast<CControl*>(view))
		bindControl(control);
}

void VST3Editor::onViewRemoved(CFrame*, CView* view)
{
	auto* control = dynamic_cast<CControl*>(view);
	if (auto* listener = control ? getParameterChangeListener(control->getTag()) : nullptr)
		listener->removeControl(control);
	if (IController* subController = getViewController(view))
	{
		view->removeAttribute(kCViewControllerAttribute);
		releaseSubControllerOfAnyKind(subController);
	}
}

Steinberg::tresult PLUGIN_API VST3Editor::findParameter(Steinberg::int32 xPos, Steinberg::int32 yPos,
	Steinberg::Vst::ParamID& resultTag)
{
	if (!frame)
		return Steinberg::kResultFalse;
	double scale = getAbsScaleFactor();
	CPoint where(xPos / scale, yPos / scale);
	if (delegate && delegate->findParameter(where, resultTag, this))
		return Steinberg::kResultTrue;
	auto* control = dynamic_cast<CControl*>(frame->getViewAt(where, GetViewOptions().deep()));
	auto* listener = control ? getParameterChangeListener(control->getTag()) : nullptr;
	if (!listener || !listener->getParameter())
		return Steinberg::kResultFalse;
	if (delegate && delegate->isPrivateParameter(listener->getParameterID()))
		return Steinberg::kResultFalse;
	resultTag = listener->getParameterID();
	return Steinberg::kResultTrue;
}

} // namespace VSTGUI
