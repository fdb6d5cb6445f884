#pragma once

#include "host/x11/X11Connection.h"

#include <string>

namespace VeltraneHost {

// A top-level window for a plug-in view to embed into, as a DAW's editor
// window would be. Mapped once constructed.
class HostWindow
{
public:
	HostWindow(X11Connection& connection, int width, int height, const std::string& title = "Plug-in");
	~HostWindow();
	HostWindow(const HostWindow&) = delete;
	HostWindow& operator=(const HostWindow&) = delete;

	WindowId id() const { return window; }
	// What IPlugView::attached takes for kPlatformTypeX11EmbedWindowID.
	void* parentHandle() const { return reinterpret_cast<void*>(window); }
	void resize(int width, int height);
	// True once the user asked the window manager to close the window.
	// Reads the host connection's pending events; never blocks.
	bool closeRequested();

private:
	X11Connection& connection;
	WindowId window;
	unsigned long deleteAtom;
	bool closing = false;
};

} // namespace VeltraneHost
