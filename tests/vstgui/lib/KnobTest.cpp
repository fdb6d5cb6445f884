#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::Test;

TEST(AnimKnob, ShowsImageOfNormalizedValueTimesImagesMinusOne)
{
	auto knob = makeOwned<CAnimKnob>(CRect(0, 0, 78, 78), nullptr, 2, 135, 78., nullptr);
	const std::pair<float, int32_t> expected[] = {{0.f, 0}, {1.f, 134}, {0.5f, 67}, {0.999f, 133}};
	for (auto [value, image] : expected)
	{
		knob->setValueNormalized(value);
		EXPECT_EQ(knob->getFrameIndex(), image) << value;
	}
	knob->setInverseBitmap(true);
	knob->setValueNormalized(1.f);
	EXPECT_EQ(knob->getFrameIndex(), 0);
}

class KnobDrag : public ::testing::Test
{
protected:
	KnobDrag()
	{
		knob = new CAnimKnob(CRect(50, 50, 150, 150), &listener, 7, 135, 100., nullptr);
		knob->setValue(0.5f);
		frame->addView(knob);
	}
	float dragFrom(CPoint from, std::initializer_list<CPoint> path, int32_t buttons = kLButton)
	{
		mouseDown(frame.frame, from, buttons);
		for (auto p : path)
			mouseMoved(frame.frame, p, buttons);
		mouseUp(frame.frame, path.size() ? *(path.end() - 1) : from, buttons);
		return knob->getValue();
	}

	EditorStub editor;
	RecordingListener listener;
	OffscreenFrame frame{CRect(0, 0, 200, 200), &editor};
	CAnimKnob* knob;
};

TEST_F(KnobDrag, LinearModeFollowsDistanceAndIsFinerWithTheZoomModifier)
{
	editor.knobMode = kLinearMode;
	EXPECT_NEAR(dragFrom({100, 100}, {{100, 80}, {100, 60}}), 0.7f, 1e-5); // 40 px up of 200
	EXPECT_NEAR(dragFrom({100, 100}, {{120, 100}}), 0.8f, 1e-5);         // right counts as up
	EXPECT_NEAR(dragFrom({100, 100}, {{100, 130}}, kLButton | kShift), 0.7f, 1e-5); // 30 px of 300
	EXPECT_FLOAT_EQ(dragFrom({100, 100}, {{100, -500}}), 1.f);

	// Each gesture is one bracket, reported to the listener and to the editor with the tag.
	listener.log.clear();
	editor.log.clear();
	dragFrom({100, 100}, {{100, 110}});
	EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "changed", "end"}));
	EXPECT_EQ(editor.log, (std::vector<std::string>{"editor begin 7", "editor end 7"}));
}

TEST_F(KnobDrag, CircularModesJumpOrAddTheAngleMoved)
{
	// The travel runs 270 degrees clockwise from lower left: top is 0.5, right is 5/6.
	editor.knobMode = kCircularMode;
	knob->setValue(0.1f);
	mouseDown(frame.frame, {145, 100});
	EXPECT_NEAR(knob->getValue(), 5.f / 6.f, 1e-4);
	mouseUp(frame.frame, {145, 100});

	editor.knobMode = kRelativCircularMode;
	knob->setValue(0.1f);
	mouseDown(frame.frame, {100, 55});
	EXPECT_FLOAT_EQ(knob->getValue(), 0.1f);
	mouseMoved(frame.frame, {145, 100});
	EXPECT_NEAR(knob->getValue(), 0.1f + 1.f / 3.f, 1e-4);
	mouseUp(frame.frame, {145, 100});

	// Without an editor's choice the frame picks circular; Alt makes it linear.
	editor.knobMode = -1;
	knob->setValue(0.5f);
	EXPECT_NEAR(dragFrom({100, 100}, {{100, 80}}, kLButton | kAlt), 0.6f, 1e-5);
}

TEST_F(KnobDrag, DoubleClickOrCtrlClickResetsAndTheWheelSteps)
{
	knob->setDefaultValue(0.25f);
	knob->setValue(0.9f);
	EXPECT_EQ(mouseDown(frame.frame, {100, 100}, kLButton | kDoubleClick),
	          kMouseDownEventHandledButDontNeedMovedOrUpEvents);
	EXPECT_FLOAT_EQ(knob->getValue(), 0.25f);
	EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "changed", "end"}));
	knob->setValue(0.9f);
	mouseDown(frame.frame, {100, 100}, kLButton | kControl);
	EXPECT_FLOAT_EQ(knob->getValue(), 0.25f);

	knob->setValue(0.5f);
	EXPECT_TRUE(frame->onWheel({100, 100}, kMouseWheelAxisY, 1.f, 0));
	EXPECT_FLOAT_EQ(knob->getValue(), 0.6f);
	frame->onWheel({100, 100}, kMouseWheelAxisY, -1.f, kShift);
	EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6);
	EXPECT_FALSE(frame->onWheel({10, 10}, kMouseWheelAxisY, 1.f, 0)); // nothing there
}
