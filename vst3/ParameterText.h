// Text conversions shared by the parameter classes: the host exchanges
// UTF-16 strings of at most 128 units, the C library works in 8-bit text.
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// Decodes UTF-8 into out, truncated to 127 units plus the terminator.
// Malformed bytes become U+FFFD.
void copyUtf8ToString128(const char* text, String128 out);

// "%.*f" of value with precision decimals.
void printPlainValue(double value, int32 precision, String128 out);

// Reads a leading "%lf" number; false when there is none.
bool scanPlainValue(const TChar* text, double& value);

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
