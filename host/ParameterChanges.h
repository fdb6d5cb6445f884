#pragma once

#include "host/ParamValueQueue.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <optional>
#include <vector>

namespace VeltraneHost {

// The parameter changes of one block: at most one queue per parameter id,
// all queues preallocated so a process call allocates nothing.
// Host-owned: addRef/release do not count and never delete.
class ParameterChanges : public Steinberg::Vst::IParameterChanges
{
public:
	ParameterChanges(Steinberg::int32 maxParameters, Steinberg::int32 maxPointsPerParameter);
	ParameterChanges(const ParameterChanges&) = delete;
	ParameterChanges& operator=(const ParameterChanges&) = delete;
	virtual ~ParameterChanges() = default;

	// False when the parameter or point capacity is exhausted.
	bool addPoint(Steinberg::Vst::ParamID id, Steinberg::int32 sampleOffset, Steinberg::Vst::ParamValue value);
	// nullptr when the block holds no queue for the id.
	ParamValueQueue* find(Steinberg::Vst::ParamID id);
	// The value of the id's latest point, if it has one.
	std::optional<Steinberg::Vst::ParamValue> lastValue(Steinberg::Vst::ParamID id);
	// Empties the list for the next block; capacity stays.
	void clear() { usedQueues = 0; }

	Steinberg::int32 PLUGIN_API getParameterCount() override { return usedQueues; }
	Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
	// Answers the existing queue when the id already has one.
	Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
		Steinberg::int32& index) override;

	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** object) override;
	Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
	Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
	Steinberg::int32 indexOf(Steinberg::Vst::ParamID id) const;

	std::vector<ParamValueQueue> queues;
	Steinberg::int32 usedQueues = 0;
};

} // namespace VeltraneHost
