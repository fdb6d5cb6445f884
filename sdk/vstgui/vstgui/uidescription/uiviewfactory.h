// The stock view factory: one creator per view class, each knowing how to
// make its class and which attributes belong to it. A view's attributes are
// applied from the root class down (CView, then CControl, then CAnimKnob).
#pragma once

#include "iviewfactory.h"

#include <memory>
#include <string>
#include <vector>

namespace VSTGUI {

class IViewCreator
{
public:
	virtual ~IViewCreator() noexcept = default;
	virtual IdStringPtr getViewName() const = 0;
	// Null for the root class.
	virtual IdStringPtr getBaseViewName() const = 0;
	// A new view in the class's default state; null for classes that only
	// serve as a base.
	virtual CView* create(const UIAttributes& attributes, const IUIDescription* description) const = 0;
	// Applies the attributes this class adds; false when the view is not of it.
	virtual bool apply(CView* view, const UIAttributes& attributes, const IUIDescription* description) const = 0;
};

class UIViewFactory : public IViewFactory
{
public:
	// Knows CView, CViewContainer, CControl, CKnobBase, CAnimKnob,
	// COnOffButton, CKickButton, CParamDisplay, CTextLabel, CTextEdit,
	// CVuMeter and CXYPad.
	UIViewFactory();
	~UIViewFactory() noexcept override;

	// A later creator of the same name takes the place of the earlier one.
	void registerViewCreator(std::unique_ptr<IViewCreator> creator);

	CView* createView(const UIAttributes& attributes, const IUIDescription* description) const override;
	bool applyAttributeValues(CView* view, const UIAttributes& attributes,
		const IUIDescription* description) const override;
	bool applyCustomViewAttributeValues(CView* customView, IdStringPtr baseViewName,
		const UIAttributes& attributes, const IUIDescription* description) const override;

private:
	const IViewCreator* findCreator(const std::string& name) const;
	bool applyClassChain(CView* view, const std::string& className, const UIAttributes& attributes,
		const IUIDescription* description) const;

	std::vector<std::unique_ptr<IViewCreator>> creators;
};

} // namespace VSTGUI
