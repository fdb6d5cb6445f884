// A text edit that also knows the units of the control it edits. Unlike the
// label, a copy starts without units: they belong to the view the factory
// made for one control.
#pragma once

#include "vstgui/lib/controls/ctextedit.h"

#include <string>

class CTextEditJT : public VSTGUI::CTextEdit
{
public:
	CTextEditJT(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, int32_t tag,
	            VSTGUI::UTF8StringPtr txt = nullptr, VSTGUI::CBitmap* background = nullptr, const int32_t style = 0);
	CTextEditJT(const CTextEditJT& other);
	~CTextEditJT() noexcept override;

	VSTGUI::CBaseObject* newCopy() const override;

	// The text, followed by a blank and the units when there are any.
	virtual void setTextWithUnits(const VSTGUI::UTF8String& txt);

	std::string units;
};
