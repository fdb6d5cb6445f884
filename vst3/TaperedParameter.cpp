#include "TaperedParameter.h"

#include "ParameterText.h"

#include "pluginterfaces/base/ustring.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

TaperedParameter::TaperedParameter(const TChar* title, ParamID tag, const TChar* units,
                                   ParamValue minPlain, ParamValue maxPlain, int32 stepCount,
                                   int32 flags, UnitID unitID)
: minPlain(minPlain), maxPlain(maxPlain)
{
	if (title)
		UString(info.title, str16BufferSize(String128)).assign(title);
	if (units)
		UString(info.units, str16BufferSize(String128)).assign(units);
	info.id = tag;
	info.stepCount = stepCount;
	info.flags = flags;
	info.unitId = unitID;
}

void TaperedParameter::setDefaultNormalized(ParamValue normalized)
{
	info.defaultNormalizedValue = normalized;
	valueNormalized = normalized;
}

void TaperedParameter::toString(ParamValue valueNormalized, String128 string) const
{
	printPlainValue(toPlain(valueNormalized), getPrecision(), string);
}

bool TaperedParameter::fromString(const TChar* string, ParamValue& valueNormalized) const
{
	double plain = 0.0;
	if (!scanPlainValue(string, plain))
		return false;
	valueNormalized = toNormalized(plain);
	return true;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
