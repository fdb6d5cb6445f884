#include "stringconvert.h"

namespace VST3 {
namespace StringConvert {

namespace {

using Steinberg::Vst::TChar;

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit)
{
	return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
	return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Reads one code point and advances. An ill-formed sequence reads as U+FFFD
// and only its longest well-formed start is skipped, so the byte that broke
// it is read again as the start of the next one.
char32_t nextCodePoint(const unsigned char*& cursor, const unsigned char* end)
{
	const unsigned char lead = *cursor++;
	if (lead < 0x80)
		return lead;
	int length = 0;
	// The second byte's range is narrower after some leads: that rules out
	// overlong forms, surrogates and values past U+10FFFF.
	unsigned char lowest = 0x80;
	unsigned char highest = 0xBF;
	if (lead >= 0xC2 && lead <= 0xDF)
		length = 2;
	else if (lead >= 0xE0 && lead <= 0xEF)
	{
		length = 3;
		if (lead == 0xE0)
			lowest = 0xA0;
		else if (lead == 0xED)
			highest = 0x9F;
	}
	else if (lead >= 0xF0 && lead <= 0xF4)
	{
		length = 4;
		if (lead == 0xF0)
			lowest = 0x90;
		else if (lead == 0xF4)
			highest = 0x8F;
	}
	else
		return kReplacement;
	char32_t codePoint = lead & (0x7F >> length);
	for (int i = 1; i < length; ++i)
	{
		if (cursor == end || *cursor < lowest || *cursor > highest)
			return kReplacement;
		codePoint = (codePoint << 6) | (*cursor++ & 0x3F);
		lowest = 0x80;
		highest = 0xBF;
	}
	return codePoint;
}

// Reads one code point and advances; a lone surrogate reads as U+FFFD.
char32_t nextCodePoint(const TChar*& cursor, const TChar* end)
{
	const char32_t first = static_cast<char16_t>(*cursor++);
	if (!isHighSurrogate(first) && !isLowSurrogate(first))
		return first;
	if (isHighSurrogate(first) && cursor != end && isLowSurrogate(static_cast<char16_t>(*cursor)))
		return 0x10000 + ((first - 0xD800) << 10) + (static_cast<char16_t>(*cursor++) - 0xDC00);
	return kReplacement;
}

void appendUtf8(std::string& text, char32_t codePoint)
{
	if (codePoint < 0x80)
	{
		text += static_cast<char>(codePoint);
		return;
	}
	const int length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
	static const unsigned char leadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
	text += static_cast<char>(leadMarks[length] | (codePoint >> (6 * (length - 1))));
	for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
		text += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

std::string toUtf8(const TChar* begin, const TChar* end)
{
	std::string result;
	result.reserve(static_cast<size_t>(end - begin));
	while (begin != end)
		appendUtf8(result, nextCodePoint(begin, end));
	return result;
}

// The UTF-16 form of a code point; returns how many units it took.
int encodeUtf16(char32_t codePoint, TChar units[2])
{
	if (codePoint < 0x10000)
	{
		units[0] = static_cast<TChar>(codePoint);
		return 1;
	}
	const char32_t offset = codePoint - 0x10000;
	units[0] = static_cast<TChar>(0xD800 + (offset >> 10));
	units[1] = static_cast<TChar>(0xDC00 + (offset & 0x3FF));
	return 2;
}

const unsigned char* bytesOf(const std::string& text)
{
	return reinterpret_cast<const unsigned char*>(text.data());
}

} // namespace

std::u16string convert(const std::string& utf8Str)
{
	std::u16string result;
	result.reserve(utf8Str.size());
	const unsigned char* cursor = bytesOf(utf8Str);
	const unsigned char* end = cursor + utf8Str.size();
	while (cursor != end)
	{
		TChar units[2];
		result.append(units, static_cast<size_t>(encodeUtf16(nextCodePoint(cursor, end), units)));
	}
	return result;
}

std::string convert(const std::u16string& str)
{
	return toUtf8(str.data(), str.data() + str.size());
}

std::string convert(const TChar* str)
{
	if (!str)
		return {};
	return toUtf8(str, str + std::char_traits<TChar>::length(str));
}

std::string convert(const TChar* str, uint32_t max)
{
	if (!str)
		return {};
	uint32_t length = 0;
	while (length < max && str[length])
		++length;
	return toUtf8(str, str + length);
}

bool convert(const std::string& utf8Str, TChar* str, uint32_t maxCharacters)
{
	if (!str || maxCharacters == 0)
		return false;
	const unsigned char* cursor = bytesOf(utf8Str);
	const unsigned char* end = cursor + utf8Str.size();
	uint32_t used = 0;
	while (cursor != end)
	{
		TChar units[2];
		const int count = encodeUtf16(nextCodePoint(cursor, end), units);
		// A surrogate pair goes in whole or not at all.
		if (used + static_cast<uint32_t>(count) > maxCharacters - 1)
		{
			str[used] = 0;
			return false;
		}
		for (int i = 0; i < count; ++i)
			str[used++] = units[i];
	}
	str[used] = 0;
	return true;
}

bool convert(const std::string& utf8Str, Steinberg::Vst::String128 str)
{
	return convert(utf8Str, str, 128);
}

} // namespace StringConvert
} // namespace VST3
