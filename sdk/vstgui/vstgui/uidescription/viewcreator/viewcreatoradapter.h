// Builds an IViewCreator from a name, a base name, a make function and an
// apply function typed for the class, so each stock class is a few lines.
#pragma once

#include "../uiattributes.h"
#include "../iuidescription.h"
#include "../uiviewfactory.h"

#include <memory>

namespace VSTGUI {
namespace UIViewCreator {

template <typename ViewType>
class ViewCreatorAdapter : public IViewCreator
{
public:
	using Make = CView* (*)();
	using Apply = void (*)(ViewType* view, const UIAttributes& attributes, const IUIDescription* description);

	ViewCreatorAdapter(IdStringPtr name, IdStringPtr baseName, Make make, Apply applyAttributes)
	: name(name), baseName(baseName), make(make), applyAttributes(applyAttributes)
	{
	}

	IdStringPtr getViewName() const override { return name; }
	IdStringPtr getBaseViewName() const override { return baseName; }
	CView* create(const UIAttributes&, const IUIDescription*) const override { return make ? make() : nullptr; }
	bool apply(CView* view, const UIAttributes& attributes, const IUIDescription* description) const override
	{
		auto* typed = dynamic_cast<ViewType*>(view);
		if (!typed)
			return false;
		if (applyAttributes)
			applyAttributes(typed, attributes, description);
		return true;
	}

private:
	IdStringPtr name;
	IdStringPtr baseName;
	Make make;
	Apply applyAttributes;
};

template <typename ViewType>
void registerCreator(UIViewFactory& factory, IdStringPtr name, IdStringPtr baseName,
	typename ViewCreatorAdapter<ViewType>::Make make, typename ViewCreatorAdapter<ViewType>::Apply apply)
{
	factory.registerViewCreator(std::make_unique<ViewCreatorAdapter<ViewType>>(name, baseName, make, apply));
}

} // namespace UIViewCreator
} // namespace VSTGUI
