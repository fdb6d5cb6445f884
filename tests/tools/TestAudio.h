#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ToolTests {

// Interleaved float audio with the libsndfile format it was or will be stored in.
struct Audio
{
	int sampleRate = 48000;
	int channels = 2;
	int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
	std::vector<float> samples;

	std::int64_t frames() const { return static_cast<std::int64_t>(samples.size()) / channels; }
	float at(std::int64_t frame, int channel) const { return samples[static_cast<size_t>(frame * channels + channel)]; }
};

// Noise bursts and a tone, different in each channel, peaking near 0.5,
// and silent for the last tenth: something a delay visibly changes.
Audio testSignal(double seconds, int channels = 2, int sampleRate = 48000);

void writeAudio(const std::string& path, const Audio& audio);
// Throws std::runtime_error when libsndfile cannot read the file.
Audio readAudio(const std::string& path);

// Highest absolute sample over frames [first, end) of all channels.
float peak(const Audio& audio, std::int64_t first, std::int64_t end);

} // namespace ToolTests
