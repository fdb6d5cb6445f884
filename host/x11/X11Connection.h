#pragma once

struct _XDisplay;

namespace VeltraneHost {

using WindowId = unsigned long; // an X11 Window

// The host's own connection to the X server ($DISPLAY). X protocol errors
// (a window that vanished, say) are recorded rather than ending the process.
class X11Connection
{
public:
	// Throws HostError when no X server can be reached.
	X11Connection();
	~X11Connection();
	X11Connection(const X11Connection&) = delete;
	X11Connection& operator=(const X11Connection&) = delete;

	_XDisplay* display() const { return handle; }
	WindowId root() const;
	// Waits until the server has handled every request sent so far.
	void sync() const;
	// The number of X errors seen on any host connection so far.
	static int errorCount();

private:
	_XDisplay* handle;
};

} // namespace VeltraneHost
