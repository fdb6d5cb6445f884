#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>

namespace Veltrane {

// What a writer needs to reproduce a file's layout: rate, channels and the
// libsndfile format word (major format, subtype and endianness).
struct AudioFormat
{
	int sampleRate = 0;
	int channels = 0;
	int format = 0;
};

// An audio file opened for reading interleaved float frames; integer
// formats are scaled to [-1, 1).
class SoundFileReader
{
public:
	// Throws ToolError: "cannot open 'x': <reason>" or "cannot read 'x': <reason>".
	explicit SoundFileReader(const std::string& path);
	SoundFileReader(const SoundFileReader&) = delete;
	SoundFileReader& operator=(const SoundFileReader&) = delete;
	~SoundFileReader();

	const AudioFormat& format() const { return audioFormat; }
	std::int64_t frames() const { return frameCount; }
	// Fewer than asked only at the end of the file; throws ToolError on a read error.
	std::int64_t read(float* interleaved, std::int64_t frames);

private:
	std::string path;
	int descriptor = -1;
	SNDFILE* file = nullptr;
	AudioFormat audioFormat;
	std::int64_t frameCount = 0;
};

// A new audio file written from interleaved float frames; integer formats
// clip rather than wrap. close() must succeed for the file to be complete.
class SoundFileWriter
{
public:
	// displayName is the path errors should name (the user's, not a temporary's).
	SoundFileWriter(const std::string& path, const AudioFormat& format, const std::string& displayName);
	SoundFileWriter(const SoundFileWriter&) = delete;
	SoundFileWriter& operator=(const SoundFileWriter&) = delete;
	~SoundFileWriter();

	void write(const float* interleaved, std::int64_t frames);
	void close();

private:
	std::string displayName;
	SNDFILE* file = nullptr;
	int channels;
};

// "WAV float", "FLAC 24-bit" and the like, for messages.
std::string describeFormat(int format);

} // namespace Veltrane
