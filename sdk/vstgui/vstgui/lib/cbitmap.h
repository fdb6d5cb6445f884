// A picture held as a cairo image surface. A PNG that is missing or damaged
// gives a bitmap without a surface: it reports size 0 and draws nothing.
#pragma once

#include "cresourcedescription.h"
#include "crect.h"

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

	// Draws the part of the picture that starts at offset into rect.
	virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = CPoint(0, 0),
	                  float alpha = 1.f);

	CCoord getWidth() const;
	CCoord getHeight() const;
	CPoint getSize() const { return {getWidth(), getHeight()}; }
	bool isLoaded() const { return surface != nullptr; }
	const CResourceDescription& getResourceDescription() const { return resourceDesc; }

	// The cairo surface, or null (in-house: the platform and tests read it).
	cairo_surface_t* getSurface() const { return surface; }

private:
	CResourceDescription resourceDesc;
	cairo_surface_t* surface = nullptr;
};

} // namespace VSTGUI
