#include "uiviewfactory.h"

#include "../lib/cview.h"
#include "uiattributes.h"
#include "viewcreator/stockviewcreators.h"

namespace VSTGUI {
namespace {

// Deeper than any real class tree; a longer chain is a loop of base names.
constexpr size_t kMaxClassDepth = 16;

} // namespace

UIViewFactory::UIViewFactory() { UIViewCreator::registerStockViewCreators(*this); }

UIViewFactory::~UIViewFactory() noexcept = default;

void UIViewFactory::registerViewCreator(std::unique_ptr<IViewCreator> creator)
{
	if (!creator)
		return;
	for (auto& existing : creators)
	{
		if (std::string(existing->getViewName()) == creator->getViewName())
		{
			existing = std::move(creator);
			return;
		}
	}
	creators.push_back(std::move(creator));
}

const IViewCreator* UIViewFactory::findCreator(const std::string& name) const
{
	for (const auto& creator : creators)
		if (name == creator->getViewName())
			return creator.get();
	return nullptr;
}

bool UIViewFactory::applyClassChain(CView* view, const std::string& className, const UIAttributes& attributes,
	const IUIDescription* description) const
{
	std::vector<const IViewCreator*> chain;
	for (auto* creator = findCreator(className); creator && chain.size() < kMaxClassDepth;
		 creator = creator->getBaseViewName() ? findCreator(creator->getBaseViewName()) : nullptr)
		chain.push_back(creator);
	if (chain.empty())
		return false;
	for (auto it = chain.rbegin(); it != chain.rend(); ++it)
		(*it)->apply(view, attributes, description);
	return true;
}

CView* UIViewFactory::createView(const UIAttributes& attributes, const IUIDescription* description) const
{
	auto* className = attributes.getAttributeValue("class");
	auto* creator = className ? findCreator(*className) : nullptr;
	CView* view = creator ? creator->create(attributes, description) : nullptr;
	if (view)
		applyClassChain(view, *className, attributes, description);
	return view;
}

bool UIViewFactory::applyAttributeValues(CView* view, const UIAttributes& attributes,
	const IUIDescription* description) const
{
	if (!view)
		return false;
	auto* className = attributes.getAttributeValue("class");
	return applyClassChain(view, className ? *className : "CView", attributes, description);
}

bool UIViewFactory::applyCustomViewAttributeValues(CView* customView, IdStringPtr baseViewName,
	const UIAttributes& attributes, const IUIDescription* description) const
{
	return customView && baseViewName && applyClassChain(customView, baseViewName, attributes, description);
}

} // namespace VSTGUI
