#include "cresourcedescription.h"

namespace VSTGUI {
namespace {

std::string& folderStorage()
{
	static std::string folder;
	return folder;
}

} // namespace

void setResourceFolder(const std::string& folder)
{
	folderStorage() = folder;
}

const std::string& getResourceFolder()
{
	return folderStorage();
}

std::string resourcePath(const std::string& name)
{
	const auto& folder = getResourceFolder();
	if (name.empty() || name.front() == '/' || folder.empty())
		return name;
	return folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace VSTGUI
