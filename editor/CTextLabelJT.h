// A text label that also knows the units of the control it shows, so a
// description can put "Hz" or "mSec" after a value.
#pragma once

#include "vstgui/lib/controls/ctextlabel.h"

#include <string>

namespace VSTGUI {

class CTextLabelJT : public CTextLabel
{
public:
	CTextLabelJT(const CRect& size, UTF8StringPtr txt = nullptr, CBitmap* background = nullptr,
	             const int32_t style = 0);
	CTextLabelJT(const CTextLabelJT&) = default;
	~CTextLabelJT() noexcept override;

	// A copy keeps the units.
	CBaseObject* newCopy() const override;
	const UTF8String& getText() const override;

	// The text, followed by a blank and the units when there are any.
	virtual void setTextWithUnits(const UTF8String& txt);

	std::string units;
};

} // namespace VSTGUI
