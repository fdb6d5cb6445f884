#include "VoltOctaveParameter.h"

#include "FastMath.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

VoltOctaveParameter::VoltOctaveParameter(const TChar* title, ParamID tag, const TChar* units,
                                         ParamValue minPlain, ParamValue maxPlain,
                                         ParamValue defaultValuePlain, int32 stepCount,
                                         int32 flags, UnitID unitID)
: TaperedParameter(title, tag, units, minPlain, maxPlain, stepCount, flags, unitID)
{
	setDefaultNormalized(VoltOctaveParameter::toNormalized(defaultValuePlain));
}

ParamValue VoltOctaveParameter::toNormalized(ParamValue plainValue) const
{
	const double min = getMin();
	const double max = getMax();
	const float rangeRatio = static_cast<float>(max / min);
	const float ratio = static_cast<float>(static_cast<double>(static_cast<float>(plainValue)) / min);
	const double octaves = static_cast<double>(fastLog2(ratio));
	const double rangeOctaves = static_cast<double>(fastLog2(rangeRatio));
	return static_cast<double>(static_cast<float>(octaves / rangeOctaves));
}

ParamValue VoltOctaveParameter::toPlain(ParamValue valueNormalized) const
{
	const double min = getMin();
	const double max = getMax();
	const float rangeOctaves = fastLog2(static_cast<float>(max / min));
	const float octaves = rangeOctaves * static_cast<float>(valueNormalized);
	const float ratio = fastPow2(octaves);
	const float scaled = static_cast<float>(min * ratio);
	const float span = static_cast<float>(max - min);
	const float position = static_cast<float>((scaled - min) / span);
	return min + (max - min) * position;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
