#include "AudioFile.h"

#include "ToolError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Veltrane {

SoundFileReader::SoundFileReader(const std::string& path) : path(path)
{
	// Opening the descriptor ourselves gives the system's reason for a
	// missing or unreadable file; libsndfile only says it failed.
	descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
	if (descriptor < 0)
		throw ToolError("cannot open '" + path + "': " + std::strerror(errno));
	struct stat status{};
	if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode))
	{
		::close(descriptor);
		throw ToolError("cannot open '" + path + "': " + std::strerror(EISDIR));
	}
	// The descriptor stays ours to close, whether or not libsndfile takes the file.
	SF_INFO info{};
	file = sf_open_fd(descriptor, SFM_READ, &info, SF_FALSE);
	if (!file)
	{
		::close(descriptor);
		throw ToolError("cannot read '" + path + "': not an audio file libsndfile can read");
	}
	audioFormat = {info.samplerate, info.channels, info.format};
	frameCount = info.frames;
}

SoundFileReader::~SoundFileReader()
{
	sf_close(file);
	::close(descriptor);
}

std::int64_t SoundFileReader::read(float* interleaved, std::int64_t frames)
{
	const sf_count_t got = sf_readf_float(file, interleaved, frames);
	if (got < frames && sf_error(file) != SF_ERR_NO_ERROR)
		throw ToolError("cannot read '" + path + "': " + sf_strerror(file));
	return got;
}

SoundFileWriter::SoundFileWriter(const std::string& path, const AudioFormat& format, const std::string& displayName)
: displayName(displayName), channels(format.channels)
{
	SF_INFO info{};
	info.samplerate = format.sampleRate;
	info.channels = format.channels;
	info.format = format.format;
	if (!sf_format_check(&info))
		throw ToolError("cannot write '" + displayName + "': libsndfile cannot write " + describeFormat(format.format));
	file = sf_open(path.c_str(), SFM_WRITE, &info);
	if (!file)
		throw ToolError("cannot write '" + displayName + "': " + sf_strerror(nullptr));
	sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundFileWriter::~SoundFileWriter()
{
	if (file)
		sf_close(file);
}

void SoundFileWriter::write(const float* interleaved, std::int64_t frames)
{
	if (frames > 0 && sf_writef_float(file, interleaved, frames) != frames)
		throw ToolError("cannot write '" + displayName + "': " + sf_strerror(file));
}

void SoundFileWriter::close()
{
	SNDFILE* closing = file;
	file = nullptr;
	if (sf_close(closing) != 0)
		throw ToolError("cannot write '" + displayName + "': " + sf_strerror(nullptr));
}

std::string describeFormat(int format)
{
	std::string text;
	SF_FORMAT_INFO info{};
	info.format = format & SF_FORMAT_TYPEMASK;
	text = sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof(info)) == 0 ? info.name : "an unknown format";
	info = {};
	info.format = format & SF_FORMAT_SUBMASK;
	if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof(info)) == 0)
		text += std::string(", ") + info.name;
	return text;
}

} // namespace Veltrane
