// How the custom view factory reads a description entry's attributes: whole
// numbers as the C library's atoi, points from the text before and after the
// first comma, pictures by file name from the resource folder (not through
// the description's bitmap table), tags and listeners through the description.
#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/crect.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace VSTGUI {
class IControlListener;
class IUIDescription;
class UIAttributes;
} // namespace VSTGUI

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// The whole number at the start of text, as atoi reads it, held to the
// int32 range; 0 when there is none.
int32_t leadingInteger(const char* text);
// value held to the int32 range.
int32_t clampedToInt32(int64_t value);
// The number at the start of text, as atof reads it; 0 when there is none.
double leadingNumber(const char* text);

class ViewAttributeReader
{
public:
	// The description may be null: tags are then -1, listeners null and
	// colours stay white.
	ViewAttributeReader(const VSTGUI::UIAttributes& attributes, const VSTGUI::IUIDescription* description);

	bool has(const char* name) const;
	bool hasAll(std::initializer_list<const char*> names) const;
	// Empty when absent.
	const std::string& text(const char* name) const;

	// (0, 0) for a text without a comma.
	VSTGUI::CPoint point(const char* name) const;
	// From "origin" and "size".
	VSTGUI::CRect rect() const;
	int32_t integer(const char* name) const;
	// True exactly for "true".
	bool flag(const char* name) const;
	// Opaque white unless the description resolves the value.
	VSTGUI::CColor colour(const char* name) const;
	// The picture file "<value>.png"; one that cannot be read draws nothing.
	VSTGUI::SharedPointer<VSTGUI::CBitmap> bitmap(const char* name) const;
	int32_t tag(const char* name) const;
	VSTGUI::IControlListener* listener(const char* name) const;

private:
	const VSTGUI::UIAttributes& attributes;
	const VSTGUI::IUIDescription* description;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
