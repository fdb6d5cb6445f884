#include "public.sdk/source/vst/hosting/parameterchanges.h"

#include "pluginterfaces/vst/ivstevents.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

using Points = std::vector<std::pair<int32, ParamValue>>;

Points pointsOf(IParamValueQueue* queue)
{
	Points points;
	for (int32 index = 0; queue && index < queue->getPointCount(); ++index)
	{
		int32 offset = -1;
		ParamValue value = -1;
		EXPECT_EQ(queue->getPoint(index, offset, value), kResultOk);
		points.emplace_back(offset, value);
	}
	return points;
}

} // namespace

TEST(ParameterValueQueue, KeepsPointsInSampleOrderAndAnswersTheirIndex)
{
	ParameterValueQueue queue(1, 8);
	int32 index = -1;
	queue.addPoint(10, 0.3, index);
	queue.addPoint(0, 0.1, index);
	queue.addPoint(5, 0.2, index);
	EXPECT_EQ(index, 1);
	EXPECT_EQ(pointsOf(&queue), (Points{{0, 0.1}, {5, 0.2}, {10, 0.3}}));
	EXPECT_EQ(queue.lastValue(), 0.3);
}

TEST(ParameterValueQueue, SecondPointAtOneOffsetReplacesTheFirst)
{
	ParameterValueQueue queue(1, 8);
	int32 index = -1;
	queue.addPoint(4, 0.1, index);
	queue.addPoint(4, 0.9, index);
	EXPECT_EQ(index, 0);
	EXPECT_EQ(pointsOf(&queue), (Points{{4, 0.9}}));
}

