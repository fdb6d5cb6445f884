#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/controls/cbuttons.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/uidescription/uidescription.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

using namespace VSTGUI;

namespace {

struct ExpectedView
{
	bool knob;
	int32_t tag;
	const char* bitmap;
	CRect size;
	CPoint pictureSize;
};

// The editor window's eleven views in file order; view 8's size text
// "84,,84" is no size, so that knob is empty at its origin.
const ExpectedView kViews[] = {
	{false, 8, "delaystate", {0, 0, 96, 48}, {96, 98}},
	{false, 9, "active", {405, 1, 485, 53}, {80, 104}},
	{true, 2, "cutk", {261, 68, 339, 146}, {78, 10530}},
	{true, 5, "offsetk", {143, 67, 223, 147}, {80, 10800}},
	{true, 4, "ratiok", {10, 56, 97, 143}, {87, 11745}},
	{true, 3, "resk", {387, 70, 463, 146}, {76, 10260}},
	{true, 0, "timek", {10, 172, 97, 259}, {87, 11745}},
	{true, 1, "fdbk", {160, 190, 160, 190}, {84, 11340}},
	{true, 1, "fdbk", {139, 173, 223, 257}, {84, 11340}},
	{true, 6, "wdk", {263, 174, 342, 253}, {79, 10665}},
	{true, 7, "gaink", {386, 175, 464, 253}, {78, 10530}},
};

} // namespace

TEST(PlinthDescription, BuildsTheEditorWindowWithItsElevenViews)
{
	std::string previousFolder = getResourceFolder();
	setResourceFolder(PLINTH_PICTURES_DIR);
	auto description = makeOwned<UIDescription>(CResourceDescription(PLINTH_UIDESC_DIR "/plinth.uidesc"));
	ASSERT_TRUE(description->parse());

	std::list<const std::string*> names;
	description->collectControlTagNames(names);
	EXPECT_EQ(names.size(), 49u);
	EXPECT_EQ(description->getTagForName("TAB_CTRL_31"), 65536 + 31);
	EXPECT_EQ(description->getTagForName("JOYSTICK_Y"), 32774);
	names.clear();
	description->collectBitmapNames(names);
	EXPECT_EQ(names.size(), 145u + 142u) << "145 pictures, 142 of them also at twice the size";
	ASSERT_NE(description->getViewAttributes("Off Screen View 1"), nullptr);

	auto editor = owned(description->createView("Editor", nullptr));
	ASSERT_NE(editor, nullptr);
	auto* window = editor->asViewContainer();
	ASSERT_NE(window, nullptr);
	EXPECT_EQ(window->getViewSize(), CRect(0, 0, 485, 270));
	ASSERT_NE(window->getBackground(), nullptr);
	EXPECT_EQ(window->getBackground()->getSize(), CPoint(485, 270));
	ASSERT_EQ(window->getNbViews(), 11u);

	for (uint32_t i = 0; i < 11; ++i)
	{
		const auto& expected = kViews[i];
		auto* control = dynamic_cast<CControl*>(window->getView(i));
		ASSERT_NE(control, nullptr) << "view " << i + 1;
		auto* knob = dynamic_cast<CAnimKnob*>(control);
		EXPECT_EQ(knob != nullptr, expected.knob) << "view " << i + 1;
		EXPECT_EQ(!expected.knob, dynamic_cast<COnOffButton*>(control) != nullptr) << "view " << i + 1;
		EXPECT_EQ(control->getTag(), expected.tag) << "view " << i + 1;
		EXPECT_EQ(control->getViewSize(), expected.size) << "view " << i + 1;
		ASSERT_NE(control->getBackground(), nullptr) << "view " << i + 1;
		EXPECT_STREQ(description->lookupBitmapName(control->getBackground()), expected.bitmap);
		EXPECT_EQ(control->getBackground()->getSize(), expected.pictureSize) << expected.bitmap;
		EXPECT_EQ(control->getDefaultValue(), expected.knob ? 0.5f : 0.f) << "view " << i + 1;
		if (knob)
		{
			EXPECT_EQ(knob->getNumSubPixmaps(), 135);
			EXPECT_EQ(knob->getHeightOfOneImage(), expected.pictureSize.x);
		}
	}
	setResourceFolder(previousFolder);
}
