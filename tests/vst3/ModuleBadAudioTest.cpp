// Audio from a broken upstream plug-in or a damaged file: samples that are
// not numbers, infinite or absurdly large must not kill the instance.
#include "ModuleTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace ModuleTest {
namespace {

using Signal = std::vector<std::vector<float>>;

constexpr int32 kBlocks = 40;
constexpr int32 kBadBlock = 10;

// The module's output in blocks of kMaxBlock, with a resonant filter and long
// feedback, so that whatever enters the lines keeps coming back.
Signal renderRinging(const Signal& input)
{
	PlugIn plugIn;
	plugIn.start();
	ReferenceEffect reference;
	std::vector<BlockPlan> plan(kBlocks, BlockPlan{kMaxBlock, {}});
	plan[0].changes = {{8, 1.0}, {0, 0.05}, {1, 0.95}, {2, 0.3}, {3, 1.0}, {6, 0.5}};
	Signal output;
	RenderOptions options;
	options.output = &output;
	EXPECT_TRUE(rendersLikeReference(plugIn, reference, plan, input, 0, options));
	return output;
}

// The test signal with `values` written into the bad block, in both
// channels, each `run` samples long.
Signal withSamples(std::initializer_list<float> values, size_t run = 1)
{
	Signal signal = {testSignal(kBlocks * kMaxBlock, 21), testSignal(kBlocks * kMaxBlock, 22)};
	size_t at = kBadBlock * kMaxBlock + 7;
	for (float value : values)
	{
		for (size_t i = at; i < at + run; ++i)
			signal[0][i] = signal[1][i + 3] = value;
		at += run + 41;
	}
	return signal;
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b, size_t from, size_t to)
{
	return a.size() >= to && b.size() >= to && std::memcmp(a.data() + from, b.data() + from, (to - from) * sizeof(float)) == 0;
}

TEST(ModuleBadAudio, NonFiniteSamplesEnterAsSilence)
{
	const float inf = std::numeric_limits<float>::infinity();
	const float nan = std::numeric_limits<float>::quiet_NaN();
	const Signal spoilt = renderRinging(withSamples({nan, inf, -inf, nan}));
	const Signal silenced = renderRinging(withSamples({0, 0, 0, 0}));
	for (size_t c = 0; c < 2; ++c)
		EXPECT_TRUE(sameBits(spoilt[c], silenced[c], 0, kBlocks * kMaxBlock)) << "channel " << c;
}

// Runs of the largest floats overflow the resonant filter's overshoot; the
// voice starts afresh instead of recirculating infinities.
TEST(ModuleBadAudio, OverflowingSamplesLeaveFiniteOutputFromTheNextBlock)
{
	const float huge = std::numeric_limits<float>::max();
	const Signal clean = renderRinging(withSamples({}));
	const Signal spoilt = renderRinging(withSamples({1e30f, huge, -huge, 1e30f}, 80));
	for (size_t c = 0; c < 2; ++c)
	{
		EXPECT_TRUE(sameBits(spoilt[c], clean[c], 0, kBadBlock * kMaxBlock)) << "channel " << c;
		for (size_t i = (kBadBlock + 1) * kMaxBlock; i < spoilt[c].size(); ++i)
			ASSERT_TRUE(std::isfinite(spoilt[c][i])) << "channel " << c << ", frame " << i;
	}
}

} // namespace
} // namespace ModuleTest
