#include "Lv2UiWindow.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

std::vector<std::uint32_t> childWindows(std::uintptr_t parent)
{
	std::vector<std::uint32_t> children;
	xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
	if (!xcb_connection_has_error(connection))
	{
		xcb_query_tree_reply_t* tree =
			xcb_query_tree_reply(connection, xcb_query_tree(connection, static_cast<xcb_window_t>(parent)), nullptr);
		if (tree)
		{
			const xcb_window_t* first = xcb_query_tree_children(tree);
			children.assign(first, first + xcb_query_tree_children_length(tree));
			std::free(tree);
		}
	}
	xcb_disconnect(connection);
	return children;
}

std::uint32_t newWindow(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after)
{
	for (std::uint32_t window : after)
		if (std::find(before.begin(), before.end(), window) == before.end())
			return window;
	return 0;
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
