#include "FileIdentity.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace Veltrane {

namespace {

// The canonical path of an existing file, or of a missing file's existing
// folder followed by its name; the text itself when neither resolves.
std::string canonicalPath(const std::string& path)
{
	char resolved[PATH_MAX];
	if (::realpath(path.c_str(), resolved))
		return resolved;
	const size_t slash = path.rfind('/');
	const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
	const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
	if (::realpath(folder.c_str(), resolved))
		return std::string(resolved) + "/" + name;
	return path;
}

} // namespace

bool sameFile(const std::string& a, const std::string& b)
{
	struct stat first{};
	struct stat second{};
	if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
		return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
	return canonicalPath(a) == canonicalPath(b);
}

} // namespace Veltrane
