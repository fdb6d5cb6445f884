#pragma once

#include "TestAudio.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace ToolTests {

// How a host sets the plug-in up before rendering, in the order applied.
struct ReferenceSetup
{
	std::optional<std::vector<std::uint8_t>> state;
	std::optional<int> preset;
	// Parameter id and plain value.
	std::vector<std::pair<std::uint32_t, double>> parameters;
	int blockSize = 512;
};

// The input rendered in-process through the test host as a DAW would:
// whole blocks, the input padded with silence up to totalFrames.
Audio referenceRender(const Audio& input, const ReferenceSetup& setup, std::int64_t totalFrames);

} // namespace ToolTests
