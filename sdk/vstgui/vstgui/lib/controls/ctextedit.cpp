#include "ctextedit.h"
#include "../cdrawcontext.h"
#include "../cframe.h"

namespace VSTGUI {
namespace {

bool isContinuationByte(char c)
{
	return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

size_t previousCharacter(const std::string& s, size_t pos)
{
	while (pos > 0 && isContinuationByte(s[--pos]))
		;
	return pos;
}

size_t nextCharacter(const std::string& s, size_t pos)
{
	while (pos < s.size() && isContinuationByte(s[++pos]))
		;
	return std::min(pos, s.size());
}

std::string encodeUtf8(int32_t c)
{
	std::string out;
	if (c < 0x80)
		out += static_cast<char>(c);
	else if (c < 0x800)
	{
		out += static_cast<char>(0xC0 | (c >> 6));
		out += static_cast<char>(0x80 | (c & 0x3F));
	}
	else if (c < 0x10000)
	{
		out += static_cast<char>(0xE0 | (c >> 12));
		out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (c & 0x3F));
	}
	else if (c < 0x110000)
	{
		out += static_cast<char>(0xF0 | (c >> 18));
		out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
		out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (c & 0x3F));
	}
	return out;
}

} // namespace

CTextEdit::CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, UTF8StringPtr txt,
                     CBitmap* background, const int32_t style)
: CTextLabel(size, txt, background, style)
{
	this->listener = listener;
	this->tag = tag;
	setWantsFocus(true);
}

CTextEdit::CTextEdit(const CTextEdit& other) : CTextLabel(other), stringToValue(other.stringToValue) {}

void CTextEdit::setText(const UTF8String& txt)
{
	if (stringToValue)
	{
		float v = getValue();
		if (stringToValue(txt.data(), v, this))
		{
			CControl::setValue(v);
			std::string shown;
			if (convertValueToString(getValue(), shown))
			{
				CTextLabel::setText(shown);
				return;
			}
		}
	}
	CTextLabel::setText(txt);
}

void CTextEdit::setValue(float val)
{
	CTextLabel::setValue(val);
	std::string shown;
	if (convertValueToString(getValue(), shown))
		CTextLabel::setText(shown);
}

void CTextEdit::draw(CDrawContext* context)
{
	if (!editingText)
	{
		CTextLabel::draw(context);
		return;
	}
	drawBack(context);
	CRect rect(size);
	rect.inset(textInset.x, textInset.y);
	drawText(context, editText.c_str(), rect);
	// The cursor: a thin line after the text before it.
	context->setFont(fontID);
	const CCoord full = context->getStringWidth(editText.c_str());
	const CCoord before = context->getStringWidth(editText.substr(0, cursor).c_str());
	CCoord x = rect.left + before;
	if (horiTxtAlign == kCenterText)
		x += (rect.getWidth() - full) / 2.;
	else if (horiTxtAlign == kRightText)
		x = rect.right - full + before;
	const CCoord h = fontID ? fontID->getSize() : 12.;
	const CCoord mid = rect.top + rect.getHeight() / 2.;
	context->setFrameColor(fontColor);
	context->setLineWidth(1);
	context->setDrawMode(kAliasing);
	context->drawLine(CPoint(x, mid - h / 2.), CPoint(x, mid + h / 2.));
	setDirty(false);
}

CMouseEventResult CTextEdit::onMouseDown(CPoint&, const CButtonState& buttons)
{
	if (!buttons.isLeftButton())
		return kMouseEventNotHandled;
	if (auto* frame = getFrame())
		frame->setFocusView(this);
	else
		takeFocus();
	return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void CTextEdit::takeFocus()
{
	if (editingText)
		return;
	editingText = true;
	editText = text.getString();
	cursor = editText.size();
	// Keys reach an embedded window only once it asks for them.
	if (auto* frame = getFrame())
		if (auto* platform = frame->getPlatformFrame())
			platform->takeKeyboardFocus();
	invalid();
}

void CTextEdit::looseFocus()
{
	commit();
}

void CTextEdit::commit()
{
	if (!editingText)
		return;
	editingText = false;
	if (editText != text.getString())
	{
		beginEdit();
		setText(editText);
		valueChanged();
		endEdit();
	}
	invalid();
}

void CTextEdit::cancel()
{
	editingText = false;
	editText = text.getString();
	invalid();
}

int32_t CTextEdit::onKeyDown(VstKeyCode& keyCode)
{
	if (!editingText)
		return -1;
	auto releaseFocus = [this] {
		if (auto* frame = getFrame())
			if (frame->getFocusView() == this)
				frame->setFocusView(nullptr);
	};
	switch (keyCode.virt)
	{
		case VKEY_RETURN:
		case VKEY_ENTER:
		case VKEY_TAB:
			commit();
			releaseFocus();
			return 1;
		case VKEY_ESCAPE:
			cancel();
			releaseFocus();
			return 1;
		case VKEY_BACK:
			if (cursor > 0)
			{
				const size_t from = previousCharacter(editText, cursor);
				editText.erase(from, cursor - from);
				cursor = from;
			}
			break;
		case VKEY_DELETE:
			if (cursor < editText.size())
				editText.erase(cursor, nextCharacter(editText, cursor) - cursor);
			break;
		case VKEY_LEFT:
			cursor = previousCharacter(editText, cursor);
			break;
		case VKEY_RIGHT:
			cursor = nextCharacter(editText, cursor);
			break;
		case VKEY_HOME:
		case VKEY_UP:
			cursor = 0;
			break;
		case VKEY_END:
		case VKEY_DOWN:
			cursor = editText.size();
			break;
		case VKEY_SPACE:
			editText.insert(cursor, " ");
			++cursor;
			break;
		default:
		{
			// Printable characters only; shortcuts with Ctrl belong to the host.
			if (keyCode.character < 0x20 || keyCode.character == 0x7F ||
			    (keyCode.modifier & (MODIFIER_COMMAND | MODIFIER_CONTROL)))
				return -1;
			const std::string bytes = encodeUtf8(keyCode.character);
			editText.insert(cursor, bytes);
			cursor += bytes.size();
			break;
		}
	}
	invalid();
	return 1;
}

} // namespace VSTGUI
