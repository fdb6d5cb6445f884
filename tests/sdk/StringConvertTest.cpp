#include "public.sdk/source/vst/utility/stringconvert.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using Steinberg::Vst::String128;
using Steinberg::Vst::TChar;
using VST3::StringConvert::convert;

namespace {

const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

// What the fixed-size form wrote, up to its terminator.
std::u16string intoBuffer(const std::string& utf8, uint32_t size, bool* complete = nullptr)
{
	std::vector<TChar> buffer(size + 1, u'#');
	const bool result = convert(utf8, buffer.data(), size);
	if (complete)
		*complete = result;
	EXPECT_EQ(buffer[size], u'#') << "wrote past the buffer";
	return buffer.data();
}

} // namespace

TEST(StringConvert, WellFormedTextRoundTrips)
{
	const std::vector<std::pair<std::string, std::u16string>> cases = {
		{"", u""},
		{"Cutoff 1000 Hz", u"Cutoff 1000 Hz"},
		{"Gr\xC3\xBC\xC3\x9F" "e", u"Gr\u00FC\u00DFe"},        // two bytes each
		{"-\xE2\x88\x9E dB", u"-\u221E dB"},                     // three bytes
		{"\xF0\x9D\x84\x9E!", u"\U0001D11E!"},                   // four bytes: a surrogate pair
		{"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},                     // the last code point
		{std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // sized, not terminated
	};
	for (const auto& [utf8, utf16] : cases)
	{
		EXPECT_EQ(convert(utf8), utf16) << utf8;
		EXPECT_EQ(convert(utf16), utf8) << utf8;
	}
	EXPECT_EQ(convert(u"Gr\u00FC\u00DFe \U0001D11E"), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9D\x84\x9E");
	String128 text {};
	EXPECT_TRUE(convert("1000 \xC3\xBC \xF0\x9D\x84\x9E", text));
	EXPECT_EQ(std::u16string(text), u"1000 \u00FC \U0001D11E");
}

TEST(StringConvert, EachMalformedUtf8SequenceBecomesOneReplacement)
{
	const std::vector<std::pair<std::string, std::u16string>> cases = {
		{"a\xFF" "b", u"a\uFFFDb"},                   // a byte that never leads
		{"a\x80" "b", u"a\uFFFDb"},                   // a stray continuation
		{"\xE2\x82" "a", u"\uFFFDa"},                 // cut short by the next character
		{"a\xF0\x9D\x84", u"a\uFFFD"},                // cut short by the end
		{"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong '/'
		{"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},      // overlong, three bytes
		{"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // an encoded surrogate
		{"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // past U+10FFFF
	};
	for (const auto& [utf8, utf16] : cases)
	{
		EXPECT_EQ(convert(utf8), utf16) << utf8;
		EXPECT_EQ(intoBuffer(utf8, 128), utf16) << utf8;
	}
}

TEST(StringConvert, LoneSurrogatesBecomeReplacements)
{
	const std::vector<std::pair<std::u16string, std::string>> cases = {
		{u"a\xD834" "b", "a" + kReplacementUtf8 + "b"},        // high without its low
		{u"a\xDD1E" "b", "a" + kReplacementUtf8 + "b"},        // low without its high
		{u"a\xD834", "a" + kReplacementUtf8},                  // high at the end
		{u"\xDD1E\xD834", kReplacementUtf8 + kReplacementUtf8}, // a pair the wrong way round
	};
	for (const auto& [utf16, utf8] : cases)
	{
		EXPECT_EQ(convert(utf16), utf8);
		EXPECT_EQ(convert(utf16.c_str()), utf8);
	}
}

TEST(StringConvert, Utf16ReadsStopAtTheTerminatorOrTheLimit)
{
	EXPECT_EQ(convert(static_cast<const TChar*>(nullptr)), "");
	EXPECT_EQ(convert(static_cast<const TChar*>(nullptr), 8), "");
	const TChar unterminated[] = {u'a', u'b', u'c'};
	EXPECT_EQ(convert(unterminated, 3), "abc");
	EXPECT_EQ(convert(u"ab\0cd", 5), "ab");
	// A limit between the halves of a pair leaves a lone surrogate.
	EXPECT_EQ(convert(u"a\U0001D11E", 2), "a" + kReplacementUtf8);
}

TEST(StringConvert, FixedBuffersCutWithoutSplittingAPair)
{
	String128 text {};
	EXPECT_TRUE(convert(std::string(127, 'x'), text));
	EXPECT_EQ(std::u16string(text), std::u16string(127, u'x'));
	EXPECT_FALSE(convert(std::string(300, 'x'), text));
	EXPECT_EQ(std::u16string(text), std::u16string(127, u'x'));

	// 126 units leave one free: too few for the pair, which goes whole.
	bool complete = true;
	EXPECT_EQ(intoBuffer(std::string(126, 'x') + "\xF0\x9D\x84\x9E", 128, &complete), std::u16string(126, u'x'));
	EXPECT_FALSE(complete);
	EXPECT_EQ(intoBuffer(std::string(125, 'x') + "\xF0\x9D\x84\x9E", 128, &complete),
		std::u16string(125, u'x') + u"\U0001D11E");
	EXPECT_TRUE(complete);

	EXPECT_EQ(intoBuffer("abc", 1, &complete), u"");
	EXPECT_FALSE(complete);
	TChar untouched = u'#';
	EXPECT_FALSE(convert("abc", &untouched, 0));
	EXPECT_EQ(untouched, u'#');
	EXPECT_FALSE(convert("abc", nullptr, 8));
}
