#include "BiQuad.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

CBiQuad lowPass(float fc, float q, int fs)
{
	CBiQuad filter;
	filter.flush();
	filter.setLowPass(fc, q, fs);
	return filter;
}

TEST(BiQuad, LowPassCoefficientsMatchTheDesign)
{
	const CBiQuad bright = lowPass(16000, 0.5f, 44100);
	EXPECT_NEAR(bright.a0, 0.4692474f, 1e-6f);
	EXPECT_EQ(bright.a2, bright.a0);
	EXPECT_NEAR(bright.a1, 0.9384949f, 1e-6f);
	EXPECT_NEAR(bright.b1, 0.7400655f, 1e-6f);
	EXPECT_NEAR(bright.b2, 0.1369242f, 1e-6f);

	const CBiQuad dark = lowPass(1000, 0.707f, 44100);
	EXPECT_NEAR(dark.a0, 0.004603922f, 1e-8f);
	EXPECT_NEAR(dark.a1, 0.009207845f, 1e-8f);
	EXPECT_NEAR(dark.b1, -1.799072f, 1e-6f);
	EXPECT_NEAR(dark.b2, 0.8174874f, 1e-6f);

	// At a quarter of the rate with Q 0.5 the feedback terms vanish.
	const CBiQuad quarter = lowPass(11025, 0.5f, 44100);
	EXPECT_NEAR(quarter.a0, 0.25f, 1e-7f);
	EXPECT_NEAR(quarter.a1, 0.5f, 1e-7f);
	EXPECT_NEAR(quarter.b1, 0.0f, 1e-7f);
	EXPECT_NEAR(quarter.b2, 0.0f, 1e-7f);
}

TEST(BiQuad, UnityGainAtDcForEveryDesign)
{
	for (float fc : {100.0f, 440.0f, 1000.0f, 5000.0f, 12000.0f, 16000.0f})
	{
		for (float q : {0.5f, 0.707f, 2.0f, 10.0f})
		{
			CBiQuad filter = lowPass(fc, q, 48000);
			EXPECT_NEAR(filter.a0 + filter.a1 + filter.a2, 1.0f + filter.b1 + filter.b2, 1e-6f) << fc << " Hz, Q " << q;
			float y = 0;
			for (int i = 0; i < 200000; ++i)
				y = filter.process(0.25f);
			EXPECT_NEAR(y, 0.25f, 1e-4f) << fc << " Hz, Q " << q;
		}
	}
}

TEST(BiQuad, DecayEndsInExactZerosNotSubnormals)
{
	CBiQuad filter = lowPass(1000, 10.0f, 44100);
	float y = filter.process(1.0f);
	for (int i = 0; i < 2000000; ++i)
	{
		y = filter.process(0.0f);
		ASSERT_TRUE(y == 0.0f || std::fabs(y) >= FLT_MIN) << "subnormal at sample " << i;
	}
	EXPECT_EQ(y, 0.0f);
	EXPECT_EQ(filter.yz1, 0.0f);
	EXPECT_EQ(filter.yz2, 0.0f);
}

TEST(BiQuad, FlushedFilterIsSilentOnSilence)
{
	CBiQuad filter = lowPass(5000, 3.0f, 48000);
	filter.process(0.8f);
	filter.process(-0.3f);
	filter.flush();
	for (int i = 0; i < 16; ++i)
		EXPECT_EQ(filter.process(0.0f), 0.0f);
}

} // namespace
