// CControl, CKnobBase, CAnimKnob, COnOffButton and CKickButton.
#include "../../lib/controls/cbuttons.h"
#include "../../lib/controls/cknob.h"
#include "attributereaders.h"
#include "stockviewcreators.h"
#include "viewcreatoradapter.h"

#include <cmath>

namespace VSTGUI {
namespace UIViewCreator {
namespace {

// The listener comes first so that it hears the tag arrive. A name that
// resolves to nothing (and is no number) leaves the control unbound.
void applyControlTag(CControl* control, const std::string& tagName, const IUIDescription* description)
{
	if (tagName.empty())
	{
		control->setTag(-1);
		control->setListener(nullptr);
		return;
	}
	int32_t tag = description ? description->getTagForName(tagName.c_str()) : -1;
	if (tag == -1 && !UIAttributes::stringToInteger(tagName, tag))
		return;
	control->setListener(description ? description->getControlListener(tagName.c_str()) : nullptr);
	control->setTag(tag);
}

// The tag is applied last: binding it to a parameter shows the parameter's
// value, which needs the range already in place.
void applyControl(CControl* control, const UIAttributes& attributes, const IUIDescription* description)
{
	readDouble(attributes, "min-value", [&](double v) { control->setMin(static_cast<float>(v)); });
	readDouble(attributes, "max-value", [&](double v) { control->setMax(static_cast<float>(v)); });
	readDouble(attributes, "default-value", [&](double v) { control->setDefaultValue(static_cast<float>(v)); });
	readDouble(attributes, "wheel-inc-value", [&](double v) { control->setWheelInc(static_cast<float>(v)); });
	if (auto* tagName = attributes.getAttributeValue("control-tag"))
		applyControlTag(control, *tagName, description);
}

// Angles are written in degrees and kept in radians.
float toRadians(double degrees) { return static_cast<float>(degrees / 180. * M_PI); }

void applyKnob(CKnobBase* knob, const UIAttributes& attributes, const IUIDescription*)
{
	readDouble(attributes, "angle-start", [&](double v) { knob->setStartAngle(toRadians(v)); });
	readDouble(attributes, "angle-range", [&](double v) { knob->setRangeAngle(toRadians(v)); });
	readDouble(attributes, "value-inset", [&](double v) { knob->setInsetValue(v); });
	readDouble(attributes, "zoom-factor", [&](double v) { knob->setZoomFactor(static_cast<float>(v)); });
}

// Without an image height the strip is cut into images as high as the view.
void applyMultiBitmap(IMultiBitmapControl* control, const UIAttributes& attributes)
{
	double height = 0;
	if (attributes.getDoubleAttribute("height-of-one-image", height))
		control->setHeightOfOneImage(height);
	else
		control->autoComputeHeightOfOneImage();
	readInteger(attributes, "sub-pixmaps", [&](int32_t count) { control->setNumSubPixmaps(count); });
}

void applyAnimKnob(CAnimKnob* knob, const UIAttributes& attributes, const IUIDescription*)
{
	applyMultiBitmap(knob, attributes);
	readBoolean(attributes, "inverse-bitmap", [&](bool on) { knob->setInverseBitmap(on); });
}

void applyKickButton(CKickButton* button, const UIAttributes& attributes, const IUIDescription*)
{
	applyMultiBitmap(button, attributes);
}

} // namespace

void registerControlCreators(UIViewFactory& factory)
{
	registerCreator<CControl>(factory, "CControl", "CView", nullptr, applyControl);
	registerCreator<CKnobBase>(factory, "CKnobBase", "CControl", nullptr, applyKnob);
	registerCreator<CAnimKnob>(factory, "CAnimKnob", "CKnobBase",
		[]() -> CView* { return new CAnimKnob(CRect(0, 0, 0, 0), nullptr, -1, nullptr); }, applyAnimKnob);
	// The on/off button reads no image height: it always splits its picture in half.
	registerCreator<COnOffButton>(factory, "COnOffButton", "CControl",
		[]() -> CView* { return new COnOffButton(CRect(0, 0, 0, 0), nullptr, -1, nullptr); }, nullptr);
	registerCreator<CKickButton>(factory, "CKickButton", "CControl",
		[]() -> CView* { return new CKickButton(CRect(0, 0, 0, 0), nullptr, -1, nullptr); }, applyKickButton);
}

} // namespace UIViewCreator
} // namespace VSTGUI
