// What views and their creators may ask of a user-interface description.
#pragma once

#include "../lib/vstguibase.h"

#include <cstdint>

namespace VSTGUI {

class CBitmap;
class CFontDesc;
class CGradient;
class CView;
class IControlListener;
class IController;
class UIAttributes;
struct CColor;

class IUIDescription
{
public:
	virtual ~IUIDescription() noexcept = default;

	// Builds a template; the caller owns the answer (one reference), null if
	// there is no template of that name.
	virtual CView* createView(UTF8StringPtr name, IController* controller) const = 0;

	// Resources by name; null or false when the name is not known.
	virtual CBitmap* getBitmap(UTF8StringPtr name) const = 0;
	virtual CFontDesc* getFont(UTF8StringPtr name) const = 0;
	virtual bool getColor(UTF8StringPtr name, CColor& color) const = 0;
	virtual CGradient* getGradient(UTF8StringPtr name) const = 0;
	// -1 when the name is in no control-tag entry (and the controller adds none).
	virtual int32_t getTagForName(UTF8StringPtr name) const = 0;
	virtual IControlListener* getControlListener(UTF8StringPtr name) const = 0;
	virtual IController* getController() const = 0;

	virtual const UIAttributes* getViewAttributes(UTF8StringPtr name) const = 0;
	virtual const UIAttributes* getCustomAttributes(UTF8StringPtr name) const = 0;

	virtual UTF8StringPtr lookupColorName(const CColor& color) const = 0;
	virtual UTF8StringPtr lookupBitmapName(const CBitmap* bitmap) const = 0;
	virtual UTF8StringPtr lookupControlTagName(int32_t tag) const = 0;

	// The attribute that names a custom view.
	static constexpr IdStringPtr kCustomViewName = "custom-view-name";
};

} // namespace VSTGUI
