#include "KnobPicture.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace EditorTest {

namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface loadPng(const std::string& path)
{
	Surface surface(cairo_image_surface_create_from_png(path.c_str()), &cairo_surface_destroy);
	if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
		throw std::runtime_error("cannot read " + path);
	return surface;
}

std::string resource(const char* name)
{
	return std::string(VELTRANE_BUNDLE) + "/Contents/Resources/" + name;
}

// Opaque pictures only: the premultiplied colour is the colour.
Pixels pixelsOf(cairo_surface_t* surface)
{
	cairo_surface_flush(surface);
	Pixels pixels;
	pixels.width = cairo_image_surface_get_width(surface);
	pixels.height = cairo_image_surface_get_height(surface);
	const int stride = cairo_image_surface_get_stride(surface);
	const unsigned char* data = cairo_image_surface_get_data(surface);
	for (int y = 0; y < pixels.height; ++y)
	{
		const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
		for (int x = 0; x < pixels.width; ++x)
			pixels.rgb.push_back(row[x] & 0xFFFFFF);
	}
	return pixels;
}

} // namespace

Pixels Pixels::crop(int x, int y, int w, int h) const
{
	Pixels part;
	if (x < 0 || y < 0 || x + w > width || y + h > height)
		return part;
	part.width = w;
	part.height = h;
	for (int row = y; row < y + h; ++row)
		for (int column = x; column < x + w; ++column)
			part.rgb.push_back(at(column, row));
	return part;
}

Pixels readPng(const std::string& path)
{
	const Surface surface = loadPng(path);
	Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, cairo_image_surface_get_width(surface.get()),
		cairo_image_surface_get_height(surface.get())), &cairo_surface_destroy);
	cairo_t* cr = cairo_create(image.get());
	cairo_set_source_surface(cr, surface.get(), 0, 0);
	cairo_paint(cr);
	cairo_destroy(cr);
	return pixelsOf(image.get());
}

Pixels expectedFeedbackKnob(int frame, int scale)
{
	const bool large = scale == 2;
	const int side = kFeedbackSide * scale;
	const Surface background = loadPng(resource(large ? "codeback#2x.png" : "codeback.png"));
	const Surface strip = loadPng(resource(large ? "fdbk#2x.png" : "fdbk.png"));
	Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, side, side), &cairo_surface_destroy);
	cairo_t* cr = cairo_create(image.get());
	cairo_set_source_surface(cr, background.get(), -kFeedbackX * scale, -kFeedbackY * scale);
	cairo_paint(cr);
	cairo_set_source_surface(cr, strip.get(), 0, -frame * side);
	cairo_paint(cr);
	cairo_destroy(cr);
	return pixelsOf(image.get());
}

int largestDifference(const Pixels& a, const Pixels& b)
{
	if (a.width != b.width || a.height != b.height)
		return 255;
	int largest = 0;
	for (size_t i = 0; i < a.rgb.size(); ++i)
		for (int shift : {0, 8, 16})
			largest = std::max(largest,
				std::abs(static_cast<int>((a.rgb[i] >> shift) & 0xFF) - static_cast<int>((b.rgb[i] >> shift) & 0xFF)));
	return largest;
}

} // namespace EditorTest
