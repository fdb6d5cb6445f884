// The VST 2 binary interface as the wrapper uses it: Debian's fst.h, plus the
// documented VST 2.4 values that fst.h leaves unnamed (it gives those
// placeholder numbers and marks them deprecated, so they must not be used).
#pragma once

#include <pluginterfaces/fst/fst.h>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

// Dispatcher opcodes fst.h has no value for.
constexpr VstInt32 kEffSetBypass = 44;
constexpr VstInt32 kEffGetTailSize = 52;
constexpr VstInt32 kEffIdle = 53;
constexpr VstInt32 kEffGetCurrentMidiProgram = 63;

// Host callback opcodes fst.h has no value for.
constexpr VstInt32 kAudioMasterIOChanged = 13;
constexpr VstInt32 kAudioMasterUpdateDisplay = 42;

// effCanDo answers.
constexpr VstIntPtr kCanDoYes = 1;
constexpr VstIntPtr kCanDoNo = -1;
constexpr VstIntPtr kCanDoUnknown = 0;

// Buffer sizes, terminating zero included. The documented limit for
// parameter texts is 8 bytes, yet names like "Feedback" do not fit, and
// hosts pass far larger buffers; 24 is what hosts are known to accept.
constexpr int kEffectNameSize = 32;
constexpr int kVendorStringSize = 64;
constexpr int kProductStringSize = 64;
constexpr int kParameterTextSize = 24;
constexpr int kProgramNameSize = 24;

// Trailing reserved bytes of AEffect that fst.h does not declare; some
// hosts read or clear them.
constexpr int kEffectReservedBytes = 56;

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
