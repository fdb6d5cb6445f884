#include "cbitmap.h"
#include "cdrawcontext.h"
#include "platform/linux/pngdecoder.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <thread>

namespace VSTGUI {
namespace {

// A picture side that a PNG header may claim and cairo can hold.
constexpr uint32_t kMaxSide = 32767;
// More threads than this only crowd the host's own.
constexpr unsigned kMaxDecoders = 4;

// Width and height from a PNG's header, without decoding it.
bool readPngSize(const std::string& path, int& width, int& height)
{
	static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
	unsigned char header[24] = {};
	std::ifstream file(path, std::ios::binary);
	if (!file.read(reinterpret_cast<char*>(header), sizeof header) ||
	    !std::equal(std::begin(signature), std::end(signature), header) || std::string(header + 12, header + 16) != "IHDR")
		return false;
	const auto bigEndian = [&](int at) {
		return (uint32_t(header[at]) << 24) | (uint32_t(header[at + 1]) << 16) | (uint32_t(header[at + 2]) << 8) |
		       uint32_t(header[at + 3]);
	};
	const uint32_t w = bigEndian(16), h = bigEndian(20);
	if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide)
		return false;
	width = static_cast<int>(w);
	height = static_cast<int>(h);
	return true;
}

// cairo reads what the fast reader leaves, and reports a missing or damaged
// file as an error surface, never by crashing.
cairo_surface_t* decodePng(const std::string& path)
{
	if (cairo_surface_t* fast = decodePngFast(path))
		return fast;
	cairo_surface_t* loaded = cairo_image_surface_create_from_png(path.c_str());
	if (cairo_surface_status(loaded) == CAIRO_STATUS_SUCCESS)
		return loaded;
	cairo_surface_destroy(loaded);
	return nullptr;
}

} // namespace

CBitmap::CBitmap(const CResourceDescription& desc) : resourceDesc(desc)
{
	if (desc.type != CResourceDescription::kStringType || !desc.u.name)
		return;
	Resolution own;
	own.path = resourcePath(desc.u.name);
	decode(own);
	if (own.surface)
	{
		own.width = cairo_image_surface_get_width(own.surface);
		own.height = cairo_image_surface_get_height(own.surface);
	}
	resolutions.push_back(std::move(own));
}

CBitmap::CBitmap(CCoord width, CCoord height)
{
	if (width <= 0 || height <= 0)
		return;
	cairo_surface_t* created =
	    cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
	if (cairo_surface_status(created) != CAIRO_STATUS_SUCCESS)
	{
		cairo_surface_destroy(created);
		return;
	}
	Resolution own;
	own.surface = created;
	own.decodeTried = true;
	own.width = cairo_image_surface_get_width(created);
	own.height = cairo_image_surface_get_height(created);
	resolutions.push_back(std::move(own));
}

CBitmap::~CBitmap() noexcept
{
	for (Resolution& resolution : resolutions)
		if (resolution.surface)
			cairo_surface_destroy(resolution.surface);
}

SharedPointer<CBitmap> CBitmap::decodedOnDemand(const CResourceDescription& desc)
{
	auto bitmap = owned(new CBitmap());
	bitmap->resourceDesc = desc;
	if (desc.type != CResourceDescription::kStringType || !desc.u.name)
		return bitmap;
	Resolution own;
	own.path = resourcePath(desc.u.name);
	if (!readPngSize(own.path, own.width, own.height))
		own.decodeTried = true; // nothing there to decode
	bitmap->resolutions.push_back(std::move(own));
	return bitmap;
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset, float alpha)
{
	if (context)
		context->drawBitmap(this, rect, offset, alpha);
}

CCoord CBitmap::getWidth() const
{
	return isLoaded() ? resolutions.front().width : 0;
}

CCoord CBitmap::getHeight() const
{
	return isLoaded() ? resolutions.front().height : 0;
}

bool CBitmap::addBitmap(const CResourceDescription& desc, double scaleFactor)
{
	if (!isLoaded() || !(scaleFactor > 0) || desc.type != CResourceDescription::kStringType || !desc.u.name)
		return false;
	for (const Resolution& held : resolutions)
		if (held.scaleFactor == scaleFactor)
			return false;
	Resolution added;
	added.scaleFactor = scaleFactor;
	added.path = resourcePath(desc.u.name);
	if (!readPngSize(added.path, added.width, added.height) ||
	    added.width != std::lround(getWidth() * scaleFactor) || added.height != std::lround(getHeight() * scaleFactor))
		return false;
	resolutions.push_back(std::move(added));
	return true;
}

double CBitmap::getBestScaleFactor(double scaleFactor) const
{
	double best = 1.;
	double bestDistance = -1.;
	for (const Resolution& resolution : resolutions)
	{
		const double distance = std::abs(scaleFactor - resolution.scaleFactor);
		if (distance == 0.)
			return resolution.scaleFactor;
		if (bestDistance < 0. || distance < bestDistance ||
		    (distance == bestDistance && resolution.scaleFactor > best))
		{
			best = resolution.scaleFactor;
			bestDistance = distance;
		}
	}
	return best;
}

CBitmap::Resolution* CBitmap::resolutionFor(double scaleFactor)
{
	const double best = getBestScaleFactor(scaleFactor);
	for (Resolution& resolution : resolutions)
		if (resolution.scaleFactor == best)
			return &resolution;
	return nullptr;
}

cairo_surface_t* CBitmap::getSurface(double scaleFactor, double* resolution)
{
	Resolution* chosen = resolutionFor(scaleFactor);
	if (!chosen)
		return nullptr;
	decode(*chosen);
	if (resolution)
		*resolution = chosen->scaleFactor;
	return chosen->surface;
}

bool CBitmap::isDecoded(double resolution) const
{
	for (const Resolution& held : resolutions)
		if (held.scaleFactor == resolution)
			return held.surface != nullptr;
	return false;
}

void CBitmap::decode(Resolution& resolution)
{
	if (resolution.decodeTried)
		return;
	resolution.decodeTried = true;
	resolution.surface = decodePng(resolution.path);
}

void decodeBitmaps(const std::vector<CBitmap*>& bitmaps, double scaleFactor)
{
	struct Job
	{
		CBitmap::Resolution* resolution;
		std::string path; // the workers' own copy
		cairo_surface_t* decoded = nullptr;
	};
	std::vector<Job> jobs;
	for (CBitmap* bitmap : bitmaps)
	{
		CBitmap::Resolution* resolution = bitmap ? bitmap->resolutionFor(scaleFactor) : nullptr;
		const bool listed = std::any_of(jobs.begin(), jobs.end(), [&](const Job& job) { return job.resolution == resolution; });
		if (resolution && !resolution->decodeTried && !listed)
			jobs.push_back({resolution, resolution->path});
	}
	// The largest first, so that no long strip is left for the end.
	std::stable_sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) {
		return int64_t(a.resolution->width) * a.resolution->height > int64_t(b.resolution->width) * b.resolution->height;
	});

	std::atomic<size_t> next{0};
	const auto work = [&] {
		for (size_t i = next++; i < jobs.size(); i = next++)
			jobs[i].decoded = decodePng(jobs[i].path);
	};
	const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
	std::vector<std::thread> helpers(std::min<size_t>({cores, kMaxDecoders, jobs.size()}) - (jobs.empty() ? 0 : 1));
	for (std::thread& helper : helpers)
		helper = std::thread(work);
	work();
	for (std::thread& helper : helpers)
		helper.join();

	for (Job& job : jobs)
	{
		job.resolution->decodeTried = true;
		job.resolution->surface = job.decoded;
	}
}

} // namespace VSTGUI
