// Key events of an xcb connection as VSTGUI key codes: the server's keyboard
// mapping turns key codes into keysyms, a small table turns those into
// characters and virtual keys.
#pragma once

#include "vstgui/lib/vstkeycode.h"

#include <xcb/xcb.h>

#include <vector>

namespace VSTGUI {
namespace X11 {

class KeyboardMap
{
public:
	// Reads the mapping; call again when the server reports MappingNotify.
	void load(xcb_connection_t* connection);

	// False for keys VSTGUI has no code for (modifiers, function keys ...).
	bool translate(xcb_keycode_t keycode, uint16_t state, VstKeyCode& out) const;

	uint32_t keysym(xcb_keycode_t keycode, bool shifted) const;

private:
	xcb_keycode_t minKeycode = 0;
	int perKeycode = 0;
	std::vector<uint32_t> keysyms;
};

// The modifier flags of an X event state as VSTGUI key modifiers.
unsigned char keyModifiers(uint16_t state);

} // namespace X11
} // namespace VSTGUI
