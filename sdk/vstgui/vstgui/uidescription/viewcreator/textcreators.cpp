// CParamDisplay, CTextLabel and CTextEdit.
#include "../../lib/controls/ctextedit.h"
#include "attributereaders.h"
#include "stockviewcreators.h"
#include "viewcreatoradapter.h"

namespace VSTGUI {
namespace UIViewCreator {
namespace {

void applyStyleFlag(CParamDisplay* display, const UIAttributes& attributes, const char* name, int32_t flag)
{
	readBoolean(attributes, name, [&](bool on) {
		display->setStyle(on ? (display->getStyle() | flag) : (display->getStyle() & ~flag));
	});
}

void applyParamDisplay(CParamDisplay* display, const UIAttributes& attributes, const IUIDescription* description)
{
	CFontDesc* font = nullptr;
	if (readFont(attributes, "font", description, font))
		display->setFont(font);
	CColor color;
	if (readColor(attributes, "font-color", description, color))
		display->setFontColor(color);
	if (readColor(attributes, "back-color", description, color))
		display->setBackColor(color);
	if (readColor(attributes, "frame-color", description, color))
		display->setFrameColor(color);
	if (readColor(attributes, "shadow-color", description, color))
		display->setShadowColor(color);
	readBoolean(attributes, "font-antialias", [&](bool on) { display->setAntialias(on); });
	if (auto* alignment = attributes.getAttributeValue("text-alignment"))
	{
		if (*alignment == "left")
			display->setHoriAlign(kLeftText);
		else if (*alignment == "center")
			display->setHoriAlign(kCenterText);
		else if (*alignment == "right")
			display->setHoriAlign(kRightText);
	}
	readPoint(attributes, "text-inset", [&](const CPoint& p) { display->setTextInset(p); });
	readPoint(attributes, "text-shadow-offset", [&](const CPoint& p) { display->setShadowTextOffset(p); });
	readPoint(attributes, "background-offset", [&](const CPoint& p) { display->setBackOffset(p); });
	readDouble(attributes, "round-rect-radius", [&](double v) { display->setRoundRectRadius(v); });
	readDouble(attributes, "frame-width", [&](double v) { display->setFrameWidth(v); });
	readInteger(attributes, "value-precision", [&](int32_t v) {
		display->setPrecision(static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v));
	});
	applyStyleFlag(display, attributes, "style-3D-in", k3DIn);
	applyStyleFlag(display, attributes, "style-3D-out", k3DOut);
	applyStyleFlag(display, attributes, "style-no-frame", kNoFrame);
	applyStyleFlag(display, attributes, "style-no-text", kNoTextStyle);
	applyStyleFlag(display, attributes, "style-no-draw", kNoDrawStyle);
	applyStyleFlag(display, attributes, "style-shadow-text", kShadowText);
	applyStyleFlag(display, attributes, "style-round-rect", kRoundRectStyle);
}

void applyTextLabel(CTextLabel* label, const UIAttributes& attributes, const IUIDescription*)
{
	if (auto* title = attributes.getAttributeValue("title"))
		label->setText(*title);
}

} // namespace

void registerTextCreators(UIViewFactory& factory)
{
	registerCreator<CParamDisplay>(factory, "CParamDisplay", "CControl",
		[]() -> CView* { return new CParamDisplay(CRect(0, 0, 0, 0)); }, applyParamDisplay);
	registerCreator<CTextLabel>(factory, "CTextLabel", "CParamDisplay",
		[]() -> CView* { return new CTextLabel(CRect(0, 0, 100, 20)); }, applyTextLabel);
	registerCreator<CTextEdit>(factory, "CTextEdit", "CTextLabel",
		[]() -> CView* { return new CTextEdit(CRect(0, 0, 100, 20), nullptr, -1); }, nullptr);
}

} // namespace UIViewCreator
} // namespace VSTGUI
