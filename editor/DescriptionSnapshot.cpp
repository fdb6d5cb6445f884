// The snapshot of another description: for people who design their own
// layouts with the module's views and pictures.
#include "VST3EditorJT.h"

#include "vstgui/uidescription/uidescription.h"

#include <list>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

tresult VST3EditorJT::writeDescriptionSnapshot(FIDString path, FIDString descriptionPath, FIDString templateName)
{
	if (!path || !descriptionPath || *descriptionPath != '/')
		return kInvalidArgument;
	auto other = VSTGUI::makeOwned<VSTGUI::UIDescription>(VSTGUI::CResourceDescription(descriptionPath));
	if (!other->parse())
		return IEditorSnapshot::kDescriptionUnreadable;
	std::string name = templateName ? templateName : "";
	if (name.empty())
	{
		std::list<const std::string*> names;
		other->collectTemplateViewNames(names);
		if (!names.empty() && names.front())
			name = *names.front();
	}
	if (name.empty() || !other->getViewAttributes(name.c_str()))
		return IEditorSnapshot::kNoSuchTemplate;

	auto* editor = new VST3EditorJT(other.get(), getController(), name.c_str());
	editor->knobMode = knobMode;
	editor->attachEffect(effect);
	const tresult result = editor->writeSnapshot(path);
	editor->release();
	return result == kResultOk ? kResultOk : IEditorSnapshot::kNotDrawn;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
