#include "vst2version.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

int32 versionNumber(const char8* version)
{
	constexpr int32 weights[4] = {1000, 100, 10, 1};
	constexpr int32 maxMajor = 2147482; // keeps the total within int32
	int32 total = 0;
	const char8* c = version ? version : "";
	for (int part = 0; part < 4; ++part)
	{
		int32 value = 0;
		while (*c >= '0' && *c <= '9')
		{
			value = std::min<int32>(value * 10 + (*c - '0'), maxMajor);
			++c;
		}
		total += (part == 0 ? value : std::min<int32>(value, 9)) * weights[part];
		if (*c != '.')
			break;
		++c;
	}
	return total;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
