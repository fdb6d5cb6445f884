// A colour gradient: colour stops at positions 0 ... 1 (the description
// carries them; no view of the subset draws one).
#pragma once

#include "ccolor.h"
#include "vstguibase.h"

#include <map>

namespace VSTGUI {

class CGradient : public CBaseObject
{
public:
	using ColorStopMap = std::multimap<double, CColor>;

	static CGradient* create(const ColorStopMap& stops) { return new CGradient(stops); }
	static CGradient* create(double start, double end, const CColor& startColor, const CColor& endColor)
	{
		return new CGradient({{start, startColor}, {end, endColor}});
	}

	explicit CGradient(const ColorStopMap& stops = {}) : colorStops(stops) {}
	void addColorStop(double start, const CColor& color) { colorStops.emplace(start, color); }
	const ColorStopMap& getColorStops() const { return colorStops; }

private:
	ColorStopMap colorStops;
};

} // namespace VSTGUI
