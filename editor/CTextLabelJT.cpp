#include "CTextLabelJT.h"

namespace VSTGUI {

CTextLabelJT::CTextLabelJT(const CRect& size, UTF8StringPtr txt, CBitmap* background, const int32_t style)
: CTextLabel(size, txt, background, style)
{
}

CTextLabelJT::~CTextLabelJT() noexcept = default;

CBaseObject* CTextLabelJT::newCopy() const
{
	return new CTextLabelJT(*this);
}

const UTF8String& CTextLabelJT::getText() const
{
	return CTextLabel::getText();
}

void CTextLabelJT::setTextWithUnits(const UTF8String& txt)
{
	CTextLabel::setText(txt);
	if (!units.empty())
		CTextLabel::setText(getText().getString() + " " + units);
}

} // namespace VSTGUI
