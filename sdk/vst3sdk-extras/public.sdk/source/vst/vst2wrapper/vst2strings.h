// Text between VST 3 (UTF-16) and VST 2 (zero-terminated 8-bit buffers of a
// fixed size, read as UTF-8 by current hosts).
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

// Both copies always terminate and never split a UTF-8 sequence.
void copyString(const TChar* utf16, char* destination, int destinationSize);
void copyString(const char* utf8, char* destination, int destinationSize);

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
