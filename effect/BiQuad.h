// A second-order filter section: five coefficients and four state values,
// run in direct form I in single precision.
#pragma once

#include <cstdint>

class CBiQuad
{
public:
	virtual ~CBiQuad() = default;

	void flush() { xz1 = xz2 = yz1 = yz2 = 0.0f; }

	// Resonant low-pass with unity gain at DC for cutoff fc (Hz), resonance q
	// and sample rate fs (Hz). A cutoff above kMaxCutoffPerRate x fs is
	// designed at that bound.
	void setLowPass(float fc, float q, int32_t fs);

	// The design turns unstable as the cutoff reaches half the rate (its poles
	// leave the unit circle), so it stops short of it with some margin. From
	// 44.1 kHz up the bound (19845 Hz and more) lies above any cutoff a control
	// can ask for (16 kHz), so those rates design exactly what they are given.
	static constexpr float kMaxCutoffPerRate = 0.45f;

	float process(float x)
	{
		float y = ((a1 * xz1 + a0 * x) + a2 * xz2) - b1 * yz1 - b2 * yz2;
		// The denormal guard keeps a decaying filter out of subnormal numbers,
		// which would slow the arithmetic down.
		if ((y > 0.0f && static_cast<double>(y) < 1.175494351e-38) ||
		    (y < 0.0f && static_cast<double>(y) > -1.175494351e-38))
			y = 0.0f;
		xz2 = xz1;
		yz2 = yz1;
		yz1 = y;
		xz1 = x;
		return y;
	}

	float xz1 = 0, xz2 = 0; // previous inputs, most recent first
	float yz1 = 0, yz2 = 0; // previous outputs, most recent first
	float a0 = 1, a1 = 0, a2 = 0; // feed-forward; a pass-through until designed
	float b1 = 0, b2 = 0;         // feedback: y = ... - b1*y1 - b2*y2
};
