#pragma once

#include <string>

namespace VeltraneHost {

// Folder inside Contents/ that holds the binary for this machine.
const char* bundleArchitectureFolder();

// Maps a ".vst3" bundle folder to NAME.vst3/Contents/<arch>/NAME.so; any
// other existing file is returned unchanged. Throws HostError when the
// path or the binary inside the bundle does not exist.
std::string resolveModuleBinary(const std::string& path);

} // namespace VeltraneHost
