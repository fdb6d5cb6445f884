#include "host/x11/Pointer.h"

#include "host/HostError.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace VeltraneHost {

Pointer::Pointer(X11Connection& connection) : connection(connection)
{
	int event = 0, error = 0, major = 0, minor = 0;
	if (!XTestQueryExtension(connection.display(), &event, &error, &major, &minor))
		throw HostError("the X server has no XTest extension");
}

void Pointer::moveTo(WindowId window, int x, int y)
{
	Display* display = connection.display();
	int rootX = 0, rootY = 0;
	Window child = 0;
	XTranslateCoordinates(display, window, connection.root(), x, y, &rootX, &rootY, &child);
	XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
	connection.sync();
}

void Pointer::press(int button)
{
	XTestFakeButtonEvent(connection.display(), static_cast<unsigned>(button), True, CurrentTime);
	connection.sync();
}

void Pointer::release(int button)
{
	XTestFakeButtonEvent(connection.display(), static_cast<unsigned>(button), False, CurrentTime);
	connection.sync();
}

void Pointer::click(WindowId window, int x, int y, int button)
{
	moveTo(window, x, y);
	press(button);
	release(button);
}

void Pointer::typeKey(unsigned long keysym)
{
	Display* display = connection.display();
	const KeyCode code = XKeysymToKeycode(display, keysym);
	if (!code)
		return;
	XTestFakeKeyEvent(display, code, True, CurrentTime);
	XTestFakeKeyEvent(display, code, False, CurrentTime);
	connection.sync();
}

} // namespace VeltraneHost
