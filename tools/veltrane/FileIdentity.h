#pragma once

#include <string>

namespace Veltrane {

// True when both names reach the same file: the same device and inode when
// both exist, otherwise the same canonical path (links and "..") resolved.
bool sameFile(const std::string& a, const std::string& b);

} // namespace Veltrane
