// The Debian copy of the SDK declares the content-scale interface but defines
// its id nowhere; VST3Editor is the one that answers for it.
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

namespace Steinberg {
DEF_CLASS_IID(IPlugViewContentScaleSupport)
}
