// The editor opcodes. The face offers no editor yet: effFlagsHasEditor is
// set only when the controller creates a view, and then these calls are
// where the view gets attached to the host's window (IPlugView::attached
// with kPlatformTypeX11EmbedWindowID, getSize for effEditGetRect, and a
// run loop for effEditIdle).
#include "vst2wrapper.h"

namespace Steinberg {
namespace Vst {

VstIntPtr Vst2Wrapper::dispatchEditor(VstInt32 opcode, VstInt32 /*index*/, VstIntPtr /*value*/, void* ptr,
	float /*opt*/)
{
	if (opcode == effEditGetRect && ptr)
		*static_cast<ERect**>(ptr) = nullptr;
	return 0;
}

} // namespace Vst
} // namespace Steinberg
