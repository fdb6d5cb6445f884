// A font description: family name, pixel size and face flags. Text is drawn
// with cairo's font selection, so any installed family (or its fontconfig
// substitute) serves.
#pragma once

#include "cstring.h"

namespace VSTGUI {

enum CTxtFace : int32_t
{
	kNormalFace = 0,
	kBoldFace = 1 << 1,
	kItalicFace = 1 << 2,
	kUnderlineFace = 1 << 3,
	kStrikethroughFace = 1 << 4
};

class CFontDesc : public CBaseObject
{
public:
	CFontDesc(const UTF8String& name = "", const CCoord& size = 0, const int32_t style = 0)
	: name(name), size(size), style(style)
	{
	}
	CFontDesc(const CFontDesc&) = default;

	const UTF8String& getName() const { return name; }
	const CCoord& getSize() const { return size; }
	const int32_t& getStyle() const { return style; }
	virtual void setName(const UTF8String& newName) { name = newName; }
	virtual void setSize(CCoord newSize) { size = newSize; }
	virtual void setStyle(int32_t newStyle) { style = newStyle; }

	bool operator==(const CFontDesc& o) const { return name == o.name && size == o.size && style == o.style; }
	bool operator!=(const CFontDesc& o) const { return !(*this == o); }

	CLASS_METHODS(CFontDesc, CBaseObject)

private:
	UTF8String name;
	CCoord size;
	int32_t style;
};

using CFontRef = CFontDesc*;

// The stock fonts; they live as long as the process.
extern const CFontRef kSystemFont;
extern const CFontRef kNormalFontVeryBig;
extern const CFontRef kNormalFontBig;
extern const CFontRef kNormalFont;
extern const CFontRef kNormalFontSmall;
extern const CFontRef kNormalFontSmaller;
extern const CFontRef kNormalFontVerySmall;
extern const CFontRef kSymbolFont;

} // namespace VSTGUI
