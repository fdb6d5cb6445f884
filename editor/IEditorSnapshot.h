// A private interface of the module's editor view, reached through
// queryInterface on the IPlugView: draws the editor without any window into
// a PNG file. veltrane and the tests use it; hosts never see it.
#pragma once

#include "pluginterfaces/base/funknown.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class IEditorSnapshot : public FUnknown
{
public:
	// Opens the editor's views offscreen (unless it is open already), draws
	// them at their own size and writes the picture to path. kResultOk when
	// the file was written; the view is left as it was found.
	virtual tresult PLUGIN_API writePng(FIDString path) = 0;

	// Draws the template templateName (the file's first template when null
	// or empty) of another description file, by absolute path, with the
	// editor's controller and effect; its pictures still come from the
	// module's resources. kResultOk when the file was written, else one of:
	static constexpr tresult kDescriptionUnreadable = kInvalidArgument; // missing, or no description
	static constexpr tresult kNoSuchTemplate = kNotInitialized;
	static constexpr tresult kNotDrawn = kResultFalse;                  // the picture could not be written
	virtual tresult PLUGIN_API writeDescriptionPng(FIDString path, FIDString descriptionPath,
	                                               FIDString templateName) = 0;

	static const FUID iid;
};

// A new id for each change of the methods: a program never calls a method
// that an older module's face lacks.
DECLARE_CLASS_IID(IEditorSnapshot, 0x5C1E7A2D, 0x6B0F4E18, 0x9A3D21C4, 0x7E55B094)

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
