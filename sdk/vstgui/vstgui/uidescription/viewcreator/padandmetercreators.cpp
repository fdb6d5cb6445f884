// CXYPad and CVuMeter.
#include "../../lib/cbitmap.h"
#include "../../lib/controls/cvumeter.h"
#include "../../lib/controls/cxypad.h"
#include "attributereaders.h"
#include "stockviewcreators.h"
#include "viewcreatoradapter.h"

namespace VSTGUI {
namespace UIViewCreator {
namespace {

void applyXYPad(CXYPad* pad, const UIAttributes& attributes, const IUIDescription*)
{
	readBoolean(attributes, "stop-tracking-on-mouse-exit", [&](bool on) { pad->setStopTrackingOnMouseExit(on); });
}

void applyVuMeter(CVuMeter* meter, const UIAttributes& attributes, const IUIDescription* description)
{
	CBitmap* bitmap = nullptr;
	if (readBitmap(attributes, "off-bitmap", description, bitmap))
		meter->setOffBitmap(bitmap);
	readInteger(attributes, "num-led", [&](int32_t count) { meter->setNbLed(count); });
	if (auto* orientation = attributes.getAttributeValue("orientation"))
	{
		if (*orientation == "vertical")
			meter->setStyle(kVertical);
		else if (*orientation == "horizontal")
			meter->setStyle(kHorizontal);
	}
	readDouble(attributes, "decrease-step-value",
		[&](double v) { meter->setDecreaseStepValue(static_cast<float>(v)); });
}

} // namespace

void registerPadAndMeterCreators(UIViewFactory& factory)
{
	registerCreator<CXYPad>(factory, "CXYPad", "CParamDisplay",
		[]() -> CView* { return new CXYPad(CRect(0, 0, 0, 0)); }, applyXYPad);
	registerCreator<CVuMeter>(factory, "CVuMeter", "CControl",
		[]() -> CView* { return new CVuMeter(CRect(0, 0, 0, 0), nullptr, nullptr, 100); }, applyVuMeter);
}

} // namespace UIViewCreator
} // namespace VSTGUI
