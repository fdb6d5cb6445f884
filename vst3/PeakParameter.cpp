#include "PeakParameter.h"

#include "pluginterfaces/base/ustring.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <cmath>
#include <cstdio>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

PeakParameter::PeakParameter(int32 flags, ParamID tag, const TChar* title)
{
	info.flags = flags;
	info.id = tag;
	if (title)
		UString(info.title, str16BufferSize(String128)).assign(title);
	info.stepCount = 0;
	info.defaultNormalizedValue = 0.5;
	info.unitId = 0;
	setNormalized(1.0);
}

void PeakParameter::toString(ParamValue valueNormalized, String128 string) const
{
	char text[128];
	if (valueNormalized > 0.0001)
	{
		const float decibels = log10f(static_cast<float>(valueNormalized)) * 20.0f;
		std::snprintf(text, sizeof text, "%.3f", static_cast<double>(decibels));
	}
	else
	{
		std::snprintf(text, sizeof text, "-\xE2\x88\x9E"); // minus infinity
	}
	VST3::StringConvert::convert(text, string);
}

bool PeakParameter::fromString(const TChar*, ParamValue&) const
{
	return false;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
