#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
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

// The editor's own PNG reader must give exactly cairo's pixels: a gradient of
// colour and translucency that libpng writes with every kind of row filter.
TEST(Bitmap, PicturesDecodeToCairosOwnPixels)
{
	TemporaryResourceFolder folder;
	const std::string path = folder.file("gradient.png");
	{
		cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 37, 29);
		cairo_t* cr = cairo_create(s);
		cairo_pattern_t* ramp = cairo_pattern_create_linear(0, 0, 37, 29);
		cairo_pattern_add_color_stop_rgba(ramp, 0, 1, 0.2, 0.7, 0);
		cairo_pattern_add_color_stop_rgba(ramp, 0.6, 0.1, 0.9, 0.3, 0.55);
		cairo_pattern_add_color_stop_rgba(ramp, 1, 0.8, 0.5, 0.0, 1);
		cairo_set_source(cr, ramp);
		cairo_paint(cr);
		cairo_pattern_destroy(ramp);
		cairo_destroy(cr);
		cairo_surface_write_to_png(s, path.c_str());
		cairo_surface_destroy(s);
	}
	cairo_surface_t* reference = cairo_image_surface_create_from_png(path.c_str());
	auto bitmap = makeOwned<CBitmap>(CResourceDescription("gradient.png"));
	cairo_surface_t* decoded = bitmap->getSurface();
	ASSERT_NE(decoded, nullptr);
	ASSERT_EQ(cairo_image_surface_get_width(decoded), 37);
	ASSERT_EQ(cairo_image_surface_get_height(decoded), 29);
	for (int y = 0; y < 29; ++y)
		ASSERT_EQ(0, std::memcmp(cairo_image_surface_get_data(decoded) + y * cairo_image_surface_get_stride(decoded),
		                         cairo_image_surface_get_data(reference) + y * cairo_image_surface_get_stride(reference), 37 * 4))
		    << "row " << y;
	cairo_surface_destroy(reference);
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
