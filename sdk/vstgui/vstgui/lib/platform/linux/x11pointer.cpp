#include "x11pointer.h"

#include <cmath>

namespace VSTGUI {
namespace X11 {

int32_t modifierButtons(uint16_t state)
{
	int32_t buttons = 0;
	if (state & (1 << 0))
		buttons |= kShift;
	if (state & (1 << 2))
		buttons |= kControl;
	if (state & (1 << 3))
		buttons |= kAlt;
	return buttons;
}

int32_t heldButtons(uint16_t state)
{
	int32_t buttons = 0;
	if (state & (1 << 8))
		buttons |= kLButton;
	if (state & (1 << 9))
		buttons |= kMButton;
	if (state & (1 << 10))
		buttons |= kRButton;
	return buttons;
}

int32_t buttonOf(uint8_t detail)
{
	switch (detail)
	{
		case 1: return kLButton;
		case 2: return kMButton;
		case 3: return kRButton;
		default: return 0;
	}
}

bool wheelStep(uint8_t detail, WheelStep& step)
{
	switch (detail)
	{
		case 4: step = {kMouseWheelAxisY, 1.f}; return true;
		case 5: step = {kMouseWheelAxisY, -1.f}; return true;
		case 6: step = {kMouseWheelAxisX, 1.f}; return true;
		case 7: step = {kMouseWheelAxisX, -1.f}; return true;
		default: return false;
	}
}

bool ClickCounter::isDoubleClick(int32_t button, const CPoint& where, uint32_t timeMs)
{
	const bool isDouble = button == lastButton && timeMs - lastTime <= kMaxIntervalMs &&
	                      std::abs(where.x - lastWhere.x) <= kMaxDistance &&
	                      std::abs(where.y - lastWhere.y) <= kMaxDistance;
	// A third click starts over rather than counting as another double click.
	lastButton = isDouble ? 0 : button;
	lastWhere = where;
	lastTime = timeMs;
	return isDouble;
}

} // namespace X11
} // namespace VSTGUI
