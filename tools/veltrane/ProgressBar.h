#pragma once

#include "Renderer.h"

#include <chrono>
#include <cstdint>

namespace Veltrane {

// A one-line progress display on stderr for renders that take a while:
// nothing for the first half second, then at most ten redraws a second,
// and the line is cleared when done. Inert when stderr is no terminal.
class ProgressBar
{
public:
	// totalInputFrames may be 0 when unknown.
	ProgressBar(std::int64_t totalInputFrames, double tailLimitSeconds);
	ProgressBar(const ProgressBar&) = delete;
	ProgressBar& operator=(const ProgressBar&) = delete;
	~ProgressBar();

	void update(const RenderProgress& progress);
	// Clears the line if anything was drawn.
	void finish();

private:
	using Clock = std::chrono::steady_clock;

	bool enabled;
	bool drawn = false;
	std::int64_t totalInputFrames;
	double tailLimitSeconds;
	Clock::time_point started;
	Clock::time_point lastDrawn;
};

} // namespace Veltrane
