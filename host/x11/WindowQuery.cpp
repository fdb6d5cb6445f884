#include "host/x11/WindowQuery.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace VeltraneHost {

size_t WindowImage::distinctColours() const
{
	std::vector<uint32_t> sorted(pixels);
	std::sort(sorted.begin(), sorted.end());
	return static_cast<size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

std::vector<WindowId> WindowQuery::children(WindowId parent) const
{
	Window root = 0, parentOfParent = 0;
	Window* list = nullptr;
	unsigned count = 0;
	std::vector<WindowId> result;
	if (XQueryTree(connection.display(), parent, &root, &parentOfParent, &list, &count))
		result.assign(list, list + count);
	if (list)
		XFree(list);
	return result;
}

std::optional<WindowGeometry> WindowQuery::geometry(WindowId window) const
{
	XWindowAttributes attributes;
	if (!XGetWindowAttributes(connection.display(), window, &attributes))
		return std::nullopt;
	return WindowGeometry {attributes.x, attributes.y, attributes.width, attributes.height};
}

bool WindowQuery::isMapped(WindowId window) const
{
	XWindowAttributes attributes;
	return XGetWindowAttributes(connection.display(), window, &attributes) && attributes.map_state != IsUnmapped;
}

std::optional<XEmbedInfo> WindowQuery::xembedInfo(WindowId window) const
{
	Display* display = connection.display();
	const Atom atom = XInternAtom(display, "_XEMBED_INFO", True);
	if (atom == None)
		return std::nullopt;
	Atom type = None;
	int format = 0;
	unsigned long count = 0, remaining = 0;
	unsigned char* data = nullptr;
	std::optional<XEmbedInfo> info;
	if (XGetWindowProperty(display, window, atom, 0, 2, False, AnyPropertyType, &type, &format, &count, &remaining,
			&data) == Success &&
		format == 32 && count == 2)
	{
		// Xlib hands 32-bit properties out as longs.
		const auto* values = reinterpret_cast<const long*>(data);
		info = XEmbedInfo {static_cast<uint32_t>(values[0]), static_cast<uint32_t>(values[1])};
	}
	if (data)
		XFree(data);
	return info;
}

WindowImage WindowQuery::grab(WindowId window) const
{
	WindowImage image;
	const auto size = geometry(window);
	if (!size || !isMapped(window))
		return image;
	XImage* x = XGetImage(connection.display(), window, 0, 0, static_cast<unsigned>(size->width),
		static_cast<unsigned>(size->height), AllPlanes, ZPixmap);
	if (!x)
		return image;
	image.width = size->width;
	image.height = size->height;
	image.pixels.reserve(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
	for (int y = 0; y < image.height; ++y)
		for (int xx = 0; xx < image.width; ++xx)
			image.pixels.push_back(static_cast<uint32_t>(XGetPixel(x, xx, y) & 0xFFFFFF));
	XDestroyImage(x);
	return image;
}

WindowId WindowQuery::focus() const
{
	Window window = 0;
	int revert = 0;
	XGetInputFocus(connection.display(), &window, &revert);
	return window;
}

} // namespace VeltraneHost
