#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cgradient.h"
#include "vstgui/lib/controls/cbuttons.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/controls/cxypad.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/uidescription/delegationcontroller.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uidescription.h"
#include "vstgui/uidescription/xmlparser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using namespace VSTGUI;

namespace {

const char* const kDescription = R"(<?xml version="1.0" encoding="UTF-8"?>
<vstgui-ui-description version="1">
  <fonts><font name="Big" font-name="Sans" size="18" bold="true"/></fonts>
  <colors><color name="kLight" rgba="#c8c8c8ff"/></colors>
  <gradients>
    <gradient name="ramp"><color-stop rgba="#000000ff" start="0"/><color-stop rgba="#ffffffff" start="1"/></gradient>
  </gradients>
  <bitmaps><bitmap name="missing" path="no-such-picture.png"/></bitmaps>
  <control-tags>
    <control-tag name="Gain" tag="3"/>
    <control-tag name="Program" tag="'prst'"/>
  </control-tags>
  <custom><attributes name="VST3Editor" zoom="1"/></custom>
  <template name="Editor" class="CViewContainer" size="200, 100" background-color="~ None" bitmap="missing">
    <view class="CAnimKnob" control-tag="Gain" origin="10 ,20" size="30 ,30" bitmap="missing" sub-pixmaps="135"
          height-of-one-image="30" angle-start="135" angle-range="270" min-value="0" max-value="1" custom-view-name=""/>
    <view class="CAnimKnob" control-tag="Gain" origin="160 ,190" size="84,,84"/>
    <view class="COnOffButton" control-tag="Nowhere" origin="0, 0" size="10, 10" bitmap="unknown"/>
    <view class="CTextLabel" custom-view-name="Special" origin="50, 50" size="40, 20" title="hello" font="Big"
          font-color="kLight"/>
    <view class="NoSuchClass" origin="1, 1" size="1, 1"/>
    <view class="CViewContainer" sub-controller="Pad" origin="0, 60" size="40, 40">
      <view class="CXYPad" control-tag="Gain" origin="0, 0" size="40, 40"/>
    </view>
  </template>
</vstgui-ui-description>)";

SharedPointer<UIDescription> parsed(const char* xml)
{
	Xml::MemoryContentProvider provider(xml, static_cast<int32_t>(std::strlen(xml)));
	auto description = makeOwned<UIDescription>(&provider);
	description->parse();
	return description;
}

struct SubController : DelegationController
{
	SubController(IController* parent, bool& alive) : DelegationController(parent), alive(alive) { alive = true; }
	~SubController() override { alive = false; }
	bool& alive;
};

// Answers a label for the custom view "Special" and nothing for other names.
struct RecordingController : IController
{
	void valueChanged(CControl*) override {}
	CView* createView(const UIAttributes& attributes, const IUIDescription*) override
	{
		customViewNames.push_back(*attributes.getAttributeValue(IUIDescription::kCustomViewName));
		return customViewNames.back() == "Special" ? new CTextLabel(CRect(0, 0, 1, 1)) : nullptr;
	}
	IController* createSubController(UTF8StringPtr name, const IUIDescription*) override
	{
		subControllerNames.push_back(name);
		return new SubController(this, subControllerAlive);
	}
	std::vector<std::string> customViewNames;
	std::vector<std::string> subControllerNames;
	bool subControllerAlive = false;
};

template <typename T>
T* child(CViewContainer* container, uint32_t index)
{
	return dynamic_cast<T*>(container->getView(index));
}

} // namespace

TEST(UIDescription, ResolvesNamedResourcesAndStockNames)
{
	auto description = parsed(kDescription);

	EXPECT_EQ(description->getTagForName("Gain"), 3);
	EXPECT_EQ(description->getTagForName("Program"), 0x70727374);
	EXPECT_EQ(description->getTagForName("Nowhere"), -1);

	CColor color;
	EXPECT_TRUE(description->getColor("kLight", color));
	EXPECT_EQ(color, CColor(0xc8, 0xc8, 0xc8, 0xff));
	EXPECT_TRUE(description->getColor("#10203040", color));
	EXPECT_EQ(color, CColor(0x10, 0x20, 0x30, 0x40));
	EXPECT_TRUE(description->getColor("~ WhiteCColor", color));
	EXPECT_EQ(color, kWhiteCColor);
	EXPECT_TRUE(description->getColor("~ None", color));
	EXPECT_EQ(color.alpha, 0);
	EXPECT_FALSE(description->getColor("#12345", color));

	auto* font = description->getFont("Big");
	ASSERT_NE(font, nullptr);
	EXPECT_EQ(font->getSize(), 18);
	EXPECT_EQ(font->getStyle() & kBoldFace, kBoldFace);
	ASSERT_NE(description->getGradient("ramp"), nullptr);
	EXPECT_EQ(description->getGradient("ramp")->getColorStops().size(), 2u);
	ASSERT_NE(description->getCustomAttributes("VST3Editor"), nullptr);
	EXPECT_TRUE(description->getCustomAttributes("VST3Editor")->hasAttribute("zoom"));

	// A picture that is not there still gives a bitmap: an empty one.
	auto* missing = description->getBitmap("missing");
	ASSERT_NE(missing, nullptr);
	EXPECT_EQ(missing->getWidth(), 0);
	EXPECT_EQ(description->getBitmap("unknown"), nullptr);
	EXPECT_STREQ(description->lookupBitmapName(missing), "missing");
}

