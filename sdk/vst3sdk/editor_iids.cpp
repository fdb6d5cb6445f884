// The SDK defines the editor interface ids next to its plug-in factory, and
// the Debian copy defines them nowhere, yet its EditController refers to
// IPlugView's. Defining them here lets the library link on its own.
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg {
DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
}
