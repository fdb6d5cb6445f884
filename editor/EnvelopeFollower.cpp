#include "EnvelopeFollower.h"

#include <cmath>

namespace VSTGUI {

namespace {
constexpr double kLogOf36_7Percent = -1002.39343; // 1000 × ln 0.367
constexpr double kLogOf1Percent = -4605.17019;    // 1000 × ln 0.01
constexpr float kSmallestNormal = 1.175494351e-38f;
} // namespace

void EnvelopeFollower::init(float rate, float attack, float release, bool analog, int32_t detectionMode,
                            bool logarithmic)
{
	mode = detectionMode;
	updateRate = rate;
	attackMs = attack;
	releaseMs = release;
	analogTimeConstant = analog;
	logOutput = logarithmic;
	const double k = analogTimeConstant ? kLogOf36_7Percent : kLogOf1Percent;
	// A zero time gives exp(-inf) = 0: the envelope jumps to its input.
	attackCoeff = static_cast<float>(std::exp(k / (static_cast<double>(updateRate) * attackMs)));
	releaseCoeff = static_cast<float>(std::exp(k / (static_cast<double>(updateRate) * releaseMs)));
	reset();
}

float EnvelopeFollower::process(float x)
{
	x = std::fabs(x);
	if (mode == kMeanSquare || mode == kRootMeanSquare)
		x = static_cast<float>(static_cast<double>(x) * x);
	const float e = envelope;
	float next = (x > e ? attackCoeff : releaseCoeff) * (e - x) + x;
	if (next != 0.f && std::fabs(next) < kSmallestNormal)
		next = 0.f; // no denormals in the decay tail
	// fmin/fmax also turn a NaN (from absurd coefficients) into a bound.
	next = std::fmax(std::fmin(next, 1.f), 0.f);
	envelope = next;
	if (!logOutput)
		return envelope;
	const float r = mode == kRootMeanSquare ? std::sqrt(next) : next;
	if (r <= 0.f)
		return 0.f;
	const float dB = std::fmax(static_cast<float>(20.0 * std::log10(static_cast<double>(r))), -60.f);
	return (dB + 60.f) * 0.016666668f;
}

} // namespace VSTGUI
