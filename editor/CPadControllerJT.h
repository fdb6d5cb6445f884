// A pad controller that tells the host about a pad move before it sets the
// parameters: for each axis, x first, performEdit then setParamNormalized,
// whatever the controller makes of the value.
#pragma once

#include "vstgui/plugin-bindings/vst3padcontroller.h"

namespace VSTGUI {

class CPadControllerJT : public PadController
{
public:
	CPadControllerJT(IController* baseController, Steinberg::Vst::EditController* editController,
	                 Steinberg::Vst::Parameter* xParam, Steinberg::Vst::Parameter* yParam);
	~CPadControllerJT() override;

	void valueChanged(CControl* control) override;

	OBJ_METHODS(CPadControllerJT, PadController)
};

} // namespace VSTGUI
