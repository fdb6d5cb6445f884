#include "StateFile.h"

#include "ToolError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Veltrane {

std::vector<std::uint8_t> readStateFile(const std::string& path)
{
	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
	if (!file)
		throw ToolError("cannot open state file '" + path + "': " + std::strerror(errno));
	std::vector<std::uint8_t> bytes;
	std::uint8_t chunk[65536];
	size_t got = 0;
	while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0)
		bytes.insert(bytes.end(), chunk, chunk + got);
	if (std::ferror(file.get()))
		throw ToolError("cannot read state file '" + path + "': " + std::strerror(errno));
	return bytes;
}

} // namespace Veltrane
