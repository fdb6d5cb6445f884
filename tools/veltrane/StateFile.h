#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Veltrane {

// The bytes of a state file saved by --state-out; throws ToolError naming the file.
std::vector<std::uint8_t> readStateFile(const std::string& path);

} // namespace Veltrane
