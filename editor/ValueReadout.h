// The value of the control being turned, shown over its label: while a knob
// or switch is dragged or turned with the wheel, and while the pointer rests
// on it. It is the editor's own overlay (the last view of the frame, deaf to
// the mouse), not a view of the description, and is drawn in frame units so
// that it scales with the editor.
#pragma once

#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/cview.h"

#include <chrono>
#include <functional>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class ValueReadout : public VSTGUI::CView
{
public:
	using Clock = std::chrono::steady_clock;
	// The text the host would show for the control's parameter, with its
	// units; empty for a control that edits no parameter.
	using TextOf = std::function<std::string(VSTGUI::CControl&)>;

	// How long the pointer rests before the value shows, and how long the
	// value stays after an edit ends or the pointer leaves.
	static constexpr std::chrono::milliseconds kRestDelay{500};
	static constexpr std::chrono::milliseconds kLingerAfterEdit{1000};
	static constexpr std::chrono::milliseconds kLingerAfterLeaving{250};

	ValueReadout(const VSTGUI::CRect& frameSize, TextOf textOf);

	void editBegan(VSTGUI::CControl* control, Clock::time_point now);
	void editEnded(VSTGUI::CControl* control, Clock::time_point now);
	void pointerEntered(VSTGUI::CView* view, Clock::time_point now);
	void pointerLeft(VSTGUI::CView* view, Clock::time_point now);
	// On the editor's refresh tick: shows, refreshes or hides the value.
	void tick(Clock::time_point now);

	bool isShowing() const { return isVisible(); }
	const std::string& text() const { return shownText; }

	void draw(VSTGUI::CDrawContext* context) override;

private:
	void show(VSTGUI::CControl* control);
	void hide();
	// The box over the control's label, inside the frame.
	VSTGUI::CRect boxFor(VSTGUI::CDrawContext& context) const;

	TextOf textOf;
	VSTGUI::SharedPointer<VSTGUI::CControl> control; // shown, or waiting for the pointer to rest
	std::string shownText;
	bool editing = false;
	bool waitingForRest = false;
	Clock::time_point showAt{};
	Clock::time_point hideAt = Clock::time_point::max();
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
