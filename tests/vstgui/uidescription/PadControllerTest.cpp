#include "EditorTestController.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cxypad.h"

#include <gtest/gtest.h>

using namespace EditorTest;
using namespace VSTGUI;

namespace {

const char* const kDescription = R"(<vstgui-ui-description version="1">
  <template name="Editor" class="CViewContainer" size="100, 100">
    <view class="CViewContainer" sub-controller="Pad" origin="0, 0" size="100, 100">
      <view class="CXYPad" origin="0, 0" size="100, 100"/>
    </view>
  </template>
</vstgui-ui-description>)";

} // namespace

TEST(PadController, APadDrivesTwoParametersAndFollowsThem)
{
	auto* controller = new TestController;
	auto* editor = new VST3Editor(parsedDescription(kDescription), controller, "Editor");
	ASSERT_TRUE(editor->open(nullptr));
	auto* group = editor->getFrame()->getView(0)->asViewContainer()->getView(0)->asViewContainer();
	auto* pad = dynamic_cast<CXYPad*>(group->getView(0));
	ASSERT_NE(pad, nullptr);
	ASSERT_TRUE(controller->padControllerAlive);
	EXPECT_EQ(pad->getListener(), getViewController(group));

	controller->setParamNormalized(kPadX, 0.25);
	controller->setParamNormalized(kPadY, 0.75);
	EXPECT_FLOAT_EQ(pad->getValue(), CXYPad::calculateValue(0.25f, 0.75f));

	pad->beginEdit();
	pad->setValue(CXYPad::calculateValue(0.5f, 0.2f));
	pad->valueChanged();
	pad->endEdit();
	ASSERT_EQ(controller->handler.calls.size(), 6u);
	EXPECT_EQ(controller->handler.calls[0], "begin 5");
	EXPECT_EQ(controller->handler.calls[1], "begin 6");
	EXPECT_EQ(controller->handler.calls[2], "perform 5 0.5");
	EXPECT_EQ(controller->handler.calls[3].substr(0, 12), "perform 6 0.");
	EXPECT_NEAR(controller->getParamNormalized(kPadY), 0.2, 1e-6);
	EXPECT_EQ(controller->handler.calls[5], "end 6");

	editor->close();
	EXPECT_FALSE(controller->padControllerAlive) << "the editor releases the sub-controller with its view";
	editor->release();
	controller->release();
}
