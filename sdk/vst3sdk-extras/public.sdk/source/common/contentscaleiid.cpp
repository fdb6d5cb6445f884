// The Debian copy of the SDK declares the content-scale interface but defines
// its id nowhere; editors answer for it and hosts ask for it.
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

namespace Steinberg {
DEF_CLASS_IID(IPlugViewContentScaleSupport)
}
