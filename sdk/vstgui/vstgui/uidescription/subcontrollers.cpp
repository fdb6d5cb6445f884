#include "../lib/cview.h"
#include "../lib/cviewcontainer.h"
#include "icontroller.h"

namespace VSTGUI {

IController* getViewController(const CView* view, bool deep)
{
	for (; view; view = deep ? view->getParentView() : nullptr)
	{
		IController* controller = nullptr;
		if (view->getAttribute(kCViewControllerAttribute, controller) && controller)
			return controller;
	}
	return nullptr;
}

void releaseSubController(IController* subController)
{
	if (auto* reference = dynamic_cast<IReference*>(subController))
		reference->forget();
	else
		delete subController;
}

void releaseSubControllers(CView* view, const std::function<void(IController*)>& release)
{
	if (!view)
		return;
	if (auto* container = view->asViewContainer())
		container->forEachChild([&](CView* child) { releaseSubControllers(child, release); });
	if (IController* controller = getViewController(view))
	{
		view->removeAttribute(kCViewControllerAttribute);
		release(controller);
	}
}

} // namespace VSTGUI
