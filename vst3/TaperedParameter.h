// A continuous parameter over [min, max] whose normalized scale is not
// linear. Subclasses supply the taper (toPlain / toNormalized); this class
// holds the range and the text conversions, which both work in plain units.
#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class TaperedParameter : public Parameter
{
public:
	virtual ParamValue getMin() const { return minPlain; }
	virtual void setMin(ParamValue value) { minPlain = value; }
	virtual ParamValue getMax() const { return maxPlain; }
	virtual void setMax(ParamValue value) { maxPlain = value; }

	void toString(ParamValue valueNormalized, String128 string) const override;
	// Accepts a plain number; the result is not clamped to [0, 1].
	bool fromString(const TChar* string, ParamValue& valueNormalized) const override;

protected:
	// The default value is left to the subclass: it needs the subclass taper.
	TaperedParameter(const TChar* title, ParamID tag, const TChar* units, ParamValue minPlain,
	                 ParamValue maxPlain, int32 stepCount, int32 flags, UnitID unitID);

	// Stores the default without clamping, as the host is meant to see it.
	void setDefaultNormalized(ParamValue normalized);

	ParamValue minPlain;
	ParamValue maxPlain;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
