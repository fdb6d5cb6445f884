// Ties an XY pad to two parameters: the pad's packed value shows the x and y
// parameters, and a drag on the pad edits both in one group edit. Controls
// other than the pad pass on to the parent controller.
#pragma once

#include "../lib/controls/cxypad.h"
#include "../uidescription/delegationcontroller.h"

#include "base/source/fobject.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

namespace VSTGUI {

class PadController : public Steinberg::FObject, public DelegationController
{
public:
	// Listens to both parameters from now on (either may be null).
	PadController(IController* baseController, Steinberg::Vst::EditController* editController,
		Steinberg::Vst::Parameter* xParam, Steinberg::Vst::Parameter* yParam)
	: DelegationController(baseController), editController(editController), xParam(xParam), yParam(yParam)
	{
		if (xParam)
			xParam->addDependent(this);
		if (yParam)
			yParam->addDependent(this);
	}
	~PadController() override
	{
		if (xParam)
			xParam->removeDependent(this);
		if (yParam)
			yParam->removeDependent(this);
	}

	// Either parameter changed: show both on the pad.
	void PLUGIN_API update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override
	{
		(void)changedUnknown;
		if (!padControl || message != IDependent::kChanged)
			return;
		float x = xParam ? static_cast<float>(xParam->getNormalized()) : 0.f;
		float y = yParam ? static_cast<float>(yParam->getNormalized()) : 0.f;
		padControl->setValue(CXYPad::calculateValue(x, y));
		padControl->invalid();
	}

	// Each coordinate goes to its parameter; the host hears the value the
	// parameter took, and only when it took one.
	void valueChanged(CControl* control) override
	{
		if (control != padControl.get() || !editController)
		{
			DelegationController::valueChanged(control);
			return;
		}
		float x = 0.f;
		float y = 0.f;
		CXYPad::calculateXY(control->getValue(), x, y);
		edit(xParam, x);
		edit(yParam, y);
	}

	void controlBeginEdit(CControl* control) override
	{
		if (control != padControl.get() || !editController)
		{
			DelegationController::controlBeginEdit(control);
			return;
		}
		editController->startGroupEdit();
		if (xParam)
			editController->beginEdit(xParam->getInfo().id);
		if (yParam)
			editController->beginEdit(yParam->getInfo().id);
	}

	void controlEndEdit(CControl* control) override
	{
		if (control != padControl.get() || !editController)
		{
			DelegationController::controlEndEdit(control);
			return;
		}
		if (xParam)
			editController->endEdit(xParam->getInfo().id);
		if (yParam)
			editController->endEdit(yParam->getInfo().id);
		editController->finishGroupEdit();
	}

	// The first pad built under this controller is the one it serves.
	CView* verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* description) override
	{
		if (auto* pad = dynamic_cast<CXYPad*>(view); pad && !padControl)
		{
			padControl = pad;
			padControl->setListener(this);
			update(nullptr, IDependent::kChanged);
			return view;
		}
		return DelegationController::verifyView(view, attributes, description);
	}

	OBJ_METHODS(PadController, FObject)

protected:
	void edit(Steinberg::Vst::Parameter* parameter, float value)
	{
		if (!parameter)
			return;
		auto id = parameter->getInfo().id;
		if (editController->setParamNormalized(id, value) == Steinberg::kResultTrue)
			editController->performEdit(id, parameter->getNormalized());
	}

	Steinberg::Vst::EditController* editController;
	Steinberg::Vst::Parameter* xParam;
	Steinberg::Vst::Parameter* yParam;
	SharedPointer<CXYPad> padControl;
};

} // namespace VSTGUI
