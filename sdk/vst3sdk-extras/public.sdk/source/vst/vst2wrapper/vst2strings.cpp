#include "vst2strings.h"

#include "public.sdk/source/vst/utility/stringconvert.h"

#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

void copyString(const TChar* utf16, char* destination, int destinationSize)
{
	copyString(VST3::StringConvert::convert(utf16).c_str(), destination, destinationSize);
}

void copyString(const char* utf8, char* destination, int destinationSize)
{
	if (!destination || destinationSize <= 0)
		return;
	const char* text = utf8 ? utf8 : "";
	size_t length = strnlen(text, static_cast<size_t>(destinationSize));
	if (length > static_cast<size_t>(destinationSize - 1))
	{
		// Cut before the lead byte of a sequence the cut would split.
		length = static_cast<size_t>(destinationSize - 1);
		while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
			--length;
	}
	std::memcpy(destination, text, length);
	destination[length] = 0;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
