// How an effect that draws its own editor edits the host's parameters.
#pragma once

#include <cstdint>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class CVSTParameterConnector
{
public:
	virtual void beginParameterEdit(uint32_t parameterId) = 0;
	virtual void endParameterEdit(uint32_t parameterId) = 0;
	virtual void setParameter(uint32_t parameterId, float normalizedValue) = 0;

protected:
	~CVSTParameterConnector() = default; // never deleted through this face
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
