#pragma once

#include "host/x11/X11Connection.h"

namespace VeltraneHost {

// Synthesised input through the XTest extension, as if a user moved the
// mouse and typed: the server delivers it to whichever window is under the
// pointer or has the focus. Positions are in the given window's coordinates.
class Pointer
{
public:
	// Throws HostError when the server lacks XTest.
	explicit Pointer(X11Connection& connection);

	void moveTo(WindowId window, int x, int y);
	// X buttons: 1 left, 2 middle, 3 right, 4/5 wheel up/down.
	void press(int button = 1);
	void release(int button = 1);
	void click(WindowId window, int x, int y, int button = 1);
	// An X keysym (XK_a, XK_Return ...), pressed and released.
	void typeKey(unsigned long keysym);

private:
	X11Connection& connection;
};

} // namespace VeltraneHost
