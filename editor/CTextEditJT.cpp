#include "CTextEditJT.h"

using namespace VSTGUI;

CTextEditJT::CTextEditJT(const CRect& size, IControlListener* listener, int32_t tag, UTF8StringPtr txt,
                         CBitmap* background, const int32_t style)
: CTextEdit(size, listener, tag, txt, background, style)
{
}

CTextEditJT::CTextEditJT(const CTextEditJT& other) : CTextEdit(other) {}

CTextEditJT::~CTextEditJT() noexcept = default;

CBaseObject* CTextEditJT::newCopy() const
{
	return new CTextEditJT(*this);
}

void CTextEditJT::setTextWithUnits(const UTF8String& txt)
{
	CTextEdit::setText(txt);
	if (!units.empty())
		CTextEdit::setText(getText().getString() + " " + units);
}
