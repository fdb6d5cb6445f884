// Pointer events of X11 as VSTGUI button states.
#pragma once

#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/cpoint.h"

#include <cstdint>

namespace VSTGUI {
namespace X11 {

// Shift, Control and Alt of an X event state.
int32_t modifierButtons(uint16_t state);
// The buttons held according to an X event state (during motion).
int32_t heldButtons(uint16_t state);
// X button 1, 2, 3 as kLButton, kMButton, kRButton; 0 for the others.
int32_t buttonOf(uint8_t detail);

struct WheelStep
{
	CMouseWheelAxis axis;
	float distance;
};
// X buttons 4 to 7 are wheel steps: up, down, left, right.
bool wheelStep(uint8_t detail, WheelStep& step);

// Tells a second press of the same button, soon and close by, as a double click.
class ClickCounter
{
public:
	static constexpr uint32_t kMaxIntervalMs = 400;
	static constexpr CCoord kMaxDistance = 4;

	bool isDoubleClick(int32_t button, const CPoint& where, uint32_t timeMs);

private:
	int32_t lastButton = 0;
	CPoint lastWhere;
	uint32_t lastTime = 0;
};

} // namespace X11
} // namespace VSTGUI
