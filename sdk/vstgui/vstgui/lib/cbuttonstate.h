// Mouse buttons and modifier keys as views receive them.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum CButton : int32_t
{
	kLButton = 1 << 1,
	kMButton = 1 << 2,
	kRButton = 1 << 3,
	kShift = 1 << 4,
	kControl = 1 << 5, // the platform's command key (Ctrl on Linux)
	kAlt = 1 << 6,
	kApple = 1 << 7,   // the real Control key on macOS; unused on Linux
	kButton4 = 1 << 8,
	kButton5 = 1 << 9,
	kDoubleClick = 1 << 10,
	kMouseWheelInverted = 1 << 11,
};

class CButtonState
{
public:
	constexpr CButtonState(int32_t state = 0) : state(state) {}

	int32_t getButtonState() const { return state & (kLButton | kMButton | kRButton | kButton4 | kButton5); }
	int32_t getModifierState() const { return state & (kShift | kControl | kAlt | kApple); }
	bool isLeftButton() const { return (state & kLButton) != 0; }
	bool isRightButton() const { return (state & kRButton) != 0; }
	bool isDoubleClick() const { return (state & kDoubleClick) != 0; }

	int32_t operator()() const { return state; }
	CButtonState& operator=(int32_t s)
	{
		state = s;
		return *this;
	}
	bool operator==(const CButtonState& other) const { return state == other.state; }
	bool operator!=(const CButtonState& other) const { return state != other.state; }
	int32_t operator&(int32_t mask) const { return state & mask; }
	int32_t operator|(int32_t mask) const { return state | mask; }

private:
	int32_t state;
};

enum CMouseEventResult
{
	kMouseEventNotImplemented = 0,
	kMouseEventHandled,
	kMouseEventNotHandled,
	kMouseDownEventHandledButDontNeedMovedOrUpEvents,
	kMouseMoveEventHandledButDontNeedMoreEvents,
};

enum CMouseWheelAxis
{
	kMouseWheelAxisX = 0,
	kMouseWheelAxisY
};

} // namespace VSTGUI
