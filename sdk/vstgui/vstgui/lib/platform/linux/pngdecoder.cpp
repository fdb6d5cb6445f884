#include "pngdecoder.h"

#include <libdeflate.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace VSTGUI {
namespace {

constexpr uint32_t kMaxSide = 32767; // what a cairo image surface can hold

uint32_t bigEndian(const uint8_t* at)
{
	return (uint32_t(at[0]) << 24) | (uint32_t(at[1]) << 16) | (uint32_t(at[2]) << 8) | uint32_t(at[3]);
}

struct Header
{
	uint32_t width = 0, height = 0;
	unsigned channels = 0; // 3 (RGB) or 4 (RGBA)
};

// Walks the chunks, checking each one's CRC, and gathers the compressed image.
bool readChunks(const uint8_t* file, size_t size, Header& header, std::vector<uint8_t>& compressed)
{
	static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
	if (size < 8 || std::memcmp(file, signature, 8) != 0)
		return false;
	bool sawHeader = false;
	for (size_t at = 8; at + 12 <= size;)
	{
		const uint32_t length = bigEndian(&file[at]);
		if (length > size - at - 12)
			return false;
		const uint8_t* type = &file[at + 4];
		const uint8_t* data = type + 4;
		if (libdeflate_crc32(0, type, length + 4) != bigEndian(data + length))
			return false;
		if (std::memcmp(type, "IHDR", 4) == 0)
		{
			// 8 bits a sample, RGB or RGBA, standard compression and filters, not interlaced.
			if (length != 13 || data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[10] || data[11] || data[12])
				return false;
			header.width = bigEndian(data);
			header.height = bigEndian(data + 4);
			header.channels = data[9] == 6 ? 4 : 3;
			sawHeader = header.width && header.height && header.width <= kMaxSide && header.height <= kMaxSide;
			if (!sawHeader)
				return false;
		}
		else if (std::memcmp(type, "IDAT", 4) == 0)
			compressed.insert(compressed.end(), data, data + length);
		else if (std::memcmp(type, "IEND", 4) == 0)
			return sawHeader && !compressed.empty();
		else if (!(type[0] & 0x20))
			return false; // a critical chunk this reader does not know (a palette, say)
		at += 12 + size_t(length);
	}
	return false;
}

uint8_t paeth(int left, int up, int upLeft)
{
	const int estimate = left + up - upLeft;
	const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up), toUpLeft = std::abs(estimate - upLeft);
	if (toLeft <= toUp && toLeft <= toUpLeft)
		return uint8_t(left);
	return uint8_t(toUp <= toUpLeft ? up : upLeft);
}

// Undoes one row's filter in place; previous is the row above, already undone (or zeros).
bool unfilter(uint8_t filter, uint8_t* row, const uint8_t* previous, size_t length, unsigned step)
{
	switch (filter)
	{
	case 0: return true;
	case 1:
		for (size_t i = step; i < length; ++i)
			row[i] = uint8_t(row[i] + row[i - step]);
		return true;
	case 2:
		for (size_t i = 0; i < length; ++i)
			row[i] = uint8_t(row[i] + previous[i]);
		return true;
	case 3:
		for (size_t i = 0; i < length; ++i)
			row[i] = uint8_t(row[i] + ((i >= step ? row[i - step] : 0) + previous[i]) / 2);
		return true;
	case 4:
		for (size_t i = 0; i < length; ++i)
			row[i] = uint8_t(row[i] + paeth(i >= step ? row[i - step] : 0, previous[i], i >= step ? previous[i - step] : 0));
		return true;
	default: return false;
	}
}

// Premultiplied as cairo's own reader rounds it, so a picture looks the same either way.
uint8_t multiplyAlpha(unsigned alpha, unsigned colour)
{
	const unsigned product = alpha * colour + 0x80;
	return uint8_t((product + (product >> 8)) >> 8);
}

uint32_t premultiplied(const uint8_t* pixel, unsigned channels)
{
	const unsigned alpha = channels == 4 ? pixel[3] : 0xff;
	if (alpha == 0)
		return 0;
	if (alpha == 0xff)
		return 0xff000000u | (uint32_t(pixel[0]) << 16) | (uint32_t(pixel[1]) << 8) | pixel[2];
	return (uint32_t(alpha) << 24) | (uint32_t(multiplyAlpha(alpha, pixel[0])) << 16) |
	       (uint32_t(multiplyAlpha(alpha, pixel[1])) << 8) | multiplyAlpha(alpha, pixel[2]);
}

