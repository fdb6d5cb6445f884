// The bare editor of an effect that draws its own window: an empty frame,
// and the parent window handed to the effect, which edits parameters back
// through the connector face.
#pragma once

#include "CVSTParameterConnector.h"

#include "PlugIn.h"

#include "public.sdk/source/vst/vstguieditor.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class CPlinthCustomView : public CVSTParameterConnector, public VSTGUIEditor
{
public:
	CPlinthCustomView(void* controller, ViewRect* size);
	~CPlinthCustomView() override;

	//---CVSTParameterConnector
	void beginParameterEdit(uint32_t parameterId) override;
	void endParameterEdit(uint32_t parameterId) override;
	void setParameter(uint32_t parameterId, float normalizedValue) override;

	//---VSTGUIEditor
	bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& platformType) override;
	void PLUGIN_API close() override;

	CPlugIn* effect = nullptr;      // set by createView; owned by the processor
	void* parentWindow = nullptr;   // while open
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
