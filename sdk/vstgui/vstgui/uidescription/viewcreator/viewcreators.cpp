// CView and CViewContainer.
#include "../../lib/cviewcontainer.h"
#include "attributereaders.h"
#include "stockviewcreators.h"
#include "viewcreatoradapter.h"

namespace VSTGUI {
namespace UIViewCreator {
namespace {

int32_t autosizeFlags(const std::string& words)
{
	const std::pair<const char*, int32_t> names[] = {{"left", kAutosizeLeft}, {"top", kAutosizeTop},
		{"right", kAutosizeRight}, {"bottom", kAutosizeBottom}, {"row", kAutosizeRow},
		{"column", kAutosizeColumn}};
	int32_t flags = kAutosizeNone;
	for (const auto& name : names)
		if (words.find(name.first) != std::string::npos)
			flags |= name.second;
	return flags;
}

// A position or size text that is not a point ("84,,84") is ignored: the
// view keeps the rectangle it had.
void applyView(CView* view, const UIAttributes& attributes, const IUIDescription* description)
{
	CPoint point;
	if (attributes.getPointAttribute("origin", point))
	{
		CRect rect = view->getViewSize();
		rect.moveTo(point);
		view->setViewSize(rect, false);
		view->setMouseableArea(rect);
	}
	if (attributes.getPointAttribute("size", point))
	{
		CRect rect = view->getViewSize();
		rect.setSize(point);
		view->setViewSize(rect, false);
		view->setMouseableArea(rect);
	}
	readBoolean(attributes, "transparent", [&](bool on) { view->setTransparency(on); });
	readBoolean(attributes, "mouse-enabled", [&](bool on) { view->setMouseEnabled(on); });
	readBoolean(attributes, "wants-focus", [&](bool on) { view->setWantsFocus(on); });
	readDouble(attributes, "opacity", [&](double alpha) { view->setAlphaValue(static_cast<float>(alpha)); });
	if (auto* tooltip = attributes.getAttributeValue("tooltip"))
		view->setTooltipText(tooltip->c_str());
	if (auto* autosize = attributes.getAttributeValue("autosize"))
		view->setAutosizeFlags(autosizeFlags(*autosize));
	CBitmap* bitmap = nullptr;
	if (readBitmap(attributes, "bitmap", description, bitmap))
		view->setBackground(bitmap);
	if (readBitmap(attributes, "disabled-bitmap", description, bitmap))
		view->setDisabledBackground(bitmap);
}

void applyContainer(CViewContainer* container, const UIAttributes& attributes, const IUIDescription* description)
{
	CColor color;
	if (readColor(attributes, "background-color", description, color))
		container->setBackgroundColor(color);
	if (auto* style = attributes.getAttributeValue("background-color-draw-style"))
	{
		if (*style == "stroked")
			container->setBackgroundColorDrawStyle(kDrawStroked);
		else if (*style == "filled")
			container->setBackgroundColorDrawStyle(kDrawFilled);
		else if (*style == "filled and stroked")
			container->setBackgroundColorDrawStyle(kDrawFilledAndStroked);
	}
}

} // namespace

void registerViewCreators(UIViewFactory& factory)
{
	registerCreator<CView>(factory, "CView", nullptr, [] { return new CView(CRect(0, 0, 0, 0)); }, applyView);
	registerCreator<CViewContainer>(factory, "CViewContainer", "CView",
		[]() -> CView* { return new CViewContainer(CRect(0, 0, 100, 100)); }, applyContainer);
}

void registerStockViewCreators(UIViewFactory& factory)
{
	registerViewCreators(factory);
	registerControlCreators(factory);
	registerTextCreators(factory);
	registerPadAndMeterCreators(factory);
}

} // namespace UIViewCreator
} // namespace VSTGUI
