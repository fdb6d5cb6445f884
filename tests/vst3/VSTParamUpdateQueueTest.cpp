#include "HostFakes.h"
#include "VSTParamUpdateQueue.h"

#include <gtest/gtest.h>

#include <map>

using namespace Steinberg;
using namespace Steinberg::Vst::Doru2VST3;

namespace {

const double kUntouched = -7.0;

struct ParamUpdateQueueTest : ::testing::Test
{
	int32 granularity = 1;
	CVSTParamUpdateQueue queue{granularity};

	// Runs nextValue over a block; the offsets that reported a value, with it.
	std::map<int32, double> reported(int32 blockLength)
	{
		std::map<int32, double> values;
		for (int32 offset = 0; offset < blockLength; ++offset)
		{
			double value = kUntouched;
			if (queue.nextValue(value))
				values[offset] = value;
			else
				EXPECT_EQ(value, kUntouched) << "offset " << offset;
		}
		return values;
	}
};

} // namespace

TEST_F(ParamUpdateQueueTest, RampIsReportedSampleBySample)
{
	HostFakes::ParamValueQueue host(12, {{0, 0.0}, {99, 1.0}});
	queue.prime(&host, 100);
	EXPECT_EQ(queue.parameterId(), 12u);

	const std::map<int32, double> values = reported(100);
	ASSERT_EQ(values.size(), 99u);
	EXPECT_EQ(values.count(0), 0u);
	EXPECT_DOUBLE_EQ(values.at(1), 1.0 / 99.0);
	EXPECT_DOUBLE_EQ(values.at(50), 50.0 / 99.0);
	EXPECT_EQ(values.at(99), 1.0);
}

TEST_F(ParamUpdateQueueTest, GranularityThinsValuesBetweenPoints)
{
	granularity = 10;
	HostFakes::ParamValueQueue ramp(1, {{0, 0.0}, {99, 1.0}});
	queue.prime(&ramp, 100);
	std::vector<int32> offsets;
	for (const auto& entry : reported(100))
		offsets.push_back(entry.first);
	EXPECT_EQ(offsets, (std::vector<int32>{10, 20, 30, 40, 50, 60, 70, 80, 90, 99}));
}

TEST_F(ParamUpdateQueueTest, ZeroGranularityReportsOnlyPoints)
{
	granularity = 0;
	HostFakes::ParamValueQueue bend(1, {{0, 1.0}, {40, 0.5}, {99, 0.0}});
	queue.prime(&bend, 100);
	EXPECT_EQ(reported(100), (std::map<int32, double>{{40, 0.5}, {99, 0.0}}));
}

TEST_F(ParamUpdateQueueTest, LonePointAtStartYieldsNothing)
{
	HostFakes::ParamValueQueue host(1, {{0, 0.75}});
	queue.prime(&host, 100);
	EXPECT_TRUE(reported(100).empty());
}

TEST_F(ParamUpdateQueueTest, SegmentsChainThroughInnerPoints)
{
	HostFakes::ParamValueQueue host(1, {{0, 0.0}, {50, 1.0}, {99, 0.0}});
	queue.prime(&host, 100);
	const std::map<int32, double> values = reported(100);
	EXPECT_DOUBLE_EQ(values.at(25), 0.5);
	EXPECT_EQ(values.at(50), 1.0);
	EXPECT_NEAR(values.at(51), 1.0 - 1.0 / 49.0, 1e-12);
	EXPECT_EQ(values.at(99), 0.0);
}

TEST_F(ParamUpdateQueueTest, SameOffsetTwiceReportsOnce)
{
	HostFakes::ParamValueQueue host(1, {{0, 0.0}, {99, 1.0}});
	queue.prime(&host, 100);
	double value = kUntouched;
	EXPECT_FALSE(queue.nextValue(value));
	EXPECT_TRUE(queue.valueAt(5, 0.0, value));
	EXPECT_DOUBLE_EQ(value, 5.0 / 99.0);
	EXPECT_FALSE(queue.nextValue(value));
	EXPECT_TRUE(queue.nextValue(value));
	EXPECT_DOUBLE_EQ(value, 6.0 / 99.0);
}

TEST_F(ParamUpdateQueueTest, RampEndingABlockContinuesFromOffsetZero)
{
	HostFakes::ParamValueQueue first(1, {{0, 0.0}, {99, 1.0}});
	queue.prime(&first, 100);
	reported(100);

	HostFakes::ParamValueQueue second(1, {{50, 0.0}});
	queue.prime(&second, 100);
	const std::map<int32, double> values = reported(51);
	EXPECT_DOUBLE_EQ(values.at(1), 1.0 - 1.0 / 50.0);
	EXPECT_DOUBLE_EQ(values.at(25), 0.5);
	EXPECT_EQ(values.at(50), 0.0);
}

TEST_F(ParamUpdateQueueTest, UnattachedQueueReportsNothing)
{
	double value = kUntouched;
	EXPECT_FALSE(queue.isPrimed());
	EXPECT_EQ(queue.parameterId(), 0u);
	EXPECT_FALSE(queue.nextValue(value));

	HostFakes::ParamValueQueue host(3, {{0, 0.0}, {99, 1.0}});
	queue.prime(&host, 100);
	EXPECT_TRUE(queue.isPrimed());
	queue.detach();
	EXPECT_FALSE(queue.isPrimed());
	EXPECT_EQ(queue.parameterId(), 0u);
	EXPECT_FALSE(queue.valueAt(10, 0.0, value));
	EXPECT_EQ(value, kUntouched);
}

TEST_F(ParamUpdateQueueTest, HostileOffsetsStayDefined)
{
	HostFakes::ParamValueQueue far(1, {{0, 0.0}, {2147483647, 1.0}});
	queue.prime(&far, 100);
	reported(3);
	HostFakes::ParamValueQueue negative(1, {{-2147483647 - 1, 1.0}});
	granularity = -1;
	queue.prime(&negative, -2147483647 - 1);
	double value = 0.0;
	queue.valueAt(2147483647, 0.0, value);
	queue.valueAt(-2147483647 - 1, 0.0, value);
	queue.nextValue(value);
}
