// What the window tests share: a view that paints one colour and records the
// mouse, an editor that shows it, and a host (X connection, top-level
// window, run loop, plug frame).
#pragma once

#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/RunLoop.h"
#include "host/x11/WindowQuery.h"

#include "public.sdk/source/vst/vstguieditor.h"

#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"

#include <functional>
#include <vector>

namespace PlatformTest {

constexpr int kEditorWidth = 485;
constexpr int kEditorHeight = 270;

struct MouseEvent
{
	enum Kind
	{
		down,
		moved,
		up,
		wheel
	} kind;
	VSTGUI::CPoint where;
	int32_t buttons;
	float distance = 0.f; // wheel only
};

class RecordingView : public VSTGUI::CView
{
public:
	RecordingView(const VSTGUI::CRect& size, const VSTGUI::CColor& colour) : CView(size), colour(colour) {}

	void draw(VSTGUI::CDrawContext* context) override
	{
		context->setFillColor(colour);
		context->drawRect(getViewSize(), VSTGUI::kDrawFilled);
		setDirty(false);
	}
	// A click takes the keyboard, as a text edit does.
	VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override
	{
		if (auto* frame = getFrame())
		{
			frame->setFocusView(this);
			if (auto* platform = frame->getPlatformFrame())
				platform->takeKeyboardFocus();
		}
		return record(MouseEvent::down, where, buttons);
	}
	int32_t onKeyDown(VSTGUI::VstKeyCode& key) override
	{
		keys.push_back(key);
		return 1;
	}
	VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override
	{
		return buttons.getButtonState() ? record(MouseEvent::moved, where, buttons) : VSTGUI::kMouseEventHandled;
	}
	VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState& buttons) override
	{
		return record(MouseEvent::up, where, buttons);
	}
	bool onWheel(const VSTGUI::CPoint& where, const VSTGUI::CMouseWheelAxis&, const float& distance,
	             const VSTGUI::CButtonState& buttons) override
	{
		events.push_back({MouseEvent::wheel, where, buttons(), distance});
		return true;
	}

	size_t count(MouseEvent::Kind kind) const
	{
		size_t n = 0;
		for (const auto& e : events)
			n += e.kind == kind;
		return n;
	}

	std::vector<MouseEvent> events;
	std::vector<VSTGUI::VstKeyCode> keys;

private:
	VSTGUI::CMouseEventResult record(MouseEvent::Kind kind, const VSTGUI::CPoint& where,
	                                 const VSTGUI::CButtonState& buttons)
	{
		events.push_back({kind, where, buttons()});
		return VSTGUI::kMouseEventHandled;
	}

	VSTGUI::CColor colour;
};

// A frame with a blue background and a red RecordingView at (100, 50, 200, 150).
inline VSTGUI::CFrame* makeFrame(VSTGUI::VSTGUIEditorInterface* editor, RecordingView*& target)
{
	auto* frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kEditorWidth, kEditorHeight), editor);
	frame->addView(new RecordingView(VSTGUI::CRect(0, 0, kEditorWidth, kEditorHeight), VSTGUI::CColor(0, 0, 255)));
	target = new RecordingView(VSTGUI::CRect(100, 50, 200, 150), VSTGUI::kRedCColor);
	frame->addView(target);
	return frame;
}

inline Steinberg::ViewRect& initialSize()
{
	static Steinberg::ViewRect size(0, 0, kEditorWidth, kEditorHeight);
	return size;
}

// The smallest VSTGUIEditor: one frame, opened and closed as VST3Editor does.
class TestEditor : public Steinberg::Vst::VSTGUIEditor
{
public:
	explicit TestEditor(void* controller)
	: VSTGUIEditor(controller, &initialSize())
	{
	}

	bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& type) override
	{
		frame = makeFrame(this, target);
		return frame->open(parent, type, platformConfig);
	}
	void PLUGIN_API close() override
	{
		if (frame)
			frame->close();
		frame = nullptr;
		target = nullptr;
	}
	VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) override
	{
		++ticks;
		if (onTick)
			onTick();
		return VSTGUIEditor::notify(sender, message);
	}

	RecordingView* target = nullptr;
	int ticks = 0;
	std::function<void()> onTick;
};

// A Linux host's side of one editor window.
struct Host
{
	VeltraneHost::X11Connection x11;
	VeltraneHost::HostWindow window {x11, kEditorWidth, kEditorHeight};
	VeltraneHost::RunLoop runLoop;
	VeltraneHost::PlugFrame plugFrame {&runLoop, &window};
	VeltraneHost::WindowQuery inspector {x11};

	std::vector<VeltraneHost::WindowId> children() const { return inspector.children(window.id()); }
	// True once the window shows red at (x, y) of the editor.
	bool showsRedAt(VeltraneHost::WindowId child, int x, int y) const
	{
		const auto image = inspector.grab(child);
		return image.width > x && image.height > y && image.at(x, y) == 0xFF0000;
	}
};

} // namespace PlatformTest
