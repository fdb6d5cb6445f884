#include "CPadControllerJT.h"

namespace VSTGUI {

CPadControllerJT::CPadControllerJT(IController* baseController, Steinberg::Vst::EditController* editController,
                                   Steinberg::Vst::Parameter* xParam, Steinberg::Vst::Parameter* yParam)
: PadController(baseController, editController, xParam, yParam)
{
}

CPadControllerJT::~CPadControllerJT() = default;

void CPadControllerJT::valueChanged(CControl* control)
{
	if (control != padControl.get())
	{
		DelegationController::valueChanged(control);
		return;
	}
	if (!editController)
		return;
	float x = 0.f;
	float y = 0.f;
	CXYPad::calculateXY(control->getValue(), x, y);
	// A missing axis is skipped; the other still reaches the host.
	if (xParam)
	{
		const auto id = xParam->getInfo().id;
		editController->performEdit(id, x);
		editController->setParamNormalized(id, x);
	}
	if (yParam)
	{
		const auto id = yParam->getInfo().id;
		editController->performEdit(id, y);
		editController->setParamNormalized(id, y);
	}
}

} // namespace VSTGUI
