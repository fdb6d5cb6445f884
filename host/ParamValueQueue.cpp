#include "host/ParamValueQueue.h"

#include <algorithm>
#include <cassert>

namespace VeltraneHost {

using namespace Steinberg;

ParamValueQueue::ParamValueQueue(int32 capacity)
: points(new Point[static_cast<size_t>(std::max(capacity, 0))]), pointCapacity(std::max(capacity, 0))
{
}

void ParamValueQueue::reset(Vst::ParamID id)
{
	parameterId = id;
	pointCount = 0;
}

Vst::ParamValue ParamValueQueue::lastValue() const
{
	assert(pointCount > 0);
	return points[pointCount - 1].value;
}

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset, Vst::ParamValue& value)
{
	if (index < 0 || index >= pointCount)
		return kInvalidArgument;
	sampleOffset = points[index].sampleOffset;
	value = points[index].value;
	return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, Vst::ParamValue value, int32& index)
{
	index = -1;
	if (sampleOffset < 0)
		return kInvalidArgument;
	Point* const end = points.get() + pointCount;
	Point* const place = std::lower_bound(points.get(), end, sampleOffset,
		[](const Point& point, int32 offset) { return point.sampleOffset < offset; });
	if (place != end && place->sampleOffset == sampleOffset)
	{
		place->value = value;
		index = static_cast<int32>(place - points.get());
		return kResultOk;
	}
	if (pointCount == pointCapacity)
		return kOutOfMemory;
	std::move_backward(place, end, end + 1);
	*place = {sampleOffset, value};
	++pointCount;
	index = static_cast<int32>(place - points.get());
	return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Vst::IParamValueQueue::iid))
	{
		*object = static_cast<Vst::IParamValueQueue*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace VeltraneHost
