#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::Test;

TEST(XYPad, PacksTwoCoordinatesIntoOneValueAndDragsThePuck)
{
	EXPECT_NEAR(CXYPad::calculateValue(0.25f, 0.75f), 0.250075f, 1e-7);
	float x, y;
	CXYPad::calculateXY(CXYPad::calculateValue(0.25f, 0.75f), x, y);
	EXPECT_FLOAT_EQ(x, 0.25f);
	EXPECT_FLOAT_EQ(y, 0.75f);

	RecordingListener listener;
	OffscreenFrame frame(CRect(0, 0, 200, 200));
	auto* pad = new CXYPad(CRect(0, 0, 110, 110));
	pad->setRoundRectRadius(10);
	pad->setListener(&listener);
	frame->addView(pad);
	mouseDown(frame.frame, {55, 30});   // travel is 5 ... 105: (0.5, 0.25)
	mouseMoved(frame.frame, {300, 55}); // beyond the edge: bounded to x = 1
	mouseUp(frame.frame, {300, 55});
	CXYPad::calculateXY(pad->getValue(), x, y);
	EXPECT_FLOAT_EQ(x, 1.f);
	EXPECT_NEAR(y, 0.5f, 0.0015f); // single precision leaves y about three decimals

	EXPECT_EQ(listener.log.front(), "begin");
	EXPECT_EQ(listener.log.back(), "end");
}

TEST(VuMeter, LightsWholeLedsFromTheBottomAndFallsByTheDecreaseStep)
{
	TemporaryResourceFolder folder;
	writeStrip(folder.file("on.png"), 10, 100, 1, [](int) { return 0xFF00FF00u; });
	writeStrip(folder.file("off.png"), 10, 100, 1, [](int) { return 0xFFFF0000u; });
	auto meter = makeOwned<CVuMeter>(CRect(0, 0, 10, 100), owned(new CBitmap(CResourceDescription("on.png"))),
	                                 owned(new CBitmap(CResourceDescription("off.png"))), 10);
	Canvas canvas(10, 100);
	meter->setValue(0.52f);
	meter->draw(canvas.context); // 4.8 dark LEDs round to 5
	EXPECT_EQ(canvas.pixel(5, 49), 0xFFFF0000u);
	EXPECT_EQ(canvas.pixel(5, 50), 0xFF00FF00u);
	meter->setValue(0.f);
	meter->draw(canvas.context); // the peak falls to 0.42: 5.8 round to 6
	EXPECT_EQ(canvas.pixel(5, 59), 0xFFFF0000u);
	EXPECT_EQ(canvas.pixel(5, 60), 0xFF00FF00u);
}
