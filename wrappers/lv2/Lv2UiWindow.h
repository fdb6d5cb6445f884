// The editor's own X11 window inside the host's ui:parent: an X11 UI hands
// its window to the host as its widget, and the view does not name it.
#pragma once

#include <cstdint>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

// The windows directly inside parent, bottom to top; empty when the display cannot be reached.
std::vector<std::uint32_t> childWindows(std::uintptr_t parent);

// The first of `after` that is not in `before`; 0 when none is new.
std::uint32_t newWindow(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after);

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
