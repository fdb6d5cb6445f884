// A picture held as cairo image surfaces, one per resolution: its own (scale
// factor 1) and, as VSTGUI keeps them for HiDPI screens, larger ones of the
// same layout ("name#2x.png": twice the pixels each way). A drawing uses the
// resolution that suits its scale. A PNG that is missing or damaged gives a
// bitmap without a surface: it reports size 0 and draws nothing.
#pragma once

#include "cresourcedescription.h"
#include "crect.h"

#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

class CDrawContext;

class CBitmap : public CBaseObject
{
public:
	// Loads the PNG the description names (see cresourcedescription.h).
	explicit CBitmap(const CResourceDescription& desc);
	// An empty (transparent) picture of the given size.
	CBitmap(CCoord width, CCoord height);
	~CBitmap() noexcept override;
	CBitmap(const CBitmap&) = delete;
	CBitmap& operator=(const CBitmap&) = delete;

	// In-house: a picture whose file is decoded only when a drawing first
	// needs it (or by decodeBitmaps); its size comes from the file's header,
	// so a file whose pixels turn out damaged has a size but draws nothing.
	static SharedPointer<CBitmap> decodedOnDemand(const CResourceDescription& desc);

	// Draws the part of the picture that starts at offset into rect.
	virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint(0, 0),
	                  float alpha = 1.f);

	CCoord getWidth() const;
	CCoord getHeight() const;
	CPoint getSize() const { return {getWidth(), getHeight()}; }
	bool isLoaded() const { return !resolutions.empty() && resolutions.front().width > 0; }
	const CResourceDescription& getResourceDescription() const { return resourceDesc; }

	// Another resolution of the picture: a PNG of scaleFactor times its size
	// each way, decoded when first used. False when the file's size does not
	// match, the factor is held already, or the picture has no size.
	bool addBitmap(const CResourceDescription& desc, double scaleFactor);
	// VSTGUI's choice for a drawing at scaleFactor: the resolution made for
	// exactly that scale, else the nearest, the larger one of two as near
	// (1.5 takes the 2x picture).
	double getBestScaleFactor(double scaleFactor) const;
	// The pixels of the resolution a drawing at scaleFactor uses, decoded now
	// if they were not yet; null when its file cannot be read. resolution
	// receives that resolution's factor.
	cairo_surface_t* getSurface(double scaleFactor, double* resolution = nullptr);
	bool isDecoded(double resolution) const;

	// The picture's own pixels (in-house: the platform and tests read them).
	cairo_surface_t* getSurface() { return getSurface(1.); }

private:
	struct Resolution
	{
		double scaleFactor = 1.;
		std::string path;     // empty for a picture made in memory
		int width = 0;        // pixels
		int height = 0;
		cairo_surface_t* surface = nullptr;
		bool decodeTried = false;
	};

	CBitmap() = default;
	Resolution* resolutionFor(double scaleFactor);
	static void decode(Resolution& resolution);

	friend void decodeBitmaps(const std::vector<CBitmap*>& bitmaps, double scaleFactor);

	CResourceDescription resourceDesc;
	std::vector<Resolution> resolutions; // the picture's own first
};

// Decodes for every bitmap the resolution a drawing at scaleFactor uses,
// several files at once on worker threads, and returns when all are done.
// Call it on the thread that owns the bitmaps: the workers only read files.
void decodeBitmaps(const std::vector<CBitmap*>& bitmaps, double scaleFactor);

} // namespace VSTGUI
