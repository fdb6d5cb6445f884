// A user-interface description in VSTGUI's XML format: fonts, colours,
// gradients, bitmaps, control tags, custom attribute sets and view templates.
// createView builds a template through the stock view classes, asking the
// controller for custom views and sub-controllers on the way.
#pragma once

#include "../lib/cresourcedescription.h"
#include "iuidescription.h"

#include <list>
#include <memory>
#include <string>

namespace VSTGUI {

class IViewFactory;
namespace Xml { class IContentProvider; }
namespace Detail { struct UIDescriptionContent; struct UIViewNode; }

class UIDescription : public NonAtomicReferenceCounted, public IUIDescription
{
public:
	// The description file, found by name in the resource folder.
	explicit UIDescription(const CResourceDescription& xmlFile, IViewFactory* viewFactory = nullptr);
	// XML text from elsewhere (read once, by parse).
	explicit UIDescription(Xml::IContentProvider* xmlContentProvider, IViewFactory* viewFactory = nullptr);
	~UIDescription() noexcept override;

	// Reads the description; false (and an empty description) when the file
	// is missing or is not a description.
	virtual bool parse();
	UTF8StringPtr getFilePath() const { return filePath.c_str(); }

	//---IUIDescription
	CView* createView(UTF8StringPtr name, IController* controller) const override;
	CBitmap* getBitmap(UTF8StringPtr name) const override;
	CFontDesc* getFont(UTF8StringPtr name) const override;
	bool getColor(UTF8StringPtr name, CColor& color) const override;
	CGradient* getGradient(UTF8StringPtr name) const override;
	int32_t getTagForName(UTF8StringPtr name) const override;
	IControlListener* getControlListener(UTF8StringPtr name) const override;
	IController* getController() const override { return controller; }
	const UIAttributes* getViewAttributes(UTF8StringPtr name) const override;
	const UIAttributes* getCustomAttributes(UTF8StringPtr name) const override;
	UTF8StringPtr lookupColorName(const CColor& color) const override;
	UTF8StringPtr lookupBitmapName(const CBitmap* bitmap) const override;
	UTF8StringPtr lookupControlTagName(int32_t tag) const override;

	// In-house: decodes every picture handed out so far at the resolution a
	// drawing at scaleFactor uses, several at once (see decodeBitmaps in
	// cbitmap.h). An editor calls it once its views are built.
	void decodeBitmaps(double scaleFactor) const;

	// The controller createView works for; also set while createView runs.
	void setController(IController* newController) const { controller = newController; }

	void collectTemplateViewNames(std::list<const std::string*>& names) const;
	void collectBitmapNames(std::list<const std::string*>& names) const;
	void collectControlTagNames(std::list<const std::string*>& names) const;
	void collectColorNames(std::list<const std::string*>& names) const;

	// "#rrggbb" or "#rrggbbaa".
	static bool parseColor(const std::string& colorString, CColor& color);

private:
	CView* createViewFromNode(const Detail::UIViewNode& node) const;
	const Detail::UIViewNode* findTemplate(const std::string& name) const;
	const IViewFactory* viewFactory() const;

	struct Resources;
	std::string filePath;
	Xml::IContentProvider* contentProvider = nullptr;
	IViewFactory* externalFactory = nullptr;
	std::unique_ptr<Resources> resources;
	mutable IController* controller = nullptr;
};

} // namespace VSTGUI
