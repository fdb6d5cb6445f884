#include "uiattributes.h"

#include <charconv>

namespace VSTGUI {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string trimmed(const std::string& text)
{
	size_t first = 0;
	size_t last = text.size();
	while (first < last && isBlank(text[first]))
		++first;
	while (last > first && isBlank(text[last - 1]))
		--last;
	return text.substr(first, last - first);
}

std::vector<std::string> splitAtCommas(const std::string& text)
{
	std::vector<std::string> parts;
	size_t start = 0;
	for (;;)
	{
		size_t comma = text.find(',', start);
		parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
		if (comma == std::string::npos)
			return parts;
		start = comma + 1;
	}
}

// The whole text (blanks aside) must be the number: from_chars does not
// depend on the process locale, which a host may have changed.
template <typename T>
bool parseNumber(const std::string& text, T& value)
{
	std::string t = trimmed(text);
	const char* first = t.data();
	const char* last = t.data() + t.size();
	if (first != last && *first == '+')
		++first;
	T parsed{};
	auto result = std::from_chars(first, last, parsed);
	if (result.ec != std::errc() || result.ptr != last || first == last)
		return false;
	value = parsed;
	return true;
}

} // namespace

bool UIAttributes::hasAttribute(const std::string& name) const { return values.count(name) != 0; }

const std::string* UIAttributes::getAttributeValue(const std::string& name) const
{
	auto it = values.find(name);
	return it == values.end() ? nullptr : &it->second;
}

void UIAttributes::setAttribute(const std::string& name, const std::string& value) { values[name] = value; }

void UIAttributes::removeAttribute(const std::string& name) { values.erase(name); }

void UIAttributes::setBooleanAttribute(const std::string& name, bool value)
{
	setAttribute(name, value ? "true" : "false");
}

bool UIAttributes::getBooleanAttribute(const std::string& name, bool& value) const
{
	auto* text = getAttributeValue(name);
	return text && stringToBoolean(*text, value);
}

void UIAttributes::setIntegerAttribute(const std::string& name, int32_t value)
{
	setAttribute(name, std::to_string(value));
}

bool UIAttributes::getIntegerAttribute(const std::string& name, int32_t& value) const
{
	auto* text = getAttributeValue(name);
	return text && stringToInteger(*text, value);
}

void UIAttributes::setDoubleAttribute(const std::string& name, double value)
{
	setAttribute(name, doubleToString(value));
}

bool UIAttributes::getDoubleAttribute(const std::string& name, double& value) const
{
	auto* text = getAttributeValue(name);
	return text && stringToDouble(*text, value);
}

void UIAttributes::setPointAttribute(const std::string& name, const CPoint& p)
{
	setAttribute(name, doubleToString(p.x) + ", " + doubleToString(p.y));
}

bool UIAttributes::getPointAttribute(const std::string& name, CPoint& p) const
{
	auto* text = getAttributeValue(name);
	return text && stringToPoint(*text, p);
}

void UIAttributes::setRectAttribute(const std::string& name, const CRect& r)
{
	setAttribute(name, doubleToString(r.left) + ", " + doubleToString(r.top) + ", " + doubleToString(r.right) +
		", " + doubleToString(r.bottom));
}

bool UIAttributes::getRectAttribute(const std::string& name, CRect& r) const
{
	auto* text = getAttributeValue(name);
	return text && stringToRect(*text, r);
}

bool UIAttributes::getStringArrayAttribute(const std::string& name, StringArray& result) const
{
	auto* text = getAttributeValue(name);
	if (!text)
		return false;
	result.clear();
	for (auto& part : splitAtCommas(*text))
		result.push_back(trimmed(part));
	return true;
}

bool UIAttributes::stringToDouble(const std::string& text, double& value) { return parseNumber(text, value); }

bool UIAttributes::stringToInteger(const std::string& text, int32_t& value) { return parseNumber(text, value); }

bool UIAttributes::stringToBoolean(const std::string& text, bool& value)
{
	if (text == "true")
		value = true;
	else if (text == "false")
		value = false;
	else
		return false;
	return true;
}

bool UIAttributes::stringToPoint(const std::string& text, CPoint& p)
{
	auto parts = splitAtCommas(text);
	double x = 0, y = 0;
	if (parts.size() != 2 || !stringToDouble(parts[0], x) || !stringToDouble(parts[1], y))
		return false;
	p = CPoint(x, y);
	return true;
}

bool UIAttributes::stringToRect(const std::string& text, CRect& r)
{
	auto parts = splitAtCommas(text);
	double v[4] = {};
	if (parts.size() != 4)
		return false;
	for (size_t i = 0; i < 4; ++i)
		if (!stringToDouble(parts[i], v[i]))
			return false;
	r = CRect(v[0], v[1], v[2], v[3]);
	return true;
}

std::string UIAttributes::doubleToString(double value)
{
	char buffer[32];
	auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
	return std::string(buffer, result.ptr);
}

} // namespace VSTGUI
