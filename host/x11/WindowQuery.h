#pragma once

#include "host/x11/X11Connection.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace VeltraneHost {

struct WindowGeometry
{
	int x, y;          // relative to the parent
	int width, height;
};

struct XEmbedInfo
{
	uint32_t version;
	uint32_t flags; // bit 0: XEMBED_MAPPED
};

// A window's pixels as 0xRRGGBB.
struct WindowImage
{
	int width = 0;
	int height = 0;
	std::vector<uint32_t> pixels;

	uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
	size_t distinctColours() const;
};

// What a host (or a test) can read about the windows a plug-in made.
class WindowQuery
{
public:
	explicit WindowQuery(X11Connection& connection) : connection(connection) {}

	std::vector<WindowId> children(WindowId parent) const;
	std::optional<WindowGeometry> geometry(WindowId window) const;
	bool isMapped(WindowId window) const;
	// Absent when the window carries no _XEMBED_INFO.
	std::optional<XEmbedInfo> xembedInfo(WindowId window) const;
	// Empty when the window cannot be read (gone, or not viewable).
	WindowImage grab(WindowId window) const;
	// The window that has the keyboard focus.
	WindowId focus() const;

private:
	X11Connection& connection;
};

} // namespace VeltraneHost
