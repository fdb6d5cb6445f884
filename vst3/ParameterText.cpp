#include "ParameterText.h"

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/base/ustring.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <cstdio>
#include <stdexcept>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

void printPlainValue(double value, int32 precision, String128 out)
{
	char text[128];
	if (std::snprintf(text, sizeof text, "%.*f", precision, value) <= 0)
		text[0] = 0;
	VST3::StringConvert::convert(text, out);
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
