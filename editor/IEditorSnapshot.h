// A private interface of the module's editor view, reached through
// queryInterface on the IPlugView: draws the editor without any window into
// a PNG file. veltrane and the tests use it; hosts never see it.
#pragma once

#include "pluginterfaces/base/funknown.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class IEditorSnapshot : public FUnknown
{
public:
	// Opens the editor's views offscreen (unless it is open already), draws
	// them at their own size and writes the picture to path. kResultOk when
	// the file was written; the view is left as it was found.
	virtual tresult PLUGIN_API writePng(FIDString path) = 0;

	static const FUID iid;
};

DECLARE_CLASS_IID(IEditorSnapshot, 0x5C1E7A2D, 0x6B0F4E18, 0x9A3D21C4, 0x7E55B093)

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
