#pragma once

#include "host/ClassId.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Veltrane {

class AtomicFile;

// A plug-in's component state on disk. A name ending in ".vstpreset" (any
// case) means a VST 3 preset file as hosts' preset browsers read and write
// it: the component's class id in the header and the state as the component
// chunk. Any other name holds the bare bytes of the state.
bool namesPresetFile(const std::string& path);

// The component state the file holds, in the form its name says. A preset
// file must name classId and carry a component chunk. Throws ToolError, one
// line naming the file.
std::vector<std::uint8_t> readStateFile(const std::string& path, const VeltraneHost::ClassId& classId);

// The component state of a VST 3 preset file, whatever its name.
std::vector<std::uint8_t> readPresetFile(const std::string& path, const VeltraneHost::ClassId& classId);

// A face whose state is not the VST 3 component's (LV2's Turtle) passes a
// zero classId: preset files are refused for it, bare state files are not.
// Writes the state into the file's temporary in the form the target's name
// says (see namesPresetFile). Throws ToolError naming the target.
void writeStateFile(const AtomicFile& file, const std::vector<std::uint8_t>& state,
	const VeltraneHost::ClassId& classId);

} // namespace Veltrane
