// Reading resource attributes (colours, bitmaps, fonts) through the
// description. Each reader answers false when the attribute is absent or
// names nothing, so the view keeps what it had.
#pragma once

#include "../../lib/ccolor.h"
#include "../iuidescription.h"
#include "../uiattributes.h"

#include <string>

namespace VSTGUI {

class CBitmap;
class CFontDesc;

namespace UIViewCreator {

bool readColor(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CColor& color);
bool readBitmap(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CBitmap*& bitmap);
bool readFont(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CFontDesc*& font);
// Calls set(value) when the attribute reads as the type.
template <typename Set>
void readDouble(const UIAttributes& attributes, const std::string& name, Set set)
{
	double value = 0;
	if (attributes.getDoubleAttribute(name, value))
		set(value);
}
template <typename Set>
void readBoolean(const UIAttributes& attributes, const std::string& name, Set set)
{
	bool value = false;
	if (attributes.getBooleanAttribute(name, value))
		set(value);
}
template <typename Set>
void readInteger(const UIAttributes& attributes, const std::string& name, Set set)
{
	int32_t value = 0;
	if (attributes.getIntegerAttribute(name, value))
		set(value);
}
template <typename Set>
void readPoint(const UIAttributes& attributes, const std::string& name, Set set)
{
	CPoint value;
	if (attributes.getPointAttribute(name, value))
		set(value);
}

} // namespace UIViewCreator
} // namespace VSTGUI
