// The desktop's scale on X11, as toolkits read it: the resource Xft.dpi that
// the desktop (or xrdb) puts on the root window, over the 96 dpi of scale 1.
#include "vstgui/lib/platform/platformfactory.h"

#include "vstgui/uidescription/uiattributes.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace VSTGUI {
namespace {

constexpr double kDpiOfScaleOne = 96.;
// Between these the editor stays usable on any screen.
constexpr double kSmallestScale = 1.;
constexpr double kLargestScale = 4.;

// The text of the root window's RESOURCE_MANAGER property; empty without one.
std::string resourceDatabase(xcb_connection_t* connection, int screenNumber)
{
	auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
	for (int i = 0; i < screenNumber && roots.rem; ++i)
		xcb_screen_next(&roots);
	if (!roots.rem)
		return {};
	constexpr uint32_t kMaxWords = 1 << 16; // 256 kB: a resource database is a few kB
	auto cookie = xcb_get_property(connection, 0, roots.data->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0,
	                               kMaxWords);
	xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
	std::string text;
	if (reply && reply->format == 8)
		text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
		            static_cast<size_t>(xcb_get_property_value_length(reply)));
	std::free(reply);
	return text;
}

// The value of "Xft.dpi:" in a resource database, one "name:\tvalue" a line.
bool findDpi(const std::string& database, double& dpi)
{
	static const std::string kName = "Xft.dpi:";
	for (size_t start = 0; start < database.size();)
	{
		size_t end = database.find('\n', start);
		if (end == std::string::npos)
			end = database.size();
		if (database.compare(start, kName.size(), kName) == 0)
			return UIAttributes::stringToDouble(database.substr(start + kName.size(), end - start - kName.size()), dpi);
		start = end + 1;
	}
	return false;
}

} // namespace

double getDesktopScaleFactor()
{
	int screenNumber = 0;
	xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
	double dpi = 0.;
	const bool found = !xcb_connection_has_error(connection) && findDpi(resourceDatabase(connection, screenNumber), dpi);
	xcb_disconnect(connection);
	if (!found || !(dpi > 0.))
		return 1.;
	// Quarter steps: 101 dpi is a screen of scale 1, not a blurred 1.05.
	return std::clamp(std::round(dpi / kDpiOfScaleOne * 4.) / 4., kSmallestScale, kLargestScale);
}

} // namespace VSTGUI
