// The two ways the editor opens, each timed from createView to the first
// drawn pixels: offscreen (the processor in-process, its views built without
// a window and drawn into an image) and in a window (the built module loaded
// as a host loads it, the view attached to a host window on the host's run
// loop, until its pixels show on the X server).
#pragma once

#include <cstddef>
#include <memory>

namespace EditorBench {

struct Opening
{
	double seconds = 0;     // createView to the first drawn pixels
	size_t addedBytes = 0;  // resident memory the open editor added
};

class OffscreenEditorHost
{
public:
	OffscreenEditorHost();
	~OffscreenEditorHost();
	// Opens, draws the whole frame once, and closes again (not timed).
	Opening open(double scale = 1.0);

private:
	struct Impl;
	std::unique_ptr<Impl> impl;
};

// Needs $DISPLAY; the constructor throws when no X server answers.
class WindowEditorHost
{
public:
	WindowEditorHost();
	~WindowEditorHost();
	Opening open(double scale = 1.0);

private:
	struct Impl;
	std::unique_ptr<Impl> impl;
};

// The process's resident memory now.
size_t residentBytes();

} // namespace EditorBench
