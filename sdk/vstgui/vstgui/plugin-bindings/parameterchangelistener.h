// Ties the controls that share a tag to the edit controller's parameter of
// that id. It is a dependent of the parameter, so every change of the
// parameter's value (an edit, host automation, a preset or state load) moves
// the controls; edits of the controls go back as beginEdit/performEdit/endEdit.
// A tag that names no parameter keeps its controls in step with each other.
#pragma once

#include "base/source/fobject.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <vector>

namespace VSTGUI {

class CControl;

class ParameterChangeListener : public Steinberg::FObject
{
public:
	// parameter may be null; control is the first control of the tag.
	ParameterChangeListener(Steinberg::Vst::EditController* editController, Steinberg::Vst::Parameter* parameter,
		CControl* control);
	~ParameterChangeListener() override;

	// Each control is held by one reference while it is listed.
	void addControl(CControl* control);
	void removeControl(CControl* control);
	bool containsControl(CControl* control) const;
	bool hasControls() const { return !controls.empty(); }

	// The parameter's kChanged: show its value on the controls.
	void PLUGIN_API update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override;

	Steinberg::Vst::Parameter* getParameter() const { return parameter; }
	// The parameter's id, else the tag of the first control, else 0xFFFFFFFF.
	Steinberg::Vst::ParamID getParameterID() const;

	void beginEdit();
	void endEdit();
	// Sets the parameter and tells the host; without a parameter the value
	// only moves the controls.
	void performEdit(Steinberg::Vst::ParamValue value);

	// Shows a normalized value on every control: a stepped parameter gives
	// its controls the plain range, a label the parameter's text.
	void updateControlValue(Steinberg::Vst::ParamValue value);

	OBJ_METHODS(ParameterChangeListener, FObject)

private:
	bool convertValueToString(float value, char utf8String[256]) const;

	Steinberg::Vst::EditController* editController;
	Steinberg::Vst::Parameter* parameter;
	std::vector<CControl*> controls;
};

} // namespace VSTGUI
