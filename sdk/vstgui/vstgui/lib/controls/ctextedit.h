// A text label the user can type into. A click takes the keyboard focus;
// the view edits the text itself: characters insert at the cursor, Backspace
// and Delete erase, Left/Right/Home/End move, Return (or losing the focus)
// commits — the text goes through the string-to-value function, the value
// changes inside a beginEdit/endEdit bracket — and Escape restores the text.
#pragma once

#include "ctextlabel.h"

#include <functional>

namespace VSTGUI {

class CTextEdit : public CTextLabel
{
public:
	CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, UTF8StringPtr txt = nullptr,
	          CBitmap* background = nullptr, const int32_t style = 0);
	CTextEdit(const CTextEdit& other);

	// Turns typed text into a value; false keeps the value.
	using StringToValueFunction = std::function<bool(UTF8StringPtr txt, float& result, CTextEdit* textEdit)>;
	void setStringToValueFunction(const StringToValueFunction& f) { stringToValue = f; }

	// Sets the text; with a string-to-value function also the value, and the
	// text becomes the value's text when a value-to-string function gives one.
	void setText(const UTF8String& txt) override;
	// The value's text replaces the text when a value-to-string function gives one.
	void setValue(float val) override;

	bool isEditingText() const { return editingText; }
	// The text being typed and the cursor position in it (bytes).
	const std::string& getEditText() const { return editText; }
	size_t getCursorPosition() const { return cursor; }

	void draw(CDrawContext* context) override;
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
	int32_t onKeyDown(VstKeyCode& keyCode) override;
	void takeFocus() override;
	void looseFocus() override;

	CLASS_METHODS(CTextEdit, CTextLabel)

protected:
	void commit();
	void cancel();

	StringToValueFunction stringToValue;

private:
	std::string editText;
	size_t cursor = 0;
	bool editingText = false;
};

} // namespace VSTGUI
