#include "SharedDescription.h"

#include "vstgui/lib/cresourcedescription.h"
#include "vstgui/uidescription/uidescription.h"

#include <map>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

// By file path: a change of the resource folder reads the new file.
std::map<std::string, VSTGUI::SharedPointer<VSTGUI::UIDescription>>& kept()
{
	static std::map<std::string, VSTGUI::SharedPointer<VSTGUI::UIDescription>> descriptions;
	return descriptions;
}

} // namespace

VSTGUI::SharedPointer<VSTGUI::UIDescription> sharedDescription(const char* xmlFile)
{
	const std::string name = xmlFile ? xmlFile : "";
	const std::string path = VSTGUI::resourcePath(name);
	if (auto found = kept().find(path); found != kept().end())
		return found->second;
	auto description = VSTGUI::makeOwned<VSTGUI::UIDescription>(VSTGUI::CResourceDescription(name.c_str()));
	if (description->parse())
		kept().emplace(path, description);
	return description;
}

void releaseSharedDescriptions()
{
	kept().clear();
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