TEST(UIDescription, BuildsATemplateThroughTheStockClassesAndTheController)
{
	auto description = parsed(kDescription);
	RecordingController controller;
	auto editor = owned(description->createView("Editor", &controller));
	ASSERT_NE(editor, nullptr);
	auto* root = editor->asViewContainer();
	ASSERT_NE(root, nullptr);
	EXPECT_EQ(root->getViewSize(), CRect(0, 0, 200, 100));
	EXPECT_EQ(root->getBackgroundColor().alpha, 0);
	ASSERT_EQ(root->getNbViews(), 5u) << "the view of an unknown class is left out";

	auto* knob = child<CAnimKnob>(root, 0);
	ASSERT_NE(knob, nullptr);
	EXPECT_EQ(knob->getViewSize(), CRect(10, 20, 40, 50));
	EXPECT_EQ(knob->getTag(), 3);
	EXPECT_EQ(knob->getListener(), &controller);
	EXPECT_EQ(knob->getBackground(), description->getBitmap("missing"));
	EXPECT_EQ(knob->getNumSubPixmaps(), 135);
	EXPECT_EQ(knob->getHeightOfOneImage(), 30);
	EXPECT_NEAR(knob->getStartAngle(), 0.75 * M_PI, 1e-6);
	EXPECT_NEAR(knob->getRangeAngle(), 1.5 * M_PI, 1e-6);

	auto* unsized = child<CAnimKnob>(root, 1);
	ASSERT_NE(unsized, nullptr);
	EXPECT_EQ(unsized->getViewSize(), CRect(160, 190, 160, 190)) << "\"84,,84\" is not a size";
	EXPECT_EQ(unsized->getTag(), 3);

	auto* button = child<COnOffButton>(root, 2);
	ASSERT_NE(button, nullptr);
	EXPECT_EQ(button->getTag(), -1) << "an unknown tag name binds nothing";
	EXPECT_EQ(button->getBackground(), nullptr);

	auto* label = child<CTextLabel>(root, 3);
	ASSERT_NE(label, nullptr);
	EXPECT_EQ(label->getViewSize(), CRect(50, 50, 90, 70)) << "the class's attributes reach the custom view";
	EXPECT_EQ(label->getText(), "hello");
	EXPECT_EQ(label->getFont(), description->getFont("Big"));
	EXPECT_EQ(controller.customViewNames, (std::vector<std::string>{"", "Special"}));

	auto* group = child<CViewContainer>(root, 4);
	ASSERT_NE(group, nullptr);
	EXPECT_EQ(controller.subControllerNames, std::vector<std::string>{"Pad"});
	auto* subController = getViewController(group);
	ASSERT_NE(subController, nullptr);
	auto* pad = child<CXYPad>(group, 0);
	ASSERT_NE(pad, nullptr);
	EXPECT_EQ(pad->getListener(), &controller) << "a sub-controller hands out its parent's listener";

	releaseSubControllers(editor);
	EXPECT_FALSE(controller.subControllerAlive);
	EXPECT_EQ(getViewController(group), nullptr);
}

TEST(UIDescription, RefusesWhatIsNotADescription)
{
	for (auto* text : {"", "<vstgui-ui-description", "<other-root/>"})
	{
		auto description = parsed(text);
		EXPECT_EQ(description->createView("Editor", nullptr), nullptr) << text;
		EXPECT_EQ(description->getTagForName("Gain"), -1);
	}
	UIDescription absent(CResourceDescription("/no/such/folder/editor.uidesc"));
	EXPECT_FALSE(absent.parse());
	EXPECT_EQ(parsed(kDescription)->createView("Other", nullptr), nullptr);
}
