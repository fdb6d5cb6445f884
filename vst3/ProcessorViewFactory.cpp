// The processor as the editor's view factory: the custom views a description
// names, built from their attributes, or asked of the effect. A view that
// lacks an attribute it needs is not built; VSTGUI then falls back to the
// stock class of the entry.
#include "Processor.h"
#include "ViewAttributeReader.h"

#include "CKickButtonJT.h"
#include "CTextEditJT.h"
#include "CTextLabelJT.h"
#include "CVuMeterJT.h"
#include "CXYPadJT.h"

#include "vstgui/lib/controls/cparamdisplay.h"

#include <cstdint>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

using VSTGUI::CView;

bool contains(const std::string& text, const char* part)
{
	return text.find(part) != std::string::npos;
}

CView* makeKickButton(const std::string& name, const ViewAttributeReader& read)
{
	if (!read.hasAll({"size", "origin", "bitmap", "control-tag", "background-offset"}))
		return nullptr;
	auto* button = new VSTGUI::CKickButtonJT(read.rect(), read.listener("control-tag"), read.tag("control-tag"),
	                                         read.bitmap("bitmap"), read.point("background-offset"));
	if (name == "PlinthKickButtonDU")
		button->sendMode = VSTGUI::CKickButtonJT::kSendOnPressAndRelease;
	else if (name == "PlinthKickButtonD")
		button->sendMode = VSTGUI::CKickButtonJT::kSendOnPress;
	else
		button->sendMode = VSTGUI::CKickButtonJT::kSendOnRelease;
	return button;
}

void setStyleFlag(VSTGUI::CParamDisplay& display, int32_t flag, bool on)
{
	display.setStyle(on ? display.getStyle() | flag : display.getStyle() & ~flag);
}

CView* makePad(const std::string& name, const ViewAttributeReader& read)
{
	if (!read.hasAll({"size", "origin", "back-color", "frame-color", "font-color", "frame-width", "round-rect-radius",
	                  "style-round-rect", "style-no-frame"}))
		return nullptr;
	auto* pad = new VSTGUI::CXYPadJT(read.rect());
	pad->joystick = name == "Joystick";
	pad->setBackColor(read.colour("back-color"));
	pad->setFrameColor(read.colour("frame-color"));
	pad->setFontColor(read.colour("font-color"));
	pad->setFrameWidth(read.integer("frame-width"));
	pad->setRoundRectRadius(read.integer("round-rect-radius"));
	setStyleFlag(*pad, VSTGUI::kRoundRectStyle, read.flag("style-round-rect"));
	setStyleFlag(*pad, VSTGUI::kNoFrame, read.flag("style-no-frame"));
	return pad;
}

