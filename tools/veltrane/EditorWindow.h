#pragma once

#include "pluginterfaces/gui/iplugview.h"

#include <functional>

namespace Veltrane {

// Shows the view in a desktop window of the view's size, as a host's editor
// window does: the view lives on the run loop it is given. Returns once the
// user closes the window or `done` answers true; `done` is asked on every
// turn of the loop, so it is also where a caller does its own main-thread
// work. Throws ToolError when there is no desktop or the view cannot be shown.
void showEditorWindow(Steinberg::IPlugView& view, const std::function<bool()>& done);

} // namespace Veltrane
