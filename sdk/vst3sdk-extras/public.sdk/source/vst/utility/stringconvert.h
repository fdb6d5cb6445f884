// UTF-8 and UTF-16 text, under the VST 3 SDK's names for the subset this
// project uses. Ill-formed input never throws: each bad UTF-8 sequence and
// each lone surrogate becomes U+FFFD.
#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <cstdint>
#include <string>

namespace VST3 {
namespace StringConvert {

std::u16string convert(const std::string& utf8Str);
std::string convert(const std::u16string& str);

// Zero-terminated; null reads as empty.
std::string convert(const Steinberg::Vst::TChar* str);
// At most max units, fewer when a terminator comes first.
std::string convert(const Steinberg::Vst::TChar* str, uint32_t max);

// Into a buffer of maxCharacters units, terminator included, cut at a
// character boundary when it does not fit. False when cut or there is no room.
bool convert(const std::string& utf8Str, Steinberg::Vst::TChar* str, uint32_t maxCharacters);
bool convert(const std::string& utf8Str, Steinberg::Vst::String128 str);

} // namespace StringConvert
} // namespace VST3
