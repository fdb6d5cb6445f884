// A range parameter with an audio-style logarithmic taper: the normalized
// value spans 48 dB (10^-2.4 .. 1) over the linear position in the range.
#pragma once

#include "TaperedParameter.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class LogParameter : public TaperedParameter
{
public:
	LogParameter(const TChar* title, ParamID tag, const TChar* units, ParamValue minPlain,
	             ParamValue maxPlain, ParamValue defaultValuePlain, int32 stepCount, int32 flags,
	             UnitID unitID);

	// Neither conversion clamps.
	ParamValue toPlain(ParamValue valueNormalized) const override;
	ParamValue toNormalized(ParamValue plainValue) const override;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
