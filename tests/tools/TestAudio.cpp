#include "TestAudio.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ToolTests {

Audio testSignal(double seconds, int channels, int sampleRate)
{
	Audio audio;
	audio.sampleRate = sampleRate;
	audio.channels = channels;
	const std::int64_t frames = static_cast<std::int64_t>(seconds * sampleRate);
	const std::int64_t soundingFrames = frames - frames / 10;
	audio.samples.assign(static_cast<size_t>(frames * channels), 0.0f);
	std::uint32_t noise = 12345u;
	for (std::int64_t frame = 0; frame < soundingFrames; ++frame)
	{
		const double time = static_cast<double>(frame) / sampleRate;
		// A burst every quarter second, decaying fast.
		const double burst = std::exp(-std::fmod(time, 0.25) * 40.0);
		for (int channel = 0; channel < channels; ++channel)
		{
			noise = noise * 1664525u + 1013904223u;
			const double white = static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
			const double tone = std::sin(2.0 * M_PI * (220.0 + 110.0 * channel) * time);
			audio.samples[static_cast<size_t>(frame * channels + channel)] =
				static_cast<float>(0.3 * burst * white + 0.2 * tone);
		}
	}
	return audio;
}

void writeAudio(const std::string& path, const Audio& audio)
{
	SF_INFO info{};
	info.samplerate = audio.sampleRate;
	info.channels = audio.channels;
	info.format = audio.format;
	SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
	if (!file)
		throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
	const sf_count_t written = sf_writef_float(file, audio.samples.data(), audio.frames());
	sf_close(file);
	if (written != audio.frames())
		throw std::runtime_error("short write to " + path);
}

Audio readAudio(const std::string& path)
{
	SF_INFO info{};
	SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
	if (!file)
		throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
	Audio audio;
	audio.sampleRate = info.samplerate;
	audio.channels = info.channels;
	audio.format = info.format;
	audio.samples.resize(static_cast<size_t>(info.frames * info.channels));
	const sf_count_t got = sf_readf_float(file, audio.samples.data(), info.frames);
	sf_close(file);
	if (got != info.frames)
		throw std::runtime_error("short read from " + path);
	return audio;
}

float peak(const Audio& audio, std::int64_t first, std::int64_t end)
{
	float highest = 0.0f;
	for (std::int64_t frame = std::max<std::int64_t>(first, 0); frame < std::min(end, audio.frames()); ++frame)
		for (int channel = 0; channel < audio.channels; ++channel)
			highest = std::max(highest, std::fabs(audio.at(frame, channel)));
	return highest;
}

} // namespace ToolTests
