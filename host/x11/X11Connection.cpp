#include "host/x11/X11Connection.h"

#include "host/HostError.h"

#include <X11/Xlib.h>

namespace VeltraneHost {
namespace {

int errors = 0;

int recordError(Display*, XErrorEvent*)
{
	++errors;
	return 0;
}

} // namespace

X11Connection::X11Connection() : handle(XOpenDisplay(nullptr))
{
	if (!handle)
		throw HostError("cannot open the X display (is DISPLAY set?)");
	XSetErrorHandler(&recordError);
}

X11Connection::~X11Connection()
{
	XCloseDisplay(handle);
}

WindowId X11Connection::root() const
{
	return DefaultRootWindow(handle);
}

void X11Connection::sync() const
{
	XSync(handle, False);
}

int X11Connection::errorCount()
{
	return errors;
}

} // namespace VeltraneHost
