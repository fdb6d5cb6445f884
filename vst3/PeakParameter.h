// A read-only level meter: the normalized value is a linear peak amplitude,
// shown to the user in decibels.
#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class PeakParameter : public Parameter
{
public:
	PeakParameter(int32 flags, ParamID tag, const TChar* title);

	void toString(ParamValue valueNormalized, String128 string) const override;
	// Meters are never typed in.
	bool fromString(const TChar* string, ParamValue& valueNormalized) const override;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
