#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace VSTGUI;
using namespace VSTGUI::Test;

namespace {

uint32_t imageColour(int i)
{
	return 0xFF000000u | (static_cast<uint32_t>(i) << 16) | (static_cast<uint32_t>(134 - i) << 8);
}

} // namespace

TEST(Bitmap, MissingOrDamagedPngHasNoSurfaceAndDrawsNothing)
{
	TemporaryResourceFolder folder;
	std::ofstream(folder.file("damaged.png")) << "\x89PNG\r\n\x1a\n but nothing after";
	writeStrip(folder.file("good.png"), 4, 3, 2, [](int) { return 0xFFFFFFFFu; });

	auto good = makeOwned<CBitmap>(CResourceDescription("good.png"));
	EXPECT_TRUE(good->isLoaded());
	EXPECT_EQ(good->getSize(), CPoint(4, 6));

	Canvas canvas(20, 20);
	for (const char* name : {"absent.png", "damaged.png"})
	{
		auto bitmap = makeOwned<CBitmap>(CResourceDescription(name));
		EXPECT_FALSE(bitmap->isLoaded()) << name;
		EXPECT_EQ(bitmap->getWidth(), 0) << name;
		bitmap->draw(canvas.context, CRect(0, 0, 20, 20));
		// A knob on such a picture draws nothing either.
		auto knob = makeOwned<CAnimKnob>(CRect(0, 0, 20, 20), nullptr, 0, bitmap);
		knob->setValue(1.f);
		knob->draw(canvas.context);
	}
	EXPECT_EQ(canvas.pixel(5, 5), 0u);
}

TEST(Drawing, FrameDrawsItsViewsOffscreenIntoAnImage)
{
	TemporaryResourceFolder folder;
	writeStrip(folder.file("strip.png"), 10, 10, 135, imageColour);

	OffscreenFrame frame(CRect(0, 0, 100, 100));
	frame->setBackgroundColor(kBlueCColor);
	auto* container = new CViewContainer(CRect(10, 10, 90, 90));
	container->setBackgroundColor(kRedCColor);
	frame->addView(container);
	auto* knob = new CAnimKnob(CRect(20, 30, 30, 40), nullptr, 0, owned(new CBitmap(CResourceDescription("strip.png"))));
	container->addView(knob);
	ASSERT_EQ(knob->getNumSubPixmaps(), 135);

	Canvas canvas(100, 100);
	knob->setValueNormalized(1.f);
	frame->drawRect(canvas.context, CRect(0, 0, 100, 100));
	EXPECT_EQ(canvas.pixel(2, 2), 0xFF0000FFu);   // the frame's colour
	EXPECT_EQ(canvas.pixel(12, 12), 0xFFFF0000u); // the container's
	EXPECT_EQ(canvas.pixel(35, 45), imageColour(134)); // the knob's last image, in container coordinates

	knob->setValueNormalized(0.f);
	frame->drawRect(canvas.context, CRect(30, 40, 40, 50));
	EXPECT_EQ(canvas.pixel(35, 45), imageColour(0));

	// A transparent frame leaves its own background alone.
	Canvas clear(100, 100);
	frame->setTransparency(true);
	frame->drawRect(clear.context, CRect(0, 0, 100, 100));
	EXPECT_EQ(clear.pixel(2, 2), 0u);
	EXPECT_EQ(clear.pixel(12, 12), 0xFFFF0000u);
}