TEST(ParameterValueQueue, RefusesWhatItCannotHold)
{
	ParameterValueQueue queue(1, 2);
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

TEST(ParameterValueQueue, GetPointOutsideTheQueueFails)
{
	ParameterValueQueue queue(1, 4);
	int32 index = 0;
	queue.addPoint(0, 0.5, index);
	int32 offset = 0;
	ParamValue value = 0;
	EXPECT_EQ(queue.getPoint(-1, offset, value), kInvalidArgument);
	EXPECT_EQ(queue.getPoint(1, offset, value), kInvalidArgument);
}

TEST(ParameterValueQueue, ClearAndSetParamIdReuseItsRoom)
{
	EXPECT_EQ(ParameterValueQueue(1).maxPoints(), ParameterValueQueue::kDefaultMaxPoints);
	ParameterValueQueue queue(1, 2);
	int32 index = -1;
	queue.addPoint(0, 0.1, index);
	queue.addPoint(1, 0.2, index);
	queue.clear();
	queue.setParamID(9);
	EXPECT_EQ(queue.getPointCount(), 0);
	EXPECT_EQ(queue.lastValue(), std::nullopt);
	EXPECT_EQ(queue.getParameterId(), 9u);
	EXPECT_EQ(queue.addPoint(5, 0.5, index), kResultOk);
	EXPECT_EQ(queue.addPoint(6, 0.6, index), kResultOk);
	EXPECT_EQ(queue.maxPoints(), 2);
}

TEST(ParameterChanges, GivesOneQueuePerParameterId)
{
	ParameterChanges changes(4, 4);
	int32 first = -1;
	int32 again = -1;
	int32 other = -1;
	IParamValueQueue* queue = changes.addParameterData(7, first);
	EXPECT_EQ(changes.addParameterData(7, again), queue);
	EXPECT_EQ(again, first);
	IParamValueQueue* otherQueue = changes.addParameterData(8, other);
	EXPECT_NE(otherQueue, queue);
	EXPECT_EQ(other, 1);
	EXPECT_EQ(changes.getParameterCount(), 2);
	EXPECT_EQ(changes.getParameterData(1), otherQueue);
	EXPECT_EQ(otherQueue->getParameterId(), 8u);
	EXPECT_EQ(changes.getParameterData(-1), nullptr);
	EXPECT_EQ(changes.getParameterData(2), nullptr);
}

TEST(ParameterChanges, QueuesKeepOrderReplaceAndStopWhenFull)
{
	ParameterChanges changes(2, 3);
	EXPECT_TRUE(changes.addPoint(7, 20, 0.2));
	EXPECT_TRUE(changes.addPoint(7, 10, 0.1));
	EXPECT_TRUE(changes.addPoint(7, 20, 0.25)); // same offset: replaces
	EXPECT_TRUE(changes.addPoint(7, 0, 0.0));
	EXPECT_FALSE(changes.addPoint(7, 30, 0.3));
	EXPECT_TRUE(changes.addPoint(8, 0, 1.0));
	EXPECT_FALSE(changes.addPoint(9, 0, 1.0)) << "only two parameters fit";
	ASSERT_EQ(changes.getParameterCount(), 2);
	EXPECT_EQ(changes.getParameterData(0)->getParameterId(), 7u);
	EXPECT_EQ(pointsOf(changes.getParameterData(0)), (Points{{0, 0.0}, {10, 0.1}, {20, 0.25}}));
	EXPECT_EQ(changes.getParameterData(2), nullptr);

	int32 index = -1;
	EXPECT_EQ(changes.addParameterData(8, index), changes.getParameterData(1));
	EXPECT_EQ(index, 1);
	changes.clearQueue();
	EXPECT_EQ(changes.getParameterCount(), 0);
	EXPECT_TRUE(changes.addPoint(9, 0, 1.0));
	EXPECT_EQ(pointsOf(changes.getParameterData(0)), (Points{{0, 1.0}}));
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
	changes.clearQueue();
	EXPECT_EQ(changes.getParameterCount(), 0);
	EXPECT_EQ(changes.find(3), nullptr);
	EXPECT_TRUE(changes.addPoint(9, 2, 0.25));
	ASSERT_NE(changes.find(9), nullptr);
	EXPECT_EQ(changes.find(9)->getPointCount(), 1);
	EXPECT_EQ(changes.lastValue(9), 0.25);
	EXPECT_EQ(changes.lastValue(3), std::nullopt);
}

TEST(ParameterChanges, SetMaxParametersEmptiesItAndChangesTheRoom)
{
	ParameterChanges changes(1, 2);
	changes.addPoint(3, 0, 0.5);
	changes.setMaxParameters(2);
	EXPECT_EQ(changes.getParameterCount(), 0);
	EXPECT_TRUE(changes.addPoint(4, 0, 0.1));
	EXPECT_TRUE(changes.addPoint(5, 0, 0.1));
	EXPECT_FALSE(changes.addPoint(6, 0, 0.1));
	EXPECT_TRUE(changes.addPoint(5, 1, 0.2));
	EXPECT_FALSE(changes.addPoint(5, 2, 0.3)) << "points per queue stay as constructed";
	changes.setMaxParameters(-1);
	EXPECT_FALSE(changes.addPoint(4, 0, 0.1));
}

TEST(ParameterChanges, CopiesARangeRelativeToItsStart)
{
	ParameterChanges all(2, 8), piece(2, 8);
	for (int32 offset : {0, 64, 127, 128})
		all.addPoint(1, offset, offset / 128.0);
	all.addPoint(2, 200, 1.0);
	EXPECT_TRUE(piece.copyRange(all, 64, 64));
	ASSERT_EQ(piece.getParameterCount(), 1);
	EXPECT_EQ(pointsOf(piece.getParameterData(0)), (Points{{0, 64 / 128.0}, {63, 127 / 128.0}}));

	// A range reaching past the largest offset must not overflow.
	ParameterChanges far(1, 1);
	all.addPoint(1, INT32_MAX, 1.0);
	EXPECT_FALSE(far.copyRange(all, 128, INT32_MAX)) << "more points than room";
	EXPECT_EQ(pointsOf(far.getParameterData(0)), (Points{{0, 1.0}}));
}

TEST(ParameterChanges, AnswerTheirInterfacesAndCountNoReferences)
{
	ParameterChanges changes(1, 1);
	changes.addPoint(1, 0, 0.5);
	IParamValueQueue* queue = changes.getParameterData(0);
	void* object = nullptr;
	EXPECT_EQ(changes.queryInterface(IParameterChanges::iid, &object), kResultOk);
	EXPECT_EQ(object, static_cast<IParameterChanges*>(&changes));
	EXPECT_EQ(queue->queryInterface(FUnknown::iid, &object), kResultOk);
	EXPECT_EQ(object, static_cast<FUnknown*>(queue));
	EXPECT_EQ(changes.queryInterface(IEventList::iid, &object), kNoInterface);
	EXPECT_EQ(object, nullptr);
	EXPECT_EQ(changes.addRef(), 1u);
	EXPECT_EQ(changes.release(), 1u);
	EXPECT_EQ(queue->release(), 1u);
	EXPECT_EQ(changes.getParameterCount(), 1) << "release must not delete or empty it";
}
