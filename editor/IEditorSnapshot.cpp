#include "IEditorSnapshot.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

DEF_CLASS_IID(IEditorSnapshot)

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
