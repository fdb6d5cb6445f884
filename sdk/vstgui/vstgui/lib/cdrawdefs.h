// Drawing styles, modes, line styles and text alignment.
#pragma once

#include "vstguibase.h"

#include <vector>

namespace VSTGUI {

enum CDrawStyle : int32_t
{
	kDrawStroked = 0,
	kDrawFilled,
	kDrawFilledAndStroked
};

enum CDrawModeFlags : uint32_t
{
	kAliasing = 0,
	kAntiAliasing = 1,
	kNonIntegralMode = 0xF0000000,
};

class CDrawMode
{
public:
	constexpr CDrawMode(uint32_t mode = kAliasing) : mode(mode) {}
	uint32_t operator()() const { return mode; }
	uint32_t modeIgnoringIntegralMode() const { return mode & ~kNonIntegralMode; }
	bool integralMode() const { return (mode & kNonIntegralMode) == 0; }
	bool operator==(const CDrawMode& o) const { return mode == o.mode; }
	bool operator!=(const CDrawMode& o) const { return mode != o.mode; }

private:
	uint32_t mode;
};

class CLineStyle
{
public:
	enum LineCap
	{
		kLineCapButt = 0,
		kLineCapRound,
		kLineCapSquare
	};
	enum LineJoin
	{
		kLineJoinMiter = 0,
		kLineJoinRound,
		kLineJoinBevel
	};
	using CoordVector = std::vector<CCoord>;

	CLineStyle(LineCap cap = kLineCapButt, LineJoin join = kLineJoinMiter, CCoord dashPhase = 0.,
	           const CoordVector& dashLengths = {})
	: cap(cap), join(join), dashPhase(dashPhase), dashLengths(dashLengths)
	{
	}

	LineCap getLineCap() const { return cap; }
	LineJoin getLineJoin() const { return join; }
	CCoord getDashPhase() const { return dashPhase; }
	const CoordVector& getDashLengths() const { return dashLengths; }
	CoordVector& getDashLengths() { return dashLengths; }
	void setLineCap(LineCap c) { cap = c; }
	void setLineJoin(LineJoin j) { join = j; }
	void setDashPhase(CCoord p) { dashPhase = p; }
	void setDashLengths(const CoordVector& d) { dashLengths = d; }

	bool operator==(const CLineStyle& o) const
	{
		return cap == o.cap && join == o.join && dashPhase == o.dashPhase && dashLengths == o.dashLengths;
	}
	bool operator!=(const CLineStyle& o) const { return !(*this == o); }

private:
	LineCap cap;
	LineJoin join;
	CCoord dashPhase;
	CoordVector dashLengths;
};

extern const CLineStyle kLineSolid;
extern const CLineStyle kLineOnOffDash;

enum CHoriTxtAlign : int32_t
{
	kLeftText = 0,
	kCenterText,
	kRightText
};

} // namespace VSTGUI
