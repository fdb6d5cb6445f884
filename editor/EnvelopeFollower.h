// Meter ballistics: a one-pole follower with separate attack and release,
// stepped once per meter drawing, optionally on a -60 ... 0 dB scale.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct EnvelopeFollower
{
	// Detection modes
	static constexpr int32_t kPeak = 0;
	static constexpr int32_t kMeanSquare = 1;
	static constexpr int32_t kRootMeanSquare = 2;

	// Sets the rate (steps per second), the times and the mode, and starts from 0.
	// With an analog time constant the times are measured to 36.7 %, else to 1 %.
	void init(float rate, float attack, float release, bool analog, int32_t detectionMode, bool logarithmic);
	void reset() { envelope = 0.f; }
	// One step toward |x| (or x² in the square modes); the result is 0 ... 1.
	float process(float x);

	int32_t mode = kPeak;
	float attackCoeff = 0.f;
	float releaseCoeff = 0.f;
	float attackMs = 0.f;
	float releaseMs = 0.f;
	float updateRate = 44100.f;
	float envelope = 0.f;
	bool analogTimeConstant = false;
	bool logOutput = false;
};

} // namespace VSTGUI
