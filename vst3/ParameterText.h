// Numbers as text for the parameter classes: the host exchanges UTF-16
// strings of at most 128 units, the C library works in 8-bit text.
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// "%.*f" of value with precision decimals.
void printPlainValue(double value, int32 precision, String128 out);

// Reads a leading "%lf" number; false when there is none.
bool scanPlainValue(const TChar* text, double& value);

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
