#include "DefaultBundle.h"

#include <filesystem>

namespace Veltrane {

namespace fs = std::filesystem;

std::string defaultBundlePath()
{
	const fs::path bundle = VELTRANE_BUNDLE_NAME;
	std::error_code error;
	const fs::path executable = fs::read_symlink("/proc/self/exe", error);
	if (!error)
	{
		const fs::path folder = executable.parent_path();
		for (const fs::path& candidate : {folder / bundle, folder.parent_path() / "lib" / "vst3" / bundle})
			if (fs::is_directory(candidate, error))
				return candidate.string();
	}
	return (fs::path("/usr/lib/vst3") / bundle).string();
}

} // namespace Veltrane
