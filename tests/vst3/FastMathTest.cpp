#include "FastMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Steinberg::Vst::Doru2VST3;

TEST(FastMath, Log2HitsReferenceBits)
{
	EXPECT_EQ(fastLog2(1.0f), -2.384185791015625e-6f);
	EXPECT_EQ(fastLog2(2.0f), 0.999997615814209f);
}

TEST(FastMath, Log2StaysCloseToLog2)
{
	for (float x = 1e-6f; x < 1e6f; x *= 1.37f)
		EXPECT_NEAR(fastLog2(x), std::log2(x), 2e-4) << "x = " << x;
}

TEST(FastMath, Pow2HitsReferenceBits)
{
	EXPECT_EQ(fastPow2(0.0f), 1.0f);
	EXPECT_EQ(fastPow2(1.0f), 2.0f);
	EXPECT_EQ(fastPow2(-1.0f), 0.5000114440917969f);
}

TEST(FastMath, Pow2StaysCloseToExp2)
{
	for (float p = -30.0f; p < 30.0f; p += 0.173f)
		EXPECT_NEAR(fastPow2(p) / std::exp2(p), 1.0, 1e-4) << "p = " << p;
}

TEST(FastMath, Pow2FloorsAtMinus126)
{
	const float floor = fastPow2(-126.0f);
	EXPECT_GT(floor, 0.0f);
	EXPECT_EQ(fastPow2(-127.5f), floor);
	EXPECT_EQ(fastPow2(-1e30f), floor);
	EXPECT_EQ(fastPow2(-std::numeric_limits<float>::infinity()), floor);
}

TEST(FastMath, Pow2InputsBeyondIntegerRangeAreDefined)
{
	EXPECT_EQ(fastPow2(std::numeric_limits<float>::quiet_NaN()), 0.0f);
	EXPECT_EQ(fastPow2(std::numeric_limits<float>::infinity()), std::numeric_limits<float>::infinity());
	EXPECT_EQ(fastPow2(3e9f), std::numeric_limits<float>::infinity());
	// Past the float exponent the bits wrap but the arithmetic stays defined.
	(void)fastPow2(200.0f);
	(void)fastPow2(2147483520.0f);
}
