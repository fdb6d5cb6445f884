#include "StateFile.h"

#include "AtomicFile.h"
#include "ToolError.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/vstpresetfile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Veltrane {

using namespace Steinberg;
using VeltraneHost::ClassId;

namespace {

constexpr const char kPresetExtension[] = ".vstpreset";

std::vector<std::uint8_t> readWholeFile(const std::string& path, const char* what)
{
	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
	if (!file)
		throw ToolError(std::string("cannot open ") + what + " '" + path + "': " + std::strerror(errno));
	std::vector<std::uint8_t> bytes;
	std::uint8_t chunk[65536];
	size_t got = 0;
	while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0)
		bytes.insert(bytes.end(), chunk, chunk + got);
	if (std::ferror(file.get()))
		throw ToolError(std::string("cannot read ") + what + " '" + path + "': " + std::strerror(errno));
	return bytes;
}

FUID toFuid(const ClassId& classId)
{
	return FUID::fromTUID(classId.data());
}

ClassId toClassId(const FUID& fuid)
{
	TUID tuid;
	fuid.toTUID(tuid);
	return VeltraneHost::toClassId(tuid);
}

// The state by value: the SDK's memory stream reads through a non-const pointer.
std::vector<std::uint8_t> encodePreset(const ClassId& classId, std::vector<std::uint8_t> state)
{
	MemoryStream component(state.data(), static_cast<TSize>(state.size()));
	MemoryStream file;
	if (!Vst::PresetFile::savePreset(&file, toFuid(classId), &component))
		throw ToolError("cannot form a VST 3 preset of the plug-in's state");
	const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.getData());
	return std::vector<std::uint8_t>(bytes, bytes + file.getSize());
}

// The component chunk of a preset file's bytes, checked against the file's
// own size: the SDK reader trusts the offsets in the chunk list.
std::vector<std::uint8_t> decodePreset(std::vector<std::uint8_t> bytes, const ClassId& classId,
	const std::string& path)
{
	MemoryStream stream(bytes.data(), static_cast<TSize>(bytes.size()));
	Vst::PresetFile preset(&stream);
	if (!preset.readChunkList() || !preset.getClassID().isValid())
		throw ToolError("'" + path + "' is not a VST 3 preset file, or it is damaged");
	const ClassId found = toClassId(preset.getClassID());
	if (found != classId)
		throw ToolError("'" + path + "' is a preset of another plug-in (class " + VeltraneHost::toString(found) +
			", not " + VeltraneHost::toString(classId) + ")");
	const Vst::PresetFile::Entry* chunk = preset.getEntry(Vst::kComponentState);
	if (!chunk)
		throw ToolError("'" + path + "' holds no component state");
	const auto size = static_cast<TSize>(bytes.size());
	if (chunk->offset < 0 || chunk->size < 0 || chunk->offset > size || chunk->size > size - chunk->offset)
		throw ToolError("'" + path + "' is damaged: its component state runs past the end of the file");
	const auto begin = bytes.begin() + chunk->offset;
	return std::vector<std::uint8_t>(begin, begin + chunk->size);
}

} // namespace

bool namesPresetFile(const std::string& path)
{
	const size_t length = sizeof(kPresetExtension) - 1;
	if (path.size() < length)
		return false;
	return std::equal(path.end() - length, path.end(), kPresetExtension,
		[](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::vector<std::uint8_t> readStateFile(const std::string& path, const ClassId& classId)
{
	if (namesPresetFile(path))
		return readPresetFile(path, classId);
	return readWholeFile(path, "state file");
}

std::vector<std::uint8_t> readPresetFile(const std::string& path, const ClassId& classId)
{
	if (classId == ClassId{})
		throw ToolError("'" + path + "': this face of the plug-in cannot load VST 3 preset files");
	return decodePreset(readWholeFile(path, "preset file"), classId, path);
}

void writeStateFile(const AtomicFile& file, const std::vector<std::uint8_t>& state, const ClassId& classId)
{
	if (!namesPresetFile(file.target()))
	{
		writeBytes(file, state.data(), state.size());
		return;
	}
	if (classId == ClassId{})
		throw ToolError("'" + file.target() +
			"': this face's state is not a VST 3 component state; save it under a name not ending in .vstpreset");
	const std::vector<std::uint8_t> preset = encodePreset(classId, state);
	writeBytes(file, preset.data(), preset.size());
}

} // namespace Veltrane
