#include "EditorTestController.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cbuttons.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/ctextedit.h"
#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/uidescription/uidescription.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <gtest/gtest.h>

using namespace EditorTest;
using namespace VSTGUI;

namespace {

const char* const kDescription = R"(<vstgui-ui-description version="1">
  <control-tags>
    <control-tag name="Delay" tag="0"/>
    <control-tag name="Feedback" tag="1"/>
    <control-tag name="Delay State" tag="8"/>
    <control-tag name="Loose" tag="77"/>
  </control-tags>
  <template name="Editor" class="CViewContainer" size="485, 270" minSize="485, 270" maxSize="485, 270">
    <view class="CAnimKnob" control-tag="Feedback" origin="160 ,190" size="84,,84" custom-view-name=""/>
    <view class="CAnimKnob" control-tag="Feedback" origin="139 ,173" size="84 ,84" custom-view-name=""/>
    <view class="COnOffButton" control-tag="Delay State" origin="0, 0" size="96, 48"/>
    <view class="CTextEdit" control-tag="Delay" origin="300, 0" size="60, 20"/>
    <view class="CAnimKnob" control-tag="Loose" origin="0, 100" size="20, 20"/>
    <view class="CAnimKnob" control-tag="Loose" origin="30, 100" size="20, 20"/>
  </template>
  <template name="Small" class="CViewContainer" size="100, 50">
    <view class="CAnimKnob" control-tag="Feedback" origin="0, 0" size="20, 20"/>
  </template>
</vstgui-ui-description>)";

class VST3EditorTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		editor = new VST3Editor(parsedDescription(kDescription), controller, "Editor");
		ASSERT_TRUE(editor->open(nullptr)) << "offscreen";
		frame = editor->getFrame();
		root = frame->getView(0)->asViewContainer();
	}
	void TearDown() override
	{
		editor->close();
		editor->release();
		controller->release();
	}
	template <typename T>
	T* view(uint32_t index) const
	{
		return dynamic_cast<T*>(root->getView(index));
	}
	// What a mouse gesture does to a control.
	static void userEdit(CControl* control, float value)
	{
		control->beginEdit();
		control->setValue(value);
		control->valueChanged();
		control->endEdit();
	}

	TestController* controller = new TestController;
	VST3Editor* editor = nullptr;
	CFrame* frame = nullptr;
	CViewContainer* root = nullptr;
};

} // namespace

TEST_F(VST3EditorTest, OpensAtTheTemplateSizeAndClosesWithoutKeepingViews)
{
	ViewRect size;
	editor->getSize(&size);
	EXPECT_EQ(size.getWidth(), 485);
	EXPECT_EQ(size.getHeight(), 270);
	EXPECT_EQ(editor->canResize(), kResultFalse);
	EXPECT_EQ(controller->opened, 1);
	EXPECT_EQ(controller->customViewNames, (std::vector<std::string>{"", ""}));
	ASSERT_NE(root, nullptr);
	EXPECT_EQ(root->getNbViews(), 6u);

	SharedPointer<CView> knob(root->getView(1));
	editor->close();
	EXPECT_EQ(controller->closed, 1);
	EXPECT_EQ(editor->getFrame(), nullptr);
	EXPECT_EQ(knob->getNbReference(), 1) << "nothing but this test holds the closed window's knob";
	EXPECT_TRUE(editor->open(nullptr)) << "and it opens again";
}

TEST_F(VST3EditorTest, AKnobEditReachesTheHostAndMovesTheOtherKnobOfItsParameter)
{
	auto* hidden = view<CAnimKnob>(0);
	auto* visible = view<CAnimKnob>(1);
	ASSERT_TRUE(hidden && visible);
	EXPECT_FLOAT_EQ(visible->getValue(), 0.5f) << "shows the parameter on opening";

	userEdit(visible, 0.75f);
	EXPECT_EQ(controller->handler.calls, (std::vector<std::string>{"begin 1", "perform 1 0.75", "end 1"}));
	EXPECT_DOUBLE_EQ(controller->getParamNormalized(kFeedback), 0.75);
	EXPECT_FLOAT_EQ(hidden->getValue(), 0.75f);

	// Automation, presets and state loads set the parameter: the knobs follow at once.
	controller->setParamNormalized(kFeedback, 0.25);
	EXPECT_FLOAT_EQ(visible->getValue(), 0.25f);
	EXPECT_FLOAT_EQ(hidden->getValue(), 0.25f);

	// A tag without a parameter keeps its controls together and tells the host nothing.
	controller->handler.calls.clear();
	userEdit(view<CAnimKnob>(4), 0.3f);
	EXPECT_FLOAT_EQ(view<CAnimKnob>(5)->getValue(), 0.3f);
	EXPECT_TRUE(controller->handler.calls.empty());
}

