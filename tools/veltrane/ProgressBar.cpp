#include "ProgressBar.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace Veltrane {

namespace {

constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;

} // namespace

ProgressBar::ProgressBar(std::int64_t totalInputFrames, double tailLimitSeconds)
: enabled(::isatty(STDERR_FILENO) == 1), totalInputFrames(totalInputFrames), tailLimitSeconds(tailLimitSeconds),
  started(Clock::now()), lastDrawn(started)
{
}

ProgressBar::~ProgressBar()
{
	finish();
}

void ProgressBar::update(const RenderProgress& progress)
{
	if (!enabled)
		return;
	const Clock::time_point now = Clock::now();
	if (now - started < kQuietStart || (drawn && now - lastDrawn < kRedrawInterval))
		return;
	lastDrawn = now;
	drawn = true;

	// The input fills the bar; the tail, whose length is unknown, is counted in seconds.
	const double fraction = totalInputFrames > 0
		? std::min(1.0, static_cast<double>(progress.inputFrames) / static_cast<double>(totalInputFrames))
		: 0.0;
	const int filled = static_cast<int>(fraction * kBarWidth);
	const std::string bar = std::string(static_cast<size_t>(filled), '#') + std::string(static_cast<size_t>(kBarWidth - filled), '.');
	if (progress.tailSeconds > 0.0)
		std::fprintf(stderr, "\r\033[K[%s] %3d%%  tail %.1f s of at most %.0f s", bar.c_str(),
			static_cast<int>(fraction * 100.0), progress.tailSeconds, tailLimitSeconds);
	else
		std::fprintf(stderr, "\r\033[K[%s] %3d%%", bar.c_str(), static_cast<int>(fraction * 100.0));
	std::fflush(stderr);
}

void ProgressBar::finish()
{
	if (!drawn)
		return;
	std::fputs("\r\033[K", stderr);
	std::fflush(stderr);
	drawn = false;
	enabled = false;
}

} // namespace Veltrane
