#include "ParameterText.h"

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/base/ustring.h"

#include <cstdio>
#include <stdexcept>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

constexpr int32 kCapacity = 128;
constexpr char16 kReplacement = 0xFFFD;

// Length of the sequence a lead byte announces, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead)
{
	if (lead < 0x80)
		return 1;
	if (lead >= 0xC2 && lead <= 0xDF)
		return 2;
	if (lead >= 0xE0 && lead <= 0xEF)
		return 3;
	if (lead >= 0xF0 && lead <= 0xF4)
		return 4;
	return 0;
}

// Decodes one sequence at text; advances text, returns the code point or -1.
long decodeOne(const unsigned char*& text)
{
	const int length = sequenceLength(text[0]);
	if (length == 0)
	{
		++text;
		return -1;
	}
	static const unsigned char leadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
	long codePoint = text[0] & leadMask[length];
	for (int i = 1; i < length; ++i)
	{
		if ((text[i] & 0xC0) != 0x80)
		{
			text += i;
			return -1;
		}
		codePoint = (codePoint << 6) | (text[i] & 0x3F);
	}
	text += length;
	static const long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
	const bool overlong = codePoint < smallest[length];
	const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
	if (overlong || surrogate || codePoint > 0x10FFFF)
		return -1;
	return codePoint;
}

} // namespace

void copyUtf8ToString128(const char* text, String128 out)
{
	int32 used = 0;
	const unsigned char* cursor = reinterpret_cast<const unsigned char*>(text ? text : "");
	while (*cursor)
	{
		const long codePoint = decodeOne(cursor);
		if (codePoint >= 0x10000)
		{
			if (used + 2 > kCapacity - 1)
				break;
			const long high = codePoint - 0x10000;
			out[used++] = static_cast<char16>(0xD800 + (high >> 10));
			out[used++] = static_cast<char16>(0xDC00 + (high & 0x3FF));
			continue;
		}
		if (used + 1 > kCapacity - 1)
			break;
		out[used++] = codePoint < 0 ? kReplacement : static_cast<char16>(codePoint);
	}
	out[used] = 0;
}

void printPlainValue(double value, int32 precision, String128 out)
{
	char text[kCapacity];
	if (std::snprintf(text, sizeof text, "%.*f", precision, value) <= 0)
		text[0] = 0;
	copyUtf8ToString128(text, out);
}

bool scanPlainValue(const TChar* text, double& value)
{
	if (!text)
		return false;
	UString wrapper(const_cast<TChar*>(text), strlen16(text));
	double scanned = 0.0;
	try
	{
		if (!wrapper.scanFloat(scanned))
			return false;
	}
	catch (const std::range_error&)
	{
		// The SDK's UTF-16 to UTF-8 step rejects unpaired surrogates by throwing.
		return false;
	}
	value = scanned;
	return true;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
