#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace VSTGUI;
using namespace VSTGUI::Test;

namespace {

VstKeyCode key(unsigned char virt)
{
	VstKeyCode k;
	k.virt = virt;
	return k;
}

VstKeyCode character(char c)
{
	VstKeyCode k;
	k.character = c;
	return k;
}

class TextEditing : public ::testing::Test
{
protected:
	TextEditing()
	{
		edit = new CTextEdit(CRect(10, 10, 90, 30), &listener, 4);
		edit->setMax(100.f);
		edit->setStringToValueFunction([](UTF8StringPtr txt, float& result, CTextEdit*) {
			char* end = nullptr;
			result = std::strtof(txt, &end);
			return end != txt;
		});
		edit->setValueToStringFunction2([](float value, std::string& result, CParamDisplay*) {
			char text[32];
			std::snprintf(text, sizeof(text), "%.1f", value);
			result = text;
			return true;
		});
		edit->setValue(1.f);
		frame->addView(edit);
	}
	void type(std::initializer_list<VstKeyCode> keys)
	{
		for (auto k : keys)
			frame->onKeyDown(k);
	}

	RecordingListener listener;
	OffscreenFrame frame{CRect(0, 0, 100, 100)};
	CTextEdit* edit;
};

} // namespace

TEST_F(TextEditing, KeysEditTheTextAndReturnCommitsItAsTheValue)
{
	EXPECT_EQ(edit->getText(), "1.0");
	mouseDown(frame.frame, {20, 20});
	EXPECT_EQ(frame->getFocusView(), edit);
	EXPECT_TRUE(edit->isEditingText());

	type({key(VKEY_BACK), key(VKEY_BACK), key(VKEY_BACK), character('2'), character('.'), character('5')});
	type({key(VKEY_HOME), character('1'), key(VKEY_END), key(VKEY_BACK)});
	type({key(VKEY_LEFT), key(VKEY_LEFT), key(VKEY_DELETE), key(VKEY_RIGHT)});
	EXPECT_EQ(edit->getEditText(), "1.");
	EXPECT_EQ(edit->getCursorPosition(), 2u);
	EXPECT_TRUE(listener.log.empty()); // nothing is reported while typing

	type({character('7'), key(VKEY_RETURN)});
	EXPECT_FLOAT_EQ(edit->getValue(), 1.7f);
	EXPECT_EQ(edit->getText(), "1.7");
	EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "changed", "end"}));
	EXPECT_EQ(frame->getFocusView(), nullptr);
	EXPECT_FALSE(edit->isEditingText());
}

TEST_F(TextEditing, EscapeRestoresAndAClickElsewhereCommits)
{
	mouseDown(frame.frame, {20, 20});
	type({character('9'), key(VKEY_ESCAPE)});
	EXPECT_EQ(edit->getText(), "1.0");
	EXPECT_TRUE(listener.log.empty());

	mouseDown(frame.frame, {20, 20});
	type({key(VKEY_BACK), key(VKEY_BACK), key(VKEY_BACK), character('4')});
	mouseDown(frame.frame, {50, 80}); // outside the edit
	EXPECT_FLOAT_EQ(edit->getValue(), 4.f);
	EXPECT_EQ(edit->getText(), "4.0");
	EXPECT_EQ(frame->getFocusView(), nullptr);

	// Keys with nobody focused go nowhere.
	VstKeyCode k = character('x');
	EXPECT_EQ(frame->onKeyDown(k), -1);
}
