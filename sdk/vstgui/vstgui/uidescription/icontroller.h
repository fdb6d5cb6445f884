// The controller a description builds its views for: it hears the controls,
// may translate tag names, create custom views and sub-controllers, and sees
// every view once it is built.
#pragma once

#include "../lib/controls/icontrollistener.h"

#include <cstdint>
#include <functional>

namespace VSTGUI {

class CView;
class IUIDescription;
class UIAttributes;

class IController : public IControlListener
{
public:
	// The tag the description registered for a name, or one of the controller's own.
	virtual int32_t getTagForName(UTF8StringPtr name, int32_t registeredTag) const
	{
		(void)name;
		return registeredTag;
	}
	// The listener for controls carrying this control-tag name.
	virtual IControlListener* getControlListener(UTF8StringPtr controlTagName)
	{
		(void)controlTagName;
		return this;
	}
	// Asked for every view whose element has a "custom-view-name"; null lets
	// the description build the stock class.
	virtual CView* createView(const UIAttributes& attributes, const IUIDescription* description)
	{
		(void)attributes;
		(void)description;
		return nullptr;
	}
	// Sees each view after its attributes and children are in place; may
	// answer another view to take its place.
	virtual CView* verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* description)
	{
		(void)attributes;
		(void)description;
		return view;
	}
	// For a "sub-controller" attribute. The view that names it carries the
	// answer (kCViewControllerAttribute); whoever takes the views down
	// releases it (releaseSubControllers).
	virtual IController* createSubController(UTF8StringPtr name, const IUIDescription* description)
	{
		(void)name;
		(void)description;
		return nullptr;
	}
};

// The view attribute under which a view keeps the sub-controller it named.
static constexpr CViewAttributeID kCViewControllerAttribute = 0x69637472; // 'ictr'

// The sub-controller a view carries, or (deep) the nearest one up its parents.
IController* getViewController(const CView* view, bool deep = false);
// Drops one sub-controller: forget for a VSTGUI reference, else delete.
void releaseSubController(IController* subController);
// Releases the sub-controllers that view and the views inside it carry and
// clears the attributes; for views that are about to go away.
void releaseSubControllers(CView* view,
	const std::function<void(IController*)>& release = releaseSubController);

} // namespace VSTGUI
