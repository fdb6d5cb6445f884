#pragma once

#include "../cbuttonstate.h"
#include "../vstguibase.h"

namespace VSTGUI {

class CControl;

// Hears what the user does to a control.
class IControlListener
{
public:
	virtual ~IControlListener() noexcept = default;
	virtual void valueChanged(CControl* control) = 0;
	// A click with modifiers; answer 1 to swallow the click.
	virtual int32_t controlModifierClicked(CControl* control, CButtonState button)
	{
		(void)control;
		(void)button;
		return 0;
	}
	virtual void controlBeginEdit(CControl* control) { (void)control; }
	virtual void controlEndEdit(CControl* control) { (void)control; }
	virtual void controlTagWillChange(CControl* control) { (void)control; }
	virtual void controlTagDidChange(CControl* control) { (void)control; }
};

} // namespace VSTGUI
