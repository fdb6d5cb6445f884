#include "BiQuad.h"

#include <cmath>

// The mix of precisions is deliberate: every step narrows or widens exactly
// where the reference design does, so that the coefficients match it bit for bit.
void CBiQuad::setLowPass(float fc, float q, int32_t fs)
{
	const float highestCutoff = kMaxCutoffPerRate * static_cast<float>(fs);
	if (fc > highestCutoff)
		fc = highestCutoff;
	const float theta = static_cast<float>(static_cast<double>(fc) * 6.283185307179586 /
	                                       static_cast<double>(static_cast<float>(fs)));
	const double s = std::sin(static_cast<double>(theta));
	const float h = (1.0f / q) * 0.5f;
	const double d = s * static_cast<double>(h);
	const float beta = (static_cast<float>(1.0 - d) / static_cast<float>(1.0 + d)) * 0.5f;
	const double c = std::cos(static_cast<double>(theta));
	const float gamma = static_cast<float>(c * static_cast<double>(beta + 0.5f));

	b2 = beta + beta;
	b1 = gamma * -2.0f;
	a0 = ((beta + 0.5f) - gamma) * 0.5f;
	a2 = a0;
	a1 = a0 + a0;
}
