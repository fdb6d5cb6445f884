#include "Text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Veltrane {

std::optional<double> parseNumber(const std::string& text)
{
	if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
		return std::nullopt;
	char* end = nullptr;
	const double value = std::strtod(text.c_str(), &end);
	if (end != text.c_str() + text.size() || !std::isfinite(value))
		return std::nullopt;
	return value;
}

std::string formatNumber(double value)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%.7g", value);
	return text;
}

bool equalsIgnoringCase(const std::string& a, const std::string& b)
{
	if (a.size() != b.size())
		return false;
	for (size_t i = 0; i < a.size(); ++i)
		if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
			return false;
	return true;
}

namespace {

void appendUtf8(std::string& text, char32_t codePoint)
{
	if (codePoint < 0x80)
		text += static_cast<char>(codePoint);
	else if (codePoint < 0x800)
	{
		text += static_cast<char>(0xC0 | (codePoint >> 6));
		text += static_cast<char>(0x80 | (codePoint & 0x3F));
	}
	else if (codePoint < 0x10000)
	{
		text += static_cast<char>(0xE0 | (codePoint >> 12));
		text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
		text += static_cast<char>(0x80 | (codePoint & 0x3F));
	}
	else
	{
		text += static_cast<char>(0xF0 | (codePoint >> 18));
		text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
		text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
		text += static_cast<char>(0x80 | (codePoint & 0x3F));
	}
}

} // namespace

std::string toUtf8(const Steinberg::char16* text)
{
	std::string result;
	for (; *text; ++text)
	{
		char32_t unit = static_cast<char16_t>(*text);
		const char32_t next = static_cast<char16_t>(text[1]);
		if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000)
		{
			unit = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
			++text;
		}
		else if (unit >= 0xD800 && unit < 0xE000)
			unit = 0xFFFD; // a lone surrogate
		appendUtf8(result, unit);
	}
	return result;
}

} // namespace Veltrane