std::string withoutBlanks(const std::string& text)
{
	const char* blanks = " \t\n";
	const size_t first = text.find_first_not_of(blanks);
	if (first == std::string::npos)
		return {};
	return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A label or edit showing one of the effect's controls, with its units.
CView* makeUnitsView(const std::string& name, const ViewAttributeReader& read, const CPlugIn& effect)
{
	if (!read.hasAll({"origin", "size", "title", "control-tag"}))
		return nullptr;
	VSTGUI::SharedPointer<VSTGUI::CBitmap> background;
	if (!read.text("bitmap").empty())
		background = read.bitmap("bitmap");
	const int32_t tag = read.tag("control-tag");
	const ControlDescriptor* control = effect.m_controls.at(tag);
	if (!control)
		return nullptr;
	const std::string units = withoutBlanks(control->units.str());
	const char* title = read.text("title").c_str();
	if (name == "UnitsEdit")
	{
		auto* edit = new CTextEditJT(read.rect(), read.listener("control-tag"), tag, title, background.get(), 0);
		edit->units = units;
		return edit;
	}
	auto* label = new VSTGUI::CTextLabelJT(read.rect(), title, background.get(), 0);
	label->units = units;
	return label;
}

// The number that follows marker in the name, up to "_Z" or the end; 0 without the marker.
double numberAfter(const std::string& name, const char* marker)
{
	const size_t at = name.find(marker);
	if (at == std::string::npos)
		return 0.0;
	const size_t start = at + 2;
	const size_t end = name.find("_Z", start);
	return leadingNumber(name.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
}

// Ballistics from the effect's meter control of the same name; the last match wins.
void followMeterControl(VSTGUI::CVuMeterJT& meter, const CPlugIn& effect, const std::string& controlName,
                        bool needsMeterVariable)
{
	for (int32_t position = 0; const ControlDescriptor* control = effect.m_controls.at(position); ++position)
	{
		if (!(control->name == controlName.c_str()) || (needsMeterVariable && !control->meterVar))
			continue;
		meter.follower.init(20.f, control->meterAttackMs, control->meterReleaseMs, true,
		                    static_cast<int32_t>(control->meterMode), control->meterFlags[3]);
	}
}

bool hasMeterAttributes(const ViewAttributeReader& read)
{
	return read.hasAll({"size", "origin", "bitmap", "off-bitmap", "num-led"});
}

VSTGUI::CVuMeterJT* makeMeter(const ViewAttributeReader& read, const CPlugIn& effect, bool inverted, bool analog)
{
	auto* meter = new VSTGUI::CVuMeterJT(read.rect(), read.bitmap("bitmap"), read.bitmap("off-bitmap"),
	                                     read.integer("num-led"), inverted, analog, VSTGUI::kVertical);
	followMeterControl(*meter, effect, read.text("control-tag"), analog);
	return meter;
}

CView* makeAnalogMeter(const std::string& name, const ViewAttributeReader& read, const CPlugIn& effect)
{
	if (!read.has("control-tag"))
		return nullptr;
	VSTGUI::CVuMeterJT* meter = makeMeter(read, effect, contains(name, "InvertedAnalogMeterView"), true);
	meter->frameHeight = numberAfter(name, "_H");
	meter->zeroFrame = numberAfter(name, "_Z");
	meter->frameCount = leadingNumber(read.text("num-led").c_str());
	return meter;
}

// A picture attribute as the effect wants it: "<value>.png", or empty text.
std::string pictureFile(const ViewAttributeReader& read, const char* name)
{
	const std::string& value = read.text(name);
	return value.empty() ? std::string() : value + ".png";
}

} // namespace

VSTGUI::CView* Processor::createCustomView(VSTGUI::UTF8StringPtr name, const VSTGUI::UIAttributes& attributes,
                                           const VSTGUI::IUIDescription* description, VSTGUI::VST3Editor*)
{
	if (!effect || !name)
		return nullptr;
	const std::string viewName = name;
	const ViewAttributeReader read(attributes, description);
	if (viewName == "PlinthKickButton" || viewName == "PlinthKickButtonDU" || viewName == "PlinthKickButtonU" ||
	    viewName == "PlinthKickButtonD")
		return makeKickButton(viewName, read);
	if (viewName == "TrackPad" || viewName == "Joystick")
		return makePad(viewName, read);
	if (unitsViewsEnabled && (viewName == "UnitsEdit" || viewName == "UnitsLabel"))
		return makeUnitsView(viewName, read, *effect);
	if (contains(viewName, "AnalogMeterView") && hasMeterAttributes(read))
		return makeAnalogMeter(viewName, read, *effect);
	if ((viewName == "InvertedMeterView" || viewName == "MeterView") && read.has("control-tag") &&
	    hasMeterAttributes(read))
		return makeMeter(read, *effect, viewName == "InvertedMeterView", false);
	if (viewName.empty())
		return nullptr;
	return askEffectForView(viewName, read);
}

VSTGUI::CView* Processor::askEffectForView(const std::string& viewName, const ViewAttributeReader& read)
{
	// The texts and colours live until the hook returns; the effect copies what it keeps.
	const std::string bitmap = pictureFile(read, "bitmap");
	const std::string handleBitmap = pictureFile(read, "handle-bitmap");
	const std::string offBitmap = handleBitmap.empty() ? pictureFile(read, "off-bitmap") : std::string();
	const std::string& orientation = read.text("orientation");
	const VSTGUI::CColor backColor = read.colour("back-color");
	const VSTGUI::CColor frameColor = read.colour("frame-color");
	const VSTGUI::CColor fontColor = read.colour("font-color");

	EditorMessage& message = guiMessage;
	message.code = kEditorCustomView;
	message.viewName = viewName.c_str();
	message.text = "";
	message.editor = nullptr;
	message.parentWindow = nullptr;
	message.reserved = nullptr;
	message.moduleHandle = nullptr;
	message.reply = false;
	message.width = message.height = 0;
	message.listener = nullptr;
	if (!read.text("control-tag").empty())
	{
		message.tag = read.tag("control-tag");
		message.listener = read.listener("control-tag");
	}
	const VSTGUI::CPoint origin = read.point("origin");
	const VSTGUI::CPoint size = read.point("size");
	const VSTGUI::CPoint offset = read.point("background-offset");
	message.left = static_cast<int32_t>(origin.x);
	message.top = static_cast<int32_t>(origin.y);
	message.right = clampedToInt32(int64_t{message.left} + static_cast<int32_t>(size.x));
	message.bottom = clampedToInt32(int64_t{message.top} + static_cast<int32_t>(size.y));
	message.offsetX = static_cast<int32_t>(offset.x);
	message.offsetY = static_cast<int32_t>(offset.y);
	message.bitmap = bitmap.c_str();
	message.handleBitmap = handleBitmap.c_str();
	message.offBitmap = offBitmap.c_str();
	message.orientation = orientation.c_str();
	message.backColor = read.text("back-color").empty() ? nullptr : &backColor;
	message.frameColor = read.text("frame-color").empty() ? nullptr : &frameColor;
	message.fontColor = read.text("font-color").empty() ? nullptr : &fontColor;
	message.frameWidth = read.integer("frame-width");
	message.roundRectRadius = read.integer("round-rect-radius");
	message.heightOfOneImage = read.integer("height-of-one-image");
	message.subPixmaps = read.integer("sub-pixmaps");
	message.noFrame = read.flag("style-no-frame");
	message.roundRect = read.flag("style-round-rect");

	void* view = effect->editorMessage(message);

	// The record outlives this call; leave nothing in it that points at what goes now.
	message.viewName = message.bitmap = message.handleBitmap = message.offBitmap = message.orientation = "";
	message.backColor = message.frameColor = message.fontColor = nullptr;
	return static_cast<VSTGUI::CView*>(view);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
