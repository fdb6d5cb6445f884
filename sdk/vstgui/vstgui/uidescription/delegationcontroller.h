// A controller that hands everything to another one; sub-controllers derive
// from it and take over only what they handle themselves.
#pragma once

#include "icontroller.h"

namespace VSTGUI {

class DelegationController : public IController
{
public:
	explicit DelegationController(IController* controller) : controller(controller) {}

	void valueChanged(CControl* control) override
	{
		if (controller)
			controller->valueChanged(control);
	}
	int32_t controlModifierClicked(CControl* control, CButtonState button) override
	{
		return controller ? controller->controlModifierClicked(control, button) : 0;
	}
	void controlBeginEdit(CControl* control) override
	{
		if (controller)
			controller->controlBeginEdit(control);
	}
	void controlEndEdit(CControl* control) override
	{
		if (controller)
			controller->controlEndEdit(control);
	}
	void controlTagWillChange(CControl* control) override
	{
		if (controller)
			controller->controlTagWillChange(control);
	}
	void controlTagDidChange(CControl* control) override
	{
		if (controller)
			controller->controlTagDidChange(control);
	}

	int32_t getTagForName(UTF8StringPtr name, int32_t registeredTag) const override
	{
		return controller ? controller->getTagForName(name, registeredTag) : registeredTag;
	}
	// Controls under a sub-controller get the parent's listener; a
	// sub-controller takes over the controls it serves in verifyView.
	IControlListener* getControlListener(UTF8StringPtr name) override
	{
		return controller ? controller->getControlListener(name) : nullptr;
	}
	CView* createView(const UIAttributes& attributes, const IUIDescription* description) override
	{
		return controller ? controller->createView(attributes, description) : nullptr;
	}
	CView* verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* description) override
	{
		return controller ? controller->verifyView(view, attributes, description) : view;
	}
	IController* createSubController(UTF8StringPtr name, const IUIDescription* description) override
	{
		return controller ? controller->createSubController(name, description) : nullptr;
	}

protected:
	IController* controller;
};

} // namespace VSTGUI
