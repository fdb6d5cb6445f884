#include "ViewAttributeReader.h"

#include "vstgui/uidescription/iuidescription.h"
#include "vstgui/uidescription/uiattributes.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

int32_t leadingInteger(const char* text)
{
	if (!text)
		return 0;
	// strtol rather than atoi: atoi leaves an out-of-range number undefined.
	return clampedToInt32(std::strtol(text, nullptr, 10));
}

int32_t clampedToInt32(int64_t value)
{
	return static_cast<int32_t>(
		std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

double leadingNumber(const char* text)
{
	return text ? std::strtod(text, nullptr) : 0.0;
}

ViewAttributeReader::ViewAttributeReader(const VSTGUI::UIAttributes& attributes,
                                         const VSTGUI::IUIDescription* description)
: attributes(attributes), description(description)
{
}

bool ViewAttributeReader::has(const char* name) const
{
	return attributes.hasAttribute(name);
}

bool ViewAttributeReader::hasAll(std::initializer_list<const char*> names) const
{
	for (const char* name : names)
		if (!has(name))
			return false;
	return true;
}

const std::string& ViewAttributeReader::text(const char* name) const
{
	static const std::string none;
	const std::string* value = attributes.getAttributeValue(name);
	return value ? *value : none;
}

VSTGUI::CPoint ViewAttributeReader::point(const char* name) const
{
	const std::string& value = text(name);
	const size_t comma = value.find(',');
	if (comma == std::string::npos)
		return {0, 0};
	return {static_cast<VSTGUI::CCoord>(leadingInteger(value.c_str())),
	        static_cast<VSTGUI::CCoord>(leadingInteger(value.c_str() + comma + 1))};
}

VSTGUI::CRect ViewAttributeReader::rect() const
{
	const VSTGUI::CPoint origin = point("origin");
	const VSTGUI::CPoint size = point("size");
	return {origin.x, origin.y, origin.x + size.x, origin.y + size.y};
}

int32_t ViewAttributeReader::integer(const char* name) const
{
	return leadingInteger(text(name).c_str());
}

bool ViewAttributeReader::flag(const char* name) const
{
	return text(name) == "true";
}

VSTGUI::CColor ViewAttributeReader::colour(const char* name) const
{
	VSTGUI::CColor resolved = VSTGUI::kWhiteCColor;
	VSTGUI::CColor candidate;
	if (description && description->getColor(text(name).c_str(), candidate))
		resolved = candidate;
	return resolved;
}

VSTGUI::SharedPointer<VSTGUI::CBitmap> ViewAttributeReader::bitmap(const char* name) const
{
	const std::string file = text(name) + ".png";
	return VSTGUI::makeOwned<VSTGUI::CBitmap>(VSTGUI::CResourceDescription(file.c_str()));
}

int32_t ViewAttributeReader::tag(const char* name) const
{
	return description ? description->getTagForName(text(name).c_str()) : -1;
}

VSTGUI::IControlListener* ViewAttributeReader::listener(const char* name) const
{
	return description ? description->getControlListener(text(name).c_str()) : nullptr;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
