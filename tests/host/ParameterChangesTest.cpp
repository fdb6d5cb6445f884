#include "host/ParameterChanges.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Steinberg;
using VeltraneHost::ParamValueQueue;
using VeltraneHost::ParameterChanges;

namespace {

std::vector<std::pair<int32, double>> pointsOf(Vst::IParamValueQueue& queue)
{
	std::vector<std::pair<int32, double>> points;
	for (int32 index = 0; index < queue.getPointCount(); ++index)
	{
		int32 offset = -1;
		double value = -1;
		EXPECT_EQ(queue.getPoint(index, offset, value), kResultOk);
		points.emplace_back(offset, value);
	}
	return points;
}

} // namespace

TEST(ParamValueQueue, KeepsPointsInSampleOrderAndAnswersTheirIndex)
{
	ParamValueQueue queue(8);
	int32 index = -1;
	queue.addPoint(10, 0.3, index);
	queue.addPoint(0, 0.1, index);
	queue.addPoint(5, 0.2, index);
	EXPECT_EQ(index, 1);
	EXPECT_EQ(pointsOf(queue), (std::vector<std::pair<int32, double>>{{0, 0.1}, {5, 0.2}, {10, 0.3}}));
	EXPECT_EQ(queue.lastValue(), 0.3);
}

TEST(ParamValueQueue, SecondPointAtOneOffsetReplacesTheFirst)
{
	ParamValueQueue queue(8);
	int32 index = -1;
	queue.addPoint(4, 0.1, index);
	queue.addPoint(4, 0.9, index);
	EXPECT_EQ(index, 0);
	EXPECT_EQ(pointsOf(queue), (std::vector<std::pair<int32, double>>{{4, 0.9}}));
}

TEST(ParamValueQueue, RefusesWhatItCannotHold)
{
	ParamValueQueue queue(2);
	int32 index = 0;
	EXPECT_EQ(queue.addPoint(-1, 0.5, index), kInvalidArgument);
	queue.addPoint(0, 0.1, index);
	queue.addPoint(1, 0.2, index);
	EXPECT_EQ(queue.addPoint(2, 0.3, index), kOutOfMemory);
	EXPECT_EQ(index, -1);
	EXPECT_EQ(queue.getPointCount(), 2);
	// Replacing needs no room, so it still works when full.
	EXPECT_EQ(queue.addPoint(1, 0.4, index), kResultOk);
}

TEST(ParamValueQueue, GetPointOutsideTheQueueFails)
{
	ParamValueQueue queue(4);
	int32 index = 0;
	queue.addPoint(0, 0.5, index);
	int32 offset = 0;
	double value = 0;
	EXPECT_EQ(queue.getPoint(-1, offset, value), kInvalidArgument);
	EXPECT_EQ(queue.getPoint(1, offset, value), kInvalidArgument);
}

TEST(ParameterChanges, GivesOneQueuePerParameterId)
{
	ParameterChanges changes(4, 4);
	int32 first = -1;
	int32 again = -1;
	int32 other = -1;
	Vst::IParamValueQueue* queue = changes.addParameterData(7, first);
	EXPECT_EQ(changes.addParameterData(7, again), queue);
	EXPECT_EQ(again, first);
	Vst::IParamValueQueue* otherQueue = changes.addParameterData(8, other);
	EXPECT_NE(otherQueue, queue);
	EXPECT_EQ(other, 1);
	EXPECT_EQ(changes.getParameterCount(), 2);
	EXPECT_EQ(changes.getParameterData(1), otherQueue);
	EXPECT_EQ(otherQueue->getParameterId(), 8u);
	EXPECT_EQ(changes.getParameterData(-1), nullptr);
	EXPECT_EQ(changes.getParameterData(2), nullptr);
}

TEST(ParameterChanges, RefusesParametersBeyondCapacity)
{
	ParameterChanges changes(1, 1);
	EXPECT_TRUE(changes.addPoint(3, 0, 0.5));
	int32 index = 0;
	EXPECT_EQ(changes.addParameterData(4, index), nullptr);
	EXPECT_EQ(index, -1);
	EXPECT_FALSE(changes.addPoint(4, 0, 0.5));
	EXPECT_FALSE(changes.addPoint(3, 1, 0.5));
	EXPECT_EQ(changes.getParameterCount(), 1);
}

TEST(ParameterChanges, ClearGivesTheNextBlockEmptyQueues)
{
	ParameterChanges changes(1, 4);
	changes.addPoint(3, 0, 0.5);
	changes.clear();
	EXPECT_EQ(changes.getParameterCount(), 0);
	EXPECT_EQ(changes.find(3), nullptr);
	EXPECT_TRUE(changes.addPoint(9, 2, 0.25));
	ASSERT_NE(changes.find(9), nullptr);
	EXPECT_EQ(changes.find(9)->getPointCount(), 1);
	EXPECT_EQ(changes.lastValue(9), 0.25);
	EXPECT_EQ(changes.lastValue(3), std::nullopt);
}