TEST_F(VST3EditorTest, SteppedParametersAndTextEditsGoThroughTheParameter)
{
	auto* button = view<COnOffButton>(2);
	ASSERT_NE(button, nullptr);
	controller->setParamNormalized(kDelayState, 1.);
	EXPECT_EQ(button->getMax(), 1.f);
	EXPECT_EQ(button->getValue(), 1.f);
	userEdit(button, 0.f);
	EXPECT_EQ(controller->handler.calls.at(1), "perform 8 0");

	auto* edit = view<CTextEdit>(3);
	ASSERT_NE(edit, nullptr);
	edit->setText("0.4");
	editor->valueChanged(edit);
	EXPECT_DOUBLE_EQ(controller->getParamNormalized(kDelay), 0.4);

	// Text the parameter cannot read: the edit shows the parameter again.
	controller->handler.calls.clear();
	edit->setText("loud");
	editor->valueChanged(edit);
	EXPECT_TRUE(controller->handler.calls.empty());
	String128 expected;
	controller->getParamStringByValue(kDelay, 0.4, expected);
	EXPECT_EQ(edit->getText().getString(), VST3::StringConvert::convert(expected));
}

TEST_F(VST3EditorTest, KnobModeFollowsTheHost)
{
	const std::pair<KnobMode, int32_t> modes[] = {{Vst::kLinearMode, VSTGUI::kLinearMode},
		{Vst::kRelativCircularMode, VSTGUI::kRelativCircularMode}, {7, VSTGUI::kCircularMode},
		{Vst::kCircularMode, VSTGUI::kCircularMode}};
	for (auto [host, expected] : modes)
	{
		controller->setKnobMode(host);
		EXPECT_EQ(editor->getKnobMode(), expected) << host;
	}
}

TEST_F(VST3EditorTest, AnExchangedTemplateIsBuiltOnTheNextTimerTick)
{
	EXPECT_FALSE(editor->exchangeView("No Such Template"));
	SharedPointer<CView> oldKnob(root->getView(1));
	ASSERT_TRUE(editor->exchangeView("Small"));
	EXPECT_EQ(frame->getView(0), root) << "nothing changes before the tick";

	editor->notify(nullptr, CVSTGUITimer::kMsgTimer);
	auto* small = frame->getView(0)->asViewContainer();
	ASSERT_EQ(small->getViewSize(), CRect(0, 0, 100, 50));
	EXPECT_EQ(oldKnob->getNbReference(), 1) << "the old window's controls are let go";
	auto* knob = dynamic_cast<CAnimKnob*>(small->getView(0));
	ASSERT_NE(knob, nullptr);
	controller->setParamNormalized(kFeedback, 0.9);
	EXPECT_FLOAT_EQ(knob->getValue(), 0.9f);
	ViewRect size;
	editor->getSize(&size);
	EXPECT_EQ(size.getWidth(), 100);
}

TEST_F(VST3EditorTest, ContentScaleZoomsTheFrameAndFindsParametersUnderScaledPositions)
{
	EXPECT_EQ(editor->setContentScaleFactor(0.f), kResultFalse);
	ASSERT_EQ(editor->setContentScaleFactor(2.f), kResultTrue);
	ViewRect size;
	editor->getSize(&size);
	EXPECT_EQ(size.getWidth(), 970);
	EXPECT_EQ(size.getHeight(), 540);
	EXPECT_EQ(frame->getZoom(), 2.);
	EXPECT_EQ(frame->getWidth(), 485) << "the frame keeps its own units";

	ParamID found = 0;
	EXPECT_EQ(editor->findParameter(2 * 150, 2 * 200, found), kResultTrue);
	EXPECT_EQ(found, kFeedback);
	EXPECT_EQ(editor->findParameter(2 * 10, 2 * 10, found), kResultTrue);
	EXPECT_EQ(found, kDelayState);
	EXPECT_EQ(editor->findParameter(2 * 300, 2 * 250, found), kResultFalse);
	EXPECT_EQ(editor->findParameter(2 * 10, 2 * 105, found), kResultFalse) << "a tag without a parameter";
}
