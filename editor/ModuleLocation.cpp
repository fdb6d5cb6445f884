#include "ModuleLocation.h"

#include "vstgui/lib/cresourcedescription.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// Any address inside this binary will do for dladdr.
bool findSelf(Dl_info& info)
{
	return dladdr(reinterpret_cast<void*>(&moduleInstanceHandle), &info) != 0;
}

std::string parentFolder(const std::string& path)
{
	const std::string::size_type slash = path.find_last_of('/');
	if (slash == std::string::npos)
		return ".";
	return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string moduleBinaryPath()
{
	Dl_info info{};
	if (!findSelf(info) || !info.dli_fname)
		return {};
	const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(info.dli_fname, nullptr), &std::free);
	return resolved ? std::string(resolved.get()) : std::string(info.dli_fname);
}

void* moduleInstanceHandle()
{
	Dl_info info{};
	return findSelf(info) ? info.dli_fbase : nullptr;
}

std::string bundleResourceFolder(const std::string& binaryPath)
{
	const std::string architectureFolder = parentFolder(binaryPath); // Contents/<arch>
	return parentFolder(architectureFolder) + "/Resources";
}

void useBundleResources()
{
	if (!VSTGUI::getResourceFolder().empty())
		return;
	const std::string binary = moduleBinaryPath();
	if (!binary.empty())
		VSTGUI::setResourceFolder(bundleResourceFolder(binary));
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
