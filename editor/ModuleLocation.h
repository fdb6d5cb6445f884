// Where the module's own file lies, and the bundle folder the editor's
// description and pictures are read from.
#pragma once

#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// The binary this code is linked into, with every symlink resolved (hosts
// reach it through links such as ~/.vst/NAME.so); empty when unknown.
std::string moduleBinaryPath();

// The address the module is loaded at: what the effect receives as the
// module's instance handle.
void* moduleInstanceHandle();

// NAME.vst3/Contents/Resources for a binary at NAME.vst3/Contents/<arch>/NAME.so.
std::string bundleResourceFolder(const std::string& binaryPath);

// Points VSTGUI at the bundle's resources, unless a folder is already set
// (an embedding program, or a test, chose one).
void useBundleResources();

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
