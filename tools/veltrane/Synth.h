#pragma once

#include <vector>

namespace Veltrane {

constexpr int kDemoSampleRate = 48000;
constexpr int kDemoChannels = 2;

// About three seconds of interleaved stereo: a kick drum and a rising
// arpeggio of plucked strings (Karplus-Strong), panned across the field,
// peaking at 0.7. The same samples on every run.
std::vector<float> synthesizeDemoInput();

} // namespace Veltrane
