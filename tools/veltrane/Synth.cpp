#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Veltrane {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLengthSeconds = 3.0;
constexpr float kPeak = 0.7f;

// A fixed-seed generator, so the demo input never changes.
class Noise
{
public:
	float next()
	{
		state ^= state << 13;
		state ^= state >> 17;
		state ^= state << 5;
		return static_cast<float>(state) / 2147483648.0f - 1.0f;
	}

private:
	std::uint32_t state = 0x2545F491u;
};

// pan: 0 = left, 1 = right, equal power.
void mixIn(std::vector<float>& stereo, const std::vector<float>& mono, double startSeconds, double pan)
{
	const size_t start = static_cast<size_t>(startSeconds * kDemoSampleRate) * kDemoChannels;
	const float left = static_cast<float>(std::cos(pan * kPi / 2.0));
	const float right = static_cast<float>(std::sin(pan * kPi / 2.0));
	for (size_t i = 0; i < mono.size() && start + 2 * i + 1 < stereo.size(); ++i)
	{
		stereo[start + 2 * i] += mono[i] * left;
		stereo[start + 2 * i + 1] += mono[i] * right;
	}
}

// A noise burst circulating through a damped delay line as long as one period.
std::vector<float> pluck(double frequency, double seconds, Noise& noise)
{
	std::vector<float> line(static_cast<size_t>(std::lround(kDemoSampleRate / frequency)));
	for (float& sample : line)
		sample = noise.next();
	std::vector<float> out(static_cast<size_t>(seconds * kDemoSampleRate));
	size_t position = 0;
	for (float& sample : out)
	{
		const size_t next = (position + 1) % line.size();
		sample = line[position];
		line[position] = 0.498f * (line[position] + line[next]);
		position = next;
	}
	return out;
}

// A sine whose pitch falls quickly from 150 Hz to 50 Hz, with a fast decay.
std::vector<float> kick()
{
	std::vector<float> out(static_cast<size_t>(0.5 * kDemoSampleRate));
	double phase = 0.0;
	for (size_t i = 0; i < out.size(); ++i)
	{
		const double time = static_cast<double>(i) / kDemoSampleRate;
		const double frequency = 50.0 + 100.0 * std::exp(-time / 0.04);
		phase += 2.0 * kPi * frequency / kDemoSampleRate;
		out[i] = static_cast<float>(std::sin(phase) * std::exp(-time / 0.12));
	}
	return out;
}

} // namespace

std::vector<float> synthesizeDemoInput()
{
	std::vector<float> stereo(static_cast<size_t>(kLengthSeconds * kDemoSampleRate) * kDemoChannels, 0.0f);
	mixIn(stereo, kick(), 0.0, 0.5);
	mixIn(stereo, kick(), 1.8, 0.5);

	struct Note
	{
		double frequency;
		double start;
		double pan;
	};
	// E minor, rising: E3 G3 B3 E4 G4 B4.
	const Note notes[] = {
		{164.81, 0.20, 0.25}, {196.00, 0.45, 0.40}, {246.94, 0.70, 0.55},
		{329.63, 0.95, 0.70}, {392.00, 1.20, 0.60}, {493.88, 1.45, 0.35},
	};
	Noise noise;
	for (const Note& note : notes)
		mixIn(stereo, pluck(note.frequency, kLengthSeconds - note.start, noise), note.start, note.pan);

	// The strings still ring at the end; a short fade avoids a click.
	const size_t fadeFrames = kDemoSampleRate * 2 / 5;
	const size_t totalFrames = stereo.size() / kDemoChannels;
	for (size_t frame = totalFrames - fadeFrames; frame < totalFrames; ++frame)
	{
		const float gain = static_cast<float>(totalFrames - frame) / fadeFrames;
		stereo[frame * kDemoChannels] *= gain;
		stereo[frame * kDemoChannels + 1] *= gain;
	}

	float peak = 0.0f;
	for (float sample : stereo)
		peak = std::max(peak, std::fabs(sample));
	if (peak > 0.0f)
		for (float& sample : stereo)
			sample *= kPeak / peak;
	return stereo;
}

} // namespace Veltrane
