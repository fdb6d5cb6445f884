// The editor's description with its decoded pictures, read once per process
// and shared by every editor: a host that opens and closes the editor again
// and again does not decode some 30 MB of filmstrips each time.
#pragma once

#include "vstgui/lib/vstguibase.h"

namespace VSTGUI {
class UIDescription;
}

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// The parsed description named xmlFile in the resource folder. One that
// cannot be read is handed out empty, as VSTGUI reads it, and not kept, so
// that the next editor tries again.
VSTGUI::SharedPointer<VSTGUI::UIDescription> sharedDescription(const char* xmlFile);

// Lets every kept description go (the module is about to be unloaded); an
// editor still open keeps its own until it closes.
void releaseSharedDescriptions();

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
