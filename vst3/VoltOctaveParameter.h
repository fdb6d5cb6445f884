// A range parameter with an exponential (volt-per-octave) taper: equal
// normalized steps are equal frequency ratios between min and max.
#pragma once

#include "TaperedParameter.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class VoltOctaveParameter : public TaperedParameter
{
public:
	VoltOctaveParameter(const TChar* title, ParamID tag, const TChar* units, ParamValue minPlain,
	                    ParamValue maxPlain, ParamValue defaultValuePlain, int32 stepCount,
	                    int32 flags, UnitID unitID);

	// Neither conversion clamps.
	ParamValue toPlain(ParamValue valueNormalized) const override;
	ParamValue toNormalized(ParamValue plainValue) const override;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
