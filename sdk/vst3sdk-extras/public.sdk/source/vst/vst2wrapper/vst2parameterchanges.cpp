#include "vst2parameterchanges.h"

namespace Steinberg {
namespace Vst {
namespace Vst2 {

ParamValueQueue::ParamValueQueue(int32 capacity) : points(static_cast<size_t>(capacity > 0 ? capacity : 0)) {}

void ParamValueQueue::reset(ParamID newId)
{
	id = newId;
	count = 0;
}

int32 ParamValueQueue::add(int32 sampleOffset, ParamValue value)
{
	int32 position = count;
	while (position > 0 && points[position - 1].offset > sampleOffset)
		--position;
	if (position > 0 && points[position - 1].offset == sampleOffset)
	{
		points[position - 1].value = value;
		return position - 1;
	}
	if (count >= static_cast<int32>(points.size()))
		return -1;
	for (int32 i = count; i > position; --i)
		points[i] = points[i - 1];
	points[position] = {sampleOffset, value};
	++count;
	return position;
}

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset, ParamValue& value)
{
	if (index < 0 || index >= count)
		return kInvalidArgument;
	sampleOffset = points[index].offset;
	value = points[index].value;
	return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
	index = add(sampleOffset, value);
	return index >= 0 ? kResultOk : kOutOfMemory;
}

tresult PLUGIN_API ParamValueQueue::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, IParamValueQueue::iid) || FUnknownPrivate::iidEqual(iid, FUnknown::iid))
	{
		*object = static_cast<IParamValueQueue*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

ParameterChanges::ParameterChanges(int32 maxParameters, int32 maxPointsPerParameter)
{
	queues.reserve(static_cast<size_t>(maxParameters > 0 ? maxParameters : 0));
	for (int32 i = 0; i < maxParameters; ++i)
		queues.emplace_back(maxPointsPerParameter);
}

ParamValueQueue* ParameterChanges::queueFor(ParamID id)
{
	for (int32 i = 0; i < used; ++i)
		if (queues[i].getParameterId() == id)
			return &queues[i];
	if (used >= static_cast<int32>(queues.size()))
		return nullptr;
	queues[used].reset(id);
	return &queues[used++];
}

bool ParameterChanges::addPoint(ParamID id, int32 sampleOffset, ParamValue value)
{
	ParamValueQueue* queue = queueFor(id);
	return queue && queue->add(sampleOffset, value) >= 0;
}

void ParameterChanges::copyRange(ParameterChanges& source, int32 start, int32 length)
{
	for (int32 q = 0; q < source.used; ++q)
	{
		ParamValueQueue& queue = source.queues[q];
		for (int32 p = 0; p < queue.getPointCount(); ++p)
		{
			int32 offset = 0;
			ParamValue value = 0;
			queue.getPoint(p, offset, value);
			if (offset >= start && offset < start + length)
				addPoint(queue.getParameterId(), offset - start, value);
		}
	}
}

IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
	if (index < 0 || index >= used)
		return nullptr;
	return &queues[index];
}

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
	ParamValueQueue* queue = queueFor(id);
	index = queue ? static_cast<int32>(queue - queues.data()) : -1;
	return queue;
}

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, IParameterChanges::iid) || FUnknownPrivate::iidEqual(iid, FUnknown::iid))
	{
		*object = static_cast<IParameterChanges*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
