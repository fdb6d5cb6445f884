#include "ResidentLibraries.h"

#include <dlfcn.h>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

void keepDrawingLibrariesLoaded()
{
	static const char* const libraries[] = {
		"libcairo.so.2", "libpixman-1.so.0", "libfontconfig.so.1", "libfreetype.so.6",
		"libpng16.so.16", "libxcb.so.1", "libX11.so.6", "libpugixml.so.1",
	};
	// RTLD_NOLOAD only marks what the loader already brought in with the
	// module; the handle is never closed, as the point is to keep it.
	for (const char* library : libraries)
		dlopen(library, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
