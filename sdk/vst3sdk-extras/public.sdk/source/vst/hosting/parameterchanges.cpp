#include "public.sdk/source/vst/hosting/parameterchanges.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

ParameterValueQueue::ParameterValueQueue(ParamID paramID, int32 maxPoints)
: points(static_cast<size_t>(std::max(maxPoints, 0))), paramID(paramID)
{
}

std::optional<ParamValue> ParameterValueQueue::lastValue() const
{
	if (pointCount == 0)
		return std::nullopt;
	return points[static_cast<size_t>(pointCount - 1)].value;
}

tresult PLUGIN_API ParameterValueQueue::getPoint(int32 index, int32& sampleOffset, ParamValue& value)
{
	if (index < 0 || index >= pointCount)
		return kInvalidArgument;
	sampleOffset = points[static_cast<size_t>(index)].sampleOffset;
	value = points[static_cast<size_t>(index)].value;
	return kResultOk;
}

tresult PLUGIN_API ParameterValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
	index = -1;
	if (sampleOffset < 0)
		return kInvalidArgument;
	const auto end = points.begin() + pointCount;
	const auto place = std::lower_bound(points.begin(), end, sampleOffset,
		[](const Point& point, int32 offset) { return point.sampleOffset < offset; });
	if (place != end && place->sampleOffset == sampleOffset)
	{
		place->value = value;
		index = static_cast<int32>(place - points.begin());
		return kResultOk;
	}
	if (pointCount == maxPoints())
		return kOutOfMemory;
	std::move_backward(place, end, end + 1);
	*place = {sampleOffset, value};
	++pointCount;
	index = static_cast<int32>(place - points.begin());
	return kResultOk;
}

tresult PLUGIN_API ParameterValueQueue::queryInterface(const TUID iid, void** object)
{
	QUERY_INTERFACE(iid, object, FUnknown::iid, IParamValueQueue)
	QUERY_INTERFACE(iid, object, IParamValueQueue::iid, IParamValueQueue)
	*object = nullptr;
	return kNoInterface;
}

ParameterChanges::ParameterChanges(int32 maxParameters, int32 maxPointsPerParameter)
: maxPointsPerParameter(maxPointsPerParameter)
{
	setMaxParameters(maxParameters);
}

void ParameterChanges::setMaxParameters(int32 maxParameters)
{
	const int32 count = std::max(maxParameters, 0);
	queues.clear();
	queues.reserve(static_cast<size_t>(count));
	for (int32 index = 0; index < count; ++index)
		queues.emplace_back(kNoParamId, maxPointsPerParameter);
	usedQueues = 0;
}

int32 ParameterChanges::indexOf(ParamID id) const
{
	for (int32 index = 0; index < usedQueues; ++index)
	{
		if (queues[static_cast<size_t>(index)].paramID == id)
			return index;
	}
	return -1;
}

bool ParameterChanges::addPoint(ParamID id, int32 sampleOffset, ParamValue value)
{
	int32 queueIndex = -1;
	IParamValueQueue* queue = addParameterData(id, queueIndex);
	int32 pointIndex = -1;
	return queue && queue->addPoint(sampleOffset, value, pointIndex) == kResultOk;
}

ParameterValueQueue* ParameterChanges::find(ParamID id)
{
	const int32 index = indexOf(id);
	return index < 0 ? nullptr : &queues[static_cast<size_t>(index)];
}

std::optional<ParamValue> ParameterChanges::lastValue(ParamID id) const
{
	const int32 index = indexOf(id);
	if (index < 0)
		return std::nullopt;
	return queues[static_cast<size_t>(index)].lastValue();
}

bool ParameterChanges::copyRange(const ParameterChanges& source, int32 start, int32 length)
{
	bool allFit = true;
	for (int32 queueIndex = 0; queueIndex < source.usedQueues; ++queueIndex)
	{
		const ParameterValueQueue& queue = source.queues[static_cast<size_t>(queueIndex)];
		for (int32 pointIndex = 0; pointIndex < queue.pointCount; ++pointIndex)
		{
			const ParameterValueQueue::Point& point = queue.points[static_cast<size_t>(pointIndex)];
			// Subtracting first: start + length may not fit in an int32.
			if (point.sampleOffset >= start && point.sampleOffset - start < length)
				allFit = addPoint(queue.paramID, point.sampleOffset - start, point.value) && allFit;
		}
	}
	return allFit;
}

IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
	if (index < 0 || index >= usedQueues)
		return nullptr;
	return &queues[static_cast<size_t>(index)];
}

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
	index = indexOf(id);
	if (index >= 0)
		return &queues[static_cast<size_t>(index)];
	if (usedQueues == static_cast<int32>(queues.size()))
		return nullptr;
	index = usedQueues++;
	ParameterValueQueue& queue = queues[static_cast<size_t>(index)];
	queue.setParamID(id);
	queue.clear();
	return &queue;
}

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** object)
{
	QUERY_INTERFACE(iid, object, FUnknown::iid, IParameterChanges)
	QUERY_INTERFACE(iid, object, IParameterChanges::iid, IParameterChanges)
	*object = nullptr;
	return kNoInterface;
}

} // namespace Vst
} // namespace Steinberg
