// A CParamDisplay that shows a text of its own instead of its value.
#pragma once

#include "cparamdisplay.h"

namespace VSTGUI {

class CTextLabel : public CParamDisplay
{
public:
	CTextLabel(const CRect& size, UTF8StringPtr txt = nullptr, CBitmap* background = nullptr,
	           const int32_t style = 0);
	CTextLabel(const CTextLabel&) = default;

	virtual void setText(const UTF8String& txt);
	virtual const UTF8String& getText() const { return text; }

	void draw(CDrawContext* context) override;
	bool sizeToFit() override;

	CLASS_METHODS(CTextLabel, CParamDisplay)

protected:
	UTF8String text;
};

} // namespace VSTGUI
