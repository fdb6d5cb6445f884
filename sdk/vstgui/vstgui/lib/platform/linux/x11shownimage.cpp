#include "x11shownimage.h"

#include <algorithm>
#include <cstring>

namespace VSTGUI {
namespace X11 {
namespace {

// Small enough that a turned knob sends little more than itself, large
// enough that a whole window is a few hundred rectangles at most.
constexpr int kTileSize = 32;

} // namespace

void ShownImage::reset(int newWidth, int newHeight)
{
	width = std::max(newWidth, 0);
	height = std::max(newHeight, 0);
	pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
	known = false;
}

cairo_region_t* ShownImage::takeChanges(cairo_surface_t* image, const cairo_region_t* area)
{
	cairo_region_t* changed = cairo_region_create();
	cairo_surface_flush(image);
	const uint8_t* data = cairo_image_surface_get_data(image);
	const int stride = cairo_image_surface_get_stride(image);
	if (!data || cairo_image_surface_get_width(image) != width || cairo_image_surface_get_height(image) != height)
		return changed;

	// Tiles on a fixed grid, so that a region of many small rectangles
	// compares each tile once.
	cairo_rectangle_int_t extents;
	cairo_region_get_extents(area, &extents);
	const int firstColumn = std::max(extents.x, 0) / kTileSize;
	const int firstRow = std::max(extents.y, 0) / kTileSize;
	const int right = std::min(extents.x + extents.width, width);
	const int bottom = std::min(extents.y + extents.height, height);
	for (int top = firstRow * kTileSize; top < bottom; top += kTileSize)
	{
		for (int left = firstColumn * kTileSize; left < right; left += kTileSize)
		{
			cairo_rectangle_int_t tile {left, top, std::min(kTileSize, width - left), std::min(kTileSize, height - top)};
			if (cairo_region_contains_rectangle(area, &tile) == CAIRO_REGION_OVERLAP_OUT)
				continue;
			if (known && !tileDiffers(data, stride, tile))
				continue;
			copyTile(data, stride, tile);
			cairo_region_union_rectangle(changed, &tile);
		}
	}
	// Tiles outside area were not compared; only a full pass makes the whole image known.
	if (!known)
	{
		const cairo_rectangle_int_t whole {0, 0, width, height};
		known = cairo_region_contains_rectangle(area, &whole) == CAIRO_REGION_OVERLAP_IN;
	}
	return changed;
}

bool ShownImage::tileDiffers(const uint8_t* data, int stride, const cairo_rectangle_int_t& tile) const
{
	const size_t rowBytes = static_cast<size_t>(tile.width) * sizeof(uint32_t);
	for (int y = tile.y; y < tile.y + tile.height; ++y)
	{
		const uint8_t* now = data + static_cast<size_t>(y) * static_cast<size_t>(stride) + tile.x * sizeof(uint32_t);
		const uint32_t* before = &pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + tile.x];
		if (std::memcmp(now, before, rowBytes) != 0)
			return true;
	}
	return false;
}

void ShownImage::copyTile(const uint8_t* data, int stride, const cairo_rectangle_int_t& tile)
{
	const size_t rowBytes = static_cast<size_t>(tile.width) * sizeof(uint32_t);
	for (int y = tile.y; y < tile.y + tile.height; ++y)
	{
		const uint8_t* now = data + static_cast<size_t>(y) * static_cast<size_t>(stride) + tile.x * sizeof(uint32_t);
		std::memcpy(&pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + tile.x], now, rowBytes);
	}
}

} // namespace X11
} // namespace VSTGUI
