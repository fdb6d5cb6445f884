// Builds stock views from description attributes.
#pragma once

#include "../lib/vstguibase.h"

namespace VSTGUI {

class CView;
class IUIDescription;
class UIAttributes;

class IViewFactory
{
public:
	virtual ~IViewFactory() noexcept = default;
	// A new view of the class the "class" attribute names, its attributes
	// applied; null for a class the factory does not know.
	virtual CView* createView(const UIAttributes& attributes, const IUIDescription* description) const = 0;
	// Applies the attributes of the class named by "class".
	virtual bool applyAttributeValues(CView* view, const UIAttributes& attributes,
		const IUIDescription* description) const = 0;
	// Applies the attributes of baseViewName's class (and its bases) to a view
	// a controller created; those parts the view's type does not have are skipped.
	virtual bool applyCustomViewAttributeValues(CView* customView, IdStringPtr baseViewName,
		const UIAttributes& attributes, const IUIDescription* description) const = 0;
};

} // namespace VSTGUI
