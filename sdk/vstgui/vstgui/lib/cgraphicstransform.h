// A 2-D affine transform: x' = m11·x + m12·y + dx, y' = m21·x + m22·y + dy.
#pragma once

#include "crect.h"

namespace VSTGUI {

struct CGraphicsTransform
{
	double m11 = 1.;
	double m12 = 0.;
	double m21 = 0.;
	double m22 = 1.;
	double dx = 0.;
	double dy = 0.;

	CGraphicsTransform() = default;
	CGraphicsTransform(double m11, double m12, double m21, double m22, double dx, double dy)
	: m11(m11), m12(m12), m21(m21), m22(m22), dx(dx), dy(dy)
	{
	}

	// Both append their step after what the transform already does.
	CGraphicsTransform& translate(double x, double y)
	{
		dx += x;
		dy += y;
		return *this;
	}
	CGraphicsTransform& translate(const CPoint& p) { return translate(p.x, p.y); }
	CGraphicsTransform& scale(double x, double y)
	{
		m11 *= x;
		m12 *= x;
		dx *= x;
		m21 *= y;
		m22 *= y;
		dy *= y;
		return *this;
	}
	CGraphicsTransform& scale(const CPoint& p) { return scale(p.x, p.y); }

	// (a * b)(p) = a(b(p)): b first.
	CGraphicsTransform operator*(const CGraphicsTransform& b) const
	{
		return {m11 * b.m11 + m12 * b.m21, m11 * b.m12 + m12 * b.m22, m21 * b.m11 + m22 * b.m21,
		        m21 * b.m12 + m22 * b.m22, m11 * b.dx + m12 * b.dy + dx, m21 * b.dx + m22 * b.dy + dy};
	}

	CPoint& transform(CPoint& p) const
	{
		const double x = p.x;
		p.x = m11 * x + m12 * p.y + dx;
		p.y = m21 * x + m22 * p.y + dy;
		return p;
	}
	// The bounding box of the transformed corners.
	CRect& transform(CRect& r) const
	{
		CPoint a(r.left, r.top), b(r.right, r.bottom), c(r.left, r.bottom), d(r.right, r.top);
		transform(a);
		transform(b);
		transform(c);
		transform(d);
		r.left = std::min({a.x, b.x, c.x, d.x});
		r.right = std::max({a.x, b.x, c.x, d.x});
		r.top = std::min({a.y, b.y, c.y, d.y});
		r.bottom = std::max({a.y, b.y, c.y, d.y});
		return r;
	}
	CGraphicsTransform inverse() const
	{
		const double det = m11 * m22 - m12 * m21;
		if (det == 0.)
			return {};
		const double i11 = m22 / det, i12 = -m12 / det, i21 = -m21 / det, i22 = m11 / det;
		return {i11, i12, i21, i22, -(i11 * dx + i12 * dy), -(i21 * dx + i22 * dy)};
	}
	bool isInvariant() const { return m11 == 1. && m12 == 0. && m21 == 0. && m22 == 1. && dx == 0. && dy == 0.; }
};

} // namespace VSTGUI
