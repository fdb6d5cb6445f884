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

} // namespace Veltrane
