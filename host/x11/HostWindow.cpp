#include "host/x11/HostWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace VeltraneHost {

HostWindow::HostWindow(X11Connection& connection, int width, int height, const std::string& title)
: connection(connection)
{
	Display* display = connection.display();
	const int screen = DefaultScreen(display);
	window = XCreateSimpleWindow(display, RootWindow(display, screen), 10, 10, static_cast<unsigned>(width),
		static_cast<unsigned>(height), 0, BlackPixel(display, screen), BlackPixel(display, screen));
	XStoreName(display, window, title.c_str());
	// Fixed size: the editor does not resize with the window.
	XSizeHints hints {};
	hints.flags = PMinSize | PMaxSize;
	hints.min_width = hints.max_width = width;
	hints.min_height = hints.max_height = height;
	XSetWMNormalHints(display, window, &hints);
	deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
	Atom protocols[] = {deleteAtom};
	XSetWMProtocols(display, window, protocols, 1);
	XMapWindow(display, window);
	connection.sync();
}

HostWindow::~HostWindow()
{
	XDestroyWindow(connection.display(), window);
	connection.sync();
}

void HostWindow::resize(int width, int height)
{
	Display* display = connection.display();
	XSizeHints hints {};
	hints.flags = PMinSize | PMaxSize;
	hints.min_width = hints.max_width = width;
	hints.min_height = hints.max_height = height;
	XSetWMNormalHints(display, window, &hints);
	XResizeWindow(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
	connection.sync();
}

bool HostWindow::closeRequested()
{
	Display* display = connection.display();
	while (XPending(display) > 0)
	{
		XEvent event;
		XNextEvent(display, &event);
		if (event.type == ClientMessage && event.xclient.window == window &&
			static_cast<unsigned long>(event.xclient.data.l[0]) == deleteAtom)
			closing = true;
	}
	return closing;
}

} // namespace VeltraneHost
