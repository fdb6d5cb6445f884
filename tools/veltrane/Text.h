#pragma once

#include <optional>
#include <string>

namespace Veltrane {

// A whole decimal number in the C locale ("750", "-3.5", "1e3"); nothing
// when the text has anything else in it or the value is not finite.
std::optional<double> parseNumber(const std::string& text);

// Up to float precision, so 0.7f reads "0.7": "2000", "0.5", "16000".
std::string formatNumber(double value);

// ASCII case folding is enough: titles and preset names are ASCII.
bool equalsIgnoringCase(const std::string& a, const std::string& b);

} // namespace Veltrane
