#include "host/ParameterChanges.h"

#include <algorithm>

namespace VeltraneHost {

using namespace Steinberg;

ParameterChanges::ParameterChanges(int32 maxParameters, int32 maxPointsPerParameter)
{
	const int32 count = std::max(maxParameters, 0);
	queues.reserve(static_cast<size_t>(count));
	for (int32 index = 0; index < count; ++index)
		queues.emplace_back(maxPointsPerParameter);
}

int32 ParameterChanges::indexOf(Vst::ParamID id) const
{
	for (int32 index = 0; index < usedQueues; ++index)
	{
		if (queues[static_cast<size_t>(index)].id() == id)
			return index;
	}
	return -1;
}

bool ParameterChanges::addPoint(Vst::ParamID id, int32 sampleOffset, Vst::ParamValue value)
{
	int32 queueIndex = -1;
	Vst::IParamValueQueue* queue = addParameterData(id, queueIndex);
	int32 pointIndex = -1;
	return queue && queue->addPoint(sampleOffset, value, pointIndex) == kResultOk;
}

ParamValueQueue* ParameterChanges::find(Vst::ParamID id)
{
	const int32 index = indexOf(id);
	return index < 0 ? nullptr : &queues[static_cast<size_t>(index)];
}

std::optional<Vst::ParamValue> ParameterChanges::lastValue(Vst::ParamID id)
{
	ParamValueQueue* queue = find(id);
	if (!queue || queue->getPointCount() == 0)
		return std::nullopt;
	return queue->lastValue();
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
	if (index < 0 || index >= usedQueues)
		return nullptr;
	return &queues[static_cast<size_t>(index)];
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const Vst::ParamID& id, int32& index)
{
	index = indexOf(id);
	if (index >= 0)
		return &queues[static_cast<size_t>(index)];
	if (usedQueues == static_cast<int32>(queues.size()))
		return nullptr;
	index = usedQueues++;
	ParamValueQueue& queue = queues[static_cast<size_t>(index)];
	queue.reset(id);
	return &queue;
}

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Vst::IParameterChanges::iid))
	{
		*object = static_cast<Vst::IParameterChanges*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace VeltraneHost
