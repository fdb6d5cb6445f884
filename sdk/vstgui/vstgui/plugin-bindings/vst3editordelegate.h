// What a VST3Editor asks of its edit controller while it builds, opens and
// closes the window. The controller derives from this to take part; every
// operation has a default that changes nothing.
#pragma once

#include "../lib/cpoint.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace VSTGUI {

class COptionMenu;
class CView;
class IController;
class IUIDescription;
class UIAttributes;
class VST3Editor;

class VST3EditorDelegate
{
public:
	virtual ~VST3EditorDelegate() = default;

	// For every view that carries a "custom-view-name"; null lets the stock class be built.
	virtual CView* createCustomView(UTF8StringPtr name, const UIAttributes& attributes,
		const IUIDescription* description, VST3Editor* editor)
	{
		(void)name, (void)attributes, (void)description, (void)editor;
		return nullptr;
	}
	virtual CView* verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* description,
		VST3Editor* editor)
	{
		(void)attributes, (void)description, (void)editor;
		return view;
	}
	virtual bool findParameter(const CPoint& pos, Steinberg::Vst::ParamID& paramID, VST3Editor* editor)
	{
		(void)pos, (void)paramID, (void)editor;
		return false;
	}
	virtual bool isPrivateParameter(const Steinberg::Vst::ParamID paramID)
	{
		(void)paramID;
		return false;
	}
	// Right after the window is built and open.
	virtual void didOpen(VST3Editor* editor) { (void)editor; }
	// Right before the window closes.
	virtual void willClose(VST3Editor* editor) { (void)editor; }
	virtual COptionMenu* createContextMenu(const CPoint& pos, VST3Editor* editor)
	{
		(void)pos, (void)editor;
		return nullptr;
	}
	// For a "sub-controller" attribute; the editor releases the answer with the view.
	virtual IController* createSubController(UTF8StringPtr name, const IUIDescription* description,
		VST3Editor* editor)
	{
		(void)name, (void)description, (void)editor;
		return nullptr;
	}
};

} // namespace VSTGUI
