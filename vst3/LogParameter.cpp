#include "LogParameter.h"

#include <cmath>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

LogParameter::LogParameter(const TChar* title, ParamID tag, const TChar* units,
                           ParamValue minPlain, ParamValue maxPlain,
                           ParamValue defaultValuePlain, int32 stepCount, int32 flags,
                           UnitID unitID)
: TaperedParameter(title, tag, units, minPlain, maxPlain, stepCount, flags, unitID)
{
	setDefaultNormalized(LogParameter::toNormalized(defaultValuePlain));
}

ParamValue LogParameter::toNormalized(ParamValue plainValue) const
{
	const double min = getMin();
	const double max = getMax();
	const float position = static_cast<float>((plainValue - min) / (max - min));
	const double exponent = static_cast<double>(position - 1.0f) * 2.4;
	return static_cast<double>(static_cast<float>(std::pow(10.0, exponent)));
}

ParamValue LogParameter::toPlain(ParamValue valueNormalized) const
{
	const double min = getMin();
	const double max = getMax();
	const float normalized = static_cast<float>(valueNormalized);
	float position = 0.0f;
	if (normalized > 0.0f)
		position = static_cast<float>(static_cast<double>(log10f(normalized)) * 0.4166666666666667 + 1.0);
	return min + (max - min) * position;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
