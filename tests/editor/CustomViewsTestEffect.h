// An effect for the description that names every custom view: two controls
// with units, two meters with their ballistics, a kick control, and an
// editor hook that builds the views the factory asks it for (a knob from the
// message's strip, else a swatch of its three colours), may claim to draw
// its own window, and records what it hears.
#pragma once

#include "PlugIn.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/controls/cknob.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Three colour bands, as a self-made view of the effect would show them.
class ColourSwatch : public VSTGUI::CView
{
public:
	ColourSwatch(const VSTGUI::CRect& size, const VSTGUI::CColor (&bands)[3]) : CView(size)
	{
		for (int i = 0; i < 3; ++i)
			colours[i] = bands[i];
	}

	void draw(VSTGUI::CDrawContext* context) override
	{
		const VSTGUI::CRect whole = getViewSize();
		const VSTGUI::CCoord third = whole.getWidth() / 3;
		for (int i = 0; i < 3; ++i)
		{
			context->setFillColor(colours[i]);
			context->drawRect(VSTGUI::CRect(whole.left + i * third, whole.top, whole.left + (i + 1) * third, whole.bottom),
			                  VSTGUI::kDrawFilled);
		}
		setDirty(false);
	}

	VSTGUI::CColor colours[3];
};

class CustomViewsTestEffect : public CPlugIn
{
public:
	// Control positions = parameter ids = the description's tags.
	enum Index { kCutoff, kDelay, kLevel, kPeak, kKick, kControls };

	// What one custom-view request (code 3) carried.
	struct ViewRequest
	{
		std::string name;
		int32_t tag;
		int32_t left, top, right, bottom, offsetX, offsetY;
		std::string bitmap, handleBitmap, offBitmap, orientation;
		std::optional<VSTGUI::CColor> backColor, frameColor, fontColor;
		int32_t frameWidth, roundRectRadius, heightOfOneImage, subPixmaps;
		bool noFrame, roundRect;
		void* listener;
	};

	CustomViewsTestEffect()
	{
		m_hasEditorDescription = true;
		m_editorOption = 2;
		addFloat(kCutoff, "Cutoff", &cutoff, 20, 20000, " Hz  ");
		addFloat(kDelay, "Delay", &delay, 0, 2000, "mSec");
		ControlDescriptor& level = addMeter(kLevel, "Level", &level_);
		level.meterAttackMs = 10;
		level.meterReleaseMs = 500;
		level.meterMode = 0;
		ControlDescriptor& peak = addMeter(kPeak, "Peak", &peak_);
		peak.meterAttackMs = 5;
		peak.meterReleaseMs = 300;
		peak.meterMode = 2;
		peak.meterFlags[3] = true; // on a decibel scale
		addFloat(kKick, "Kick", &kick, 0, 1, "");
		indexControls();
	}

	void* editorMessage(EditorMessage& message) override
	{
		codes.push_back(message.code);
		switch (message.code)
		{
			case kEditorCustomView: return buildView(message);
			case kEditorDrawsItself: message.reply = drawsItself; return nullptr;
			case kEditorOpenOwn:
				parentWindow = message.parentWindow;
				if (openOwnWindow)
					openOwnWindow(message.parentWindow);
				message.width = 320;
				message.height = 200;
				return this;
			case kEditorCloseOwn:
				if (closeOwnWindow)
					closeOwnWindow();
				return nullptr;
			case kEditorParamValue: parameterValues.push_back({message.paramId, message.paramValue}); return nullptr;
			default: return nullptr;
		}
	}

	float cutoff = 1000;
	float delay = 250;
	float level_ = 0;
	float peak_ = 0;
	float kick = 0;

	bool drawsItself = false;
	bool refuseViews = false;
	std::function<void(void*)> openOwnWindow; // the self-drawn window, in the host's
	std::function<void()> closeOwnWindow;
	void* parentWindow = nullptr;
	std::vector<int32_t> codes;
	std::vector<ViewRequest> viewRequests;
	std::vector<std::pair<int32_t, double>> parameterValues;

private:
	static std::optional<VSTGUI::CColor> colourAt(const void* colour)
	{
		return colour ? std::optional(*static_cast<const VSTGUI::CColor*>(colour)) : std::nullopt;
	}

	void* buildView(const EditorMessage& m)
	{
		viewRequests.push_back({m.viewName, m.tag, m.left, m.top, m.right, m.bottom, m.offsetX, m.offsetY, m.bitmap,
		                        m.handleBitmap, m.offBitmap, m.orientation, colourAt(m.backColor),
		                        colourAt(m.frameColor), colourAt(m.fontColor), m.frameWidth, m.roundRectRadius,
		                        m.heightOfOneImage, m.subPixmaps, m.noFrame, m.roundRect, m.listener});
		if (refuseViews)
			return nullptr;
		const VSTGUI::CRect rect(m.left, m.top, m.right, m.bottom);
		if (m.subPixmaps > 0 && *m.bitmap)
		{
			auto strip = VSTGUI::makeOwned<VSTGUI::CBitmap>(VSTGUI::CResourceDescription(m.bitmap));
			return static_cast<VSTGUI::CView*>(new VSTGUI::CAnimKnob(rect,
				static_cast<VSTGUI::IControlListener*>(m.listener), m.tag, m.subPixmaps, m.heightOfOneImage,
				strip.get(), VSTGUI::CPoint(m.offsetX, m.offsetY)));
		}
		const VSTGUI::CColor grey = VSTGUI::kGreyCColor;
		const VSTGUI::CColor bands[3] = {colourAt(m.backColor).value_or(grey), colourAt(m.frameColor).value_or(grey),
		                                 colourAt(m.fontColor).value_or(grey)};
		return static_cast<VSTGUI::CView*>(new ColourSwatch(rect, bands));
	}

	ControlDescriptor& add(int32_t index, const char* name)
	{
		ControlDescriptor control;
		control.index = index;
		control.controlId = static_cast<uint32_t>(index);
		control.name = name;
		control.setPrecision(1);
		m_controls.append(control);
		return *m_controls.at(index);
	}

	void addFloat(int32_t index, const char* name, float* variable, float minimum, float maximum, const char* units)
	{
		ControlDescriptor& control = add(index, name);
		control.valueType = kFloatValue;
		control.floatVar = variable;
		control.minimum = minimum;
		control.maximum = maximum;
		control.units = units;
	}

	ControlDescriptor& addMeter(int32_t index, const char* name, float* variable)
	{
		ControlDescriptor& control = add(index, name);
		control.kind = kControlMeter;
		control.meterVar = variable;
		return control;
	}
};
