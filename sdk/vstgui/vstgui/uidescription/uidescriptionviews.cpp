// Building views from the templates of a description.
#include "uidescription.h"

#include "../lib/cview.h"
#include "../lib/cviewcontainer.h"
#include "detail/uidescriptionresources.h"
#include "icontroller.h"
#include "iviewfactory.h"

namespace VSTGUI {
namespace {

// A template may nest itself through "template" attributes; deeper than
// this is taken to be such a loop.
constexpr int kMaxTemplateDepth = 32;
thread_local int templateDepth = 0;

struct TemplateDepthGuard
{
	TemplateDepthGuard() { ++templateDepth; }
	~TemplateDepthGuard() { --templateDepth; }
	bool tooDeep() const { return templateDepth > kMaxTemplateDepth; }
};

} // namespace

CView* UIDescription::createView(UTF8StringPtr name, IController* newController) const
{
	auto* node = name ? findTemplate(name) : nullptr;
	if (!node)
		return nullptr;
	TemplateDepthGuard depth;
	if (depth.tooDeep())
		return nullptr;
	IController* previous = controller;
	controller = newController;
	CView* view = createViewFromNode(*node);
	controller = previous;
	return view;
}

CView* UIDescription::createViewFromNode(const Detail::UIViewNode& node) const
{
	const UIAttributes& attributes = *node.attributes;
	const IViewFactory* factory = viewFactory();

	// A view that stands for another template, with its own attributes on top.
	if (auto* templateName = attributes.getAttributeValue("template"))
	{
		CView* view = createView(templateName->c_str(), controller);
		if (view)
			factory->applyAttributeValues(view, attributes, this);
		return view;
	}

	IController* parentController = controller;
	IController* subController = nullptr;
	auto* subControllerName = attributes.getAttributeValue("sub-controller");
	if (subControllerName && !subControllerName->empty() && controller)
	{
		subController = controller->createSubController(subControllerName->c_str(), this);
		if (subController)
			controller = subController;
	}

	CView* view = nullptr;
	if (controller && attributes.hasAttribute(kCustomViewName))
	{
		view = controller->createView(attributes, this);
		auto* className = attributes.getAttributeValue("class");
		if (view && className)
			factory->applyCustomViewAttributeValues(view, className->c_str(), attributes, this);
	}
	if (!view)
		view = factory->createView(attributes, this);

	if (view)
	{
		if (auto* container = view->asViewContainer())
		{
			for (const auto& child : node.children)
				if (CView* childView = createViewFromNode(child))
					container->addView(childView);
		}
		if (controller)
			view = controller->verifyView(view, attributes, this);
	}
	if (subController)
	{
		if (view)
			view->setAttribute(kCViewControllerAttribute, subController);
		else
			releaseSubController(subController);
	}
	controller = parentController;
	return view;
}

} // namespace VSTGUI
