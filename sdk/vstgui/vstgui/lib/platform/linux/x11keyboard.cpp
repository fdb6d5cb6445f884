#include "x11keyboard.h"

#include <cstdlib>

namespace VSTGUI {
namespace X11 {
namespace {

struct VirtualKeyEntry
{
	uint32_t keysym;
	VirtualKey key;
};

// The keysyms (X11/keysymdef.h) of the keys that carry no character.
constexpr VirtualKeyEntry kVirtualKeys[] = {
	{0xff08, VKEY_BACK},   {0xff09, VKEY_TAB},    {0xfe20, VKEY_TAB}, // ISO_Left_Tab (Shift+Tab)
	{0xff0b, VKEY_CLEAR},  {0xff0d, VKEY_RETURN}, {0xff13, VKEY_PAUSE}, {0xff1b, VKEY_ESCAPE},
	{0xff50, VKEY_HOME},   {0xff51, VKEY_LEFT},   {0xff52, VKEY_UP},    {0xff53, VKEY_RIGHT},
	{0xff54, VKEY_DOWN},   {0xff55, VKEY_PAGEUP}, {0xff56, VKEY_PAGEDOWN}, {0xff57, VKEY_END},
	{0xff60, VKEY_SELECT}, {0xff61, VKEY_PRINT},  {0xff63, VKEY_INSERT}, {0xff6a, VKEY_HELP},
	{0xff8d, VKEY_ENTER},  {0xffff, VKEY_DELETE},
	{0xff95, VKEY_HOME},   {0xff96, VKEY_LEFT},   {0xff97, VKEY_UP},    {0xff98, VKEY_RIGHT}, // keypad
	{0xff99, VKEY_DOWN},   {0xff9c, VKEY_END},    {0xff9f, VKEY_DELETE},
};

constexpr uint16_t kShiftMask = 1 << 0;
constexpr uint16_t kLockMask = 1 << 1;
constexpr uint16_t kControlMask = 1 << 2;
constexpr uint16_t kMod1Mask = 1 << 3; // Alt
constexpr uint16_t kMod2Mask = 1 << 4; // Num Lock on common layouts

int32_t characterOf(uint32_t keysym)
{
	if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
		return static_cast<int32_t>(keysym); // Latin-1 keysyms are their code points
	if (keysym >= 0x01000100 && keysym <= 0x0110ffff)
		return static_cast<int32_t>(keysym - 0x01000000);
	if (keysym >= 0xffb0 && keysym <= 0xffb9)
		return static_cast<int32_t>('0' + keysym - 0xffb0); // keypad digits
	switch (keysym)
	{
		case 0xffaa: return '*';
		case 0xffab: return '+';
		case 0xffad: return '-';
		case 0xffae: return '.';
		case 0xffaf: return '/';
		default: return 0;
	}
}

bool isLetter(uint32_t keysym)
{
	return (keysym >= 'a' && keysym <= 'z') || (keysym >= 'A' && keysym <= 'Z');
}

} // namespace

void KeyboardMap::load(xcb_connection_t* connection)
{
	const xcb_setup_t* setup = xcb_get_setup(connection);
	minKeycode = setup->min_keycode;
	const int count = setup->max_keycode - setup->min_keycode + 1;
	auto cookie = xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count));
	xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(connection, cookie, nullptr);
	keysyms.clear();
	perKeycode = 0;
	if (!reply)
		return;
	perKeycode = reply->keysyms_per_keycode;
	const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
	keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply));
	std::free(reply);
}

uint32_t KeyboardMap::keysym(xcb_keycode_t keycode, bool shifted) const
{
	if (perKeycode <= 0 || keycode < minKeycode)
		return 0;
	const size_t base = static_cast<size_t>(keycode - minKeycode) * static_cast<size_t>(perKeycode);
	if (base >= keysyms.size())
		return 0;
	const uint32_t plain = keysyms[base];
	const uint32_t second = perKeycode > 1 && base + 1 < keysyms.size() ? keysyms[base + 1] : 0;
	if (!shifted)
		return plain;
	if (second)
		return second;
	if (plain >= 'a' && plain <= 'z')
		return plain - 'a' + 'A';
	return plain;
}

bool KeyboardMap::translate(xcb_keycode_t keycode, uint16_t state, VstKeyCode& out) const
{
	const uint32_t plain = keysym(keycode, false);
	bool shifted = (state & kShiftMask) != 0;
	if (isLetter(plain) && (state & kLockMask))
		shifted = !shifted;
	if (plain >= 0xff80 && plain <= 0xffbd && (state & kMod2Mask))
		shifted = !shifted; // Num Lock turns keypad keys into digits
	const uint32_t sym = keysym(keycode, shifted);

	out = VstKeyCode {};
	out.modifier = keyModifiers(state);
	for (const auto& entry : kVirtualKeys)
		if (entry.keysym == sym)
		{
			out.virt = entry.key;
			return true;
		}
	out.character = characterOf(sym);
	return out.character != 0;
}

unsigned char keyModifiers(uint16_t state)
{
	unsigned char modifiers = 0;
	if (state & kShiftMask)
		modifiers |= MODIFIER_SHIFT;
	if (state & kControlMask)
		modifiers |= MODIFIER_COMMAND;
	if (state & kMod1Mask)
		modifiers |= MODIFIER_ALTERNATE;
	return modifiers;
}

} // namespace X11
} // namespace VSTGUI
