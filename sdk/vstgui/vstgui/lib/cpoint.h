#pragma once

#include "vstguibase.h"

namespace VSTGUI {

struct CPoint
{
	constexpr CPoint() = default;
	constexpr CPoint(CCoord x, CCoord y) : x(x), y(y) {}

	CPoint& operator()(CCoord newX, CCoord newY)
	{
		x = newX;
		y = newY;
		return *this;
	}
	bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
	bool operator!=(const CPoint& other) const { return !(*this == other); }
	CPoint operator+(const CPoint& other) const { return {x + other.x, y + other.y}; }
	CPoint operator-(const CPoint& other) const { return {x - other.x, y - other.y}; }
	CPoint operator-() const { return {-x, -y}; }
	CPoint& operator+=(const CPoint& other) { return offset(other.x, other.y); }
	CPoint& operator-=(const CPoint& other) { return offset(-other.x, -other.y); }

	CPoint& offset(CCoord dx, CCoord dy)
	{
		x += dx;
		y += dy;
		return *this;
	}
	CPoint& offset(const CPoint& other) { return offset(other.x, other.y); }
	CPoint& offsetInverse(const CPoint& other) { return offset(-other.x, -other.y); }

	CCoord x = 0;
	CCoord y = 0;
};

} // namespace VSTGUI
