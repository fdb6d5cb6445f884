#include "host/BundlePath.h"

#include "host/HostError.h"

#include <filesystem>

namespace VeltraneHost {

namespace fs = std::filesystem;

const char* bundleArchitectureFolder()
{
#if defined(__x86_64__)
	return "x86_64-linux";
#elif defined(__aarch64__)
	return "aarch64-linux";
#elif defined(__i386__)
	return "i386-linux";
#else
#error "unknown architecture for the VST 3 bundle layout"
#endif
}

std::string resolveModuleBinary(const std::string& path)
{
	std::error_code error;
	const fs::path given(path);
	const fs::file_status status = fs::status(given, error);
	if (error || !fs::exists(status))
		throw HostError("no such file or folder: " + path);
	if (!fs::is_directory(status))
		return path;

	// A trailing slash leaves an empty file name; the folder is its parent.
	fs::path folder = given.lexically_normal();
	if (folder.filename().empty())
		folder = folder.parent_path();
	if (folder.extension() != ".vst3")
		throw HostError("not a .vst3 bundle folder: " + path);
	const fs::path binary = folder / "Contents" / bundleArchitectureFolder() / (folder.stem().string() + ".so");
	if (!fs::is_regular_file(binary, error))
		throw HostError("bundle " + path + " has no binary at " + binary.string());
	return binary.string();
}

} // namespace VeltraneHost
