#include "attributereaders.h"

namespace VSTGUI {
namespace UIViewCreator {

bool readColor(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CColor& color)
{
	auto* value = attributes.getAttributeValue(name);
	return value && description && description->getColor(value->c_str(), color);
}

bool readBitmap(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CBitmap*& bitmap)
{
	auto* value = attributes.getAttributeValue(name);
	CBitmap* found = value && description ? description->getBitmap(value->c_str()) : nullptr;
	if (found)
		bitmap = found;
	return found != nullptr;
}

bool readFont(const UIAttributes& attributes, const std::string& name, const IUIDescription* description,
	CFontDesc*& font)
{
	auto* value = attributes.getAttributeValue(name);
	CFontDesc* found = value && description ? description->getFont(value->c_str()) : nullptr;
	if (found)
		font = found;
	return found != nullptr;
}

} // namespace UIViewCreator
} // namespace VSTGUI
