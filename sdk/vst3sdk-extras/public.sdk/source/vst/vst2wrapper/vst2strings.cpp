#include "vst2strings.h"

#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

int utf8Length(char32_t c)
{
	return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

void putUtf8(char32_t c, char* out)
{
	switch (utf8Length(c))
	{
		case 1: out[0] = static_cast<char>(c); break;
		case 2:
			out[0] = static_cast<char>(0xC0 | (c >> 6));
			out[1] = static_cast<char>(0x80 | (c & 0x3F));
			break;
		case 3:
			out[0] = static_cast<char>(0xE0 | (c >> 12));
			out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
			out[2] = static_cast<char>(0x80 | (c & 0x3F));
			break;
		default:
			out[0] = static_cast<char>(0xF0 | (c >> 18));
			out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
			out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
			out[3] = static_cast<char>(0x80 | (c & 0x3F));
			break;
	}
}

// Reads one code point and advances; a lone surrogate reads as U+FFFD.
char32_t nextUtf16(const TChar*& text)
{
	const char32_t first = static_cast<char16_t>(*text++);
	if (first < 0xD800 || first > 0xDFFF)
		return first;
	const char32_t second = static_cast<char16_t>(*text);
	if (first <= 0xDBFF && second >= 0xDC00 && second <= 0xDFFF)
	{
		++text;
		return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
	}
	return kReplacement;
}

// Reads one code point and advances past the bytes it used.
char32_t nextUtf8(const unsigned char*& text)
{
	const unsigned char lead = *text++;
	if (lead < 0x80)
		return lead;
	int continuation;
	if (lead >= 0xC2 && lead <= 0xDF)
		continuation = 1;
	else if (lead >= 0xE0 && lead <= 0xEF)
		continuation = 2;
	else if (lead >= 0xF0 && lead <= 0xF4)
		continuation = 3;
	else
		return kReplacement;
	char32_t c = lead & (0x3F >> continuation);
	for (int i = 0; i < continuation; ++i)
	{
		if ((*text & 0xC0) != 0x80)
			return kReplacement;
		c = (c << 6) | (*text++ & 0x3F);
	}
	const bool overlong = (continuation == 2 && c < 0x800) || (continuation == 3 && c < 0x10000);
	if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
		return kReplacement;
	return c;
}

} // namespace

void copyString(const TChar* utf16, char* destination, int destinationSize)
{
	if (!destination || destinationSize <= 0)
		return;
	int used = 0;
	while (utf16 && *utf16)
	{
		const char32_t c = nextUtf16(utf16);
		if (used + utf8Length(c) > destinationSize - 1)
			break;
		putUtf8(c, destination + used);
		used += utf8Length(c);
	}
	destination[used] = 0;
}

void copyString(const char* utf8, char* destination, int destinationSize)
{
	if (!destination || destinationSize <= 0)
		return;
	int used = 0;
	const auto* text = reinterpret_cast<const unsigned char*>(utf8 ? utf8 : "");
	while (*text)
	{
		const unsigned char* start = text;
		nextUtf8(text);
		const int length = static_cast<int>(text - start);
		if (used + length > destinationSize - 1)
			break;
		std::memcpy(destination + used, start, static_cast<size_t>(length));
		used += length;
	}
	destination[used] = 0;
}

void utf8ToString128(const char* utf8, String128 destination)
{
	constexpr int capacity = 128;
	int used = 0;
	const auto* text = reinterpret_cast<const unsigned char*>(utf8 ? utf8 : "");
	while (*text)
	{
		const char32_t c = nextUtf8(text);
		const int units = c >= 0x10000 ? 2 : 1;
		if (used + units > capacity - 1)
			break;
		if (units == 2)
		{
			destination[used++] = static_cast<TChar>(0xD800 + ((c - 0x10000) >> 10));
			destination[used++] = static_cast<TChar>(0xDC00 + ((c - 0x10000) & 0x3FF));
		}
		else
			destination[used++] = static_cast<TChar>(c);
	}
	destination[used] = 0;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