// The file's bytes, mapped rather than copied: a large strip is read once, by the inflater.
class MappedFile
{
public:
	explicit MappedFile(const std::string& path)
	{
		const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
		if (fd < 0)
			return;
		struct stat info{};
		if (::fstat(fd, &info) == 0 && info.st_size > 0)
		{
			void* mapped = ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
			if (mapped != MAP_FAILED)
			{
				data = static_cast<const uint8_t*>(mapped);
				size = size_t(info.st_size);
			}
		}
		::close(fd);
	}
	~MappedFile()
	{
		if (data)
			::munmap(const_cast<uint8_t*>(data), size);
	}
	MappedFile(const MappedFile&) = delete;
	MappedFile& operator=(const MappedFile&) = delete;

	const uint8_t* data = nullptr;
	size_t size = 0;
};

void freePixels(void* pixels)
{
	std::free(pixels);
}

const cairo_user_data_key_t kPixelsKey{};

// An image surface over pixels this reader allocated (so cairo's zero fill is
// skipped); the surface frees them when it goes.
cairo_surface_t* adoptPixels(uint8_t* pixels, uint32_t width, uint32_t height)
{
	cairo_surface_t* surface =
	    cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_ARGB32, int(width), int(height), int(width * 4));
	if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
	    cairo_surface_set_user_data(surface, &kPixelsKey, pixels, &freePixels) != CAIRO_STATUS_SUCCESS)
	{
		cairo_surface_destroy(surface);
		std::free(pixels);
		return nullptr;
	}
	return surface;
}

} // namespace

cairo_surface_t* decodePngFast(const std::string& path)
{
	const MappedFile file(path);
	Header header;
	std::vector<uint8_t> compressed;
	if (!file.data || !readChunks(file.data, file.size, header, compressed))
		return nullptr;

	// The rows are inflated into the picture's own memory and converted there
	// row by row: a pixel's ARGB word never lies past its RGBA source, so the
	// conversion runs forwards in place. RGB rows (three bytes a pixel) would
	// outrun their source; they are inflated apart.
	const size_t rowLength = size_t(header.width) * header.channels;
	const size_t filtered = (rowLength + 1) * header.height;
	const size_t pixelBytes = size_t(header.width) * 4 * header.height;
	auto* pixels = static_cast<uint8_t*>(std::malloc(header.channels == 4 ? filtered : pixelBytes));
	std::vector<uint8_t> apart(header.channels == 4 ? 0 : filtered);
	uint8_t* rows = header.channels == 4 ? pixels : apart.data();
	const std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> inflater(
	    libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
	size_t inflated = 0;
	if (!pixels || !inflater ||
	    libdeflate_zlib_decompress(inflater.get(), compressed.data(), compressed.size(), rows, filtered, &inflated) !=
	        LIBDEFLATE_SUCCESS ||
	    inflated != filtered)
	{
		std::free(pixels);
		return nullptr;
	}

	// The row above, unfiltered but not yet premultiplied: the filters predict from it.
	std::vector<uint8_t> previous(rowLength, 0);
	for (uint32_t y = 0; y < header.height; ++y)
	{
		uint8_t* row = rows + y * (rowLength + 1);
		if (!unfilter(row[0], row + 1, previous.data(), rowLength, header.channels))
		{
			std::free(pixels);
			return nullptr;
		}
		if (y + 1 < header.height && rows[(y + 1) * (rowLength + 1)] != 0)
			std::memcpy(previous.data(), row + 1, rowLength);
		uint8_t* out = pixels + size_t(y) * header.width * 4;
		for (uint32_t x = 0; x < header.width; ++x)
		{
			const uint32_t word = premultiplied(row + 1 + size_t(x) * header.channels, header.channels);
			std::memcpy(out + size_t(x) * 4, &word, 4);
		}
	}
	return adoptPixels(pixels, header.width, header.height);
}

} // namespace VSTGUI
