#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::Test;

TEST(OnOffButton, ShowsOffFromTheTopAndOnFromHalfThePictureAndTogglesOnClick)
{
	TemporaryResourceFolder folder;
	// Two images of 20 px, off (red) above on (green); the view is only 10 px
	// high, so an image height taken from the view would land inside the red.
	writeStrip(folder.file("switch.png"), 10, 20, 2, [](int i) { return i ? 0xFF00FF00u : 0xFFFF0000u; });
	RecordingListener listener;
	OffscreenFrame frame(CRect(0, 0, 40, 40));
	auto* button = new COnOffButton(CRect(0, 0, 10, 10), &listener, 8,
	                                owned(new CBitmap(CResourceDescription("switch.png"))));
	frame->addView(button);

	Canvas canvas(40, 40);
	frame->drawRect(canvas.context, CRect(0, 0, 40, 40));
	EXPECT_EQ(canvas.pixel(5, 5), 0xFFFF0000u);

	mouseDown(frame.frame, {5, 5});
	mouseUp(frame.frame, {5, 5});
	EXPECT_FLOAT_EQ(button->getValue(), 1.f);
	EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "changed", "end"}));
	frame->drawRect(canvas.context, CRect(0, 0, 40, 40));
	EXPECT_EQ(canvas.pixel(5, 5), 0xFF00FF00u);

	// Released outside: no toggle.
	mouseDown(frame.frame, {5, 5});
	mouseUp(frame.frame, {30, 30});
	EXPECT_FLOAT_EQ(button->getValue(), 1.f);
	// Not the left button: not handled.
	EXPECT_EQ(mouseDown(frame.frame, {5, 5}, kRButton), kMouseEventNotHandled);
}

TEST(KickButton, IsPressedWhileHeldAndReportsPressAndReleaseOnRelease)
{
	RecordingListener listener;
	OffscreenFrame frame(CRect(0, 0, 40, 40));
	auto* kick = new CKickButton(CRect(0, 0, 10, 10), &listener, 3, nullptr);
	frame->addView(kick);

	mouseDown(frame.frame, {5, 5});
	EXPECT_FLOAT_EQ(kick->getValue(), 1.f);
	mouseMoved(frame.frame, {30, 30});
	EXPECT_FLOAT_EQ(kick->getValue(), 0.f); // released look outside
	mouseMoved(frame.frame, {5, 5});
	mouseUp(frame.frame, {5, 5});
	EXPECT_FLOAT_EQ(kick->getValue(), 0.f);
	EXPECT_EQ(listener.values, (std::vector<float>{1.f, 0.f}));
	EXPECT_EQ(listener.log.front(), "begin");
	EXPECT_EQ(listener.log.back(), "end");
}
