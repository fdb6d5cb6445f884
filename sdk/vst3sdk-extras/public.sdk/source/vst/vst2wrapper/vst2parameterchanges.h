// Parameter changes of one process call, with every queue and point
// preallocated so that the audio thread never allocates. Owned by the
// wrapper: reference counting is a no-op.
#pragma once

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

class ParamValueQueue : public IParamValueQueue
{
public:
	explicit ParamValueQueue(int32 capacity);
	virtual ~ParamValueQueue() = default;

	void reset(ParamID id);
	// Keeps offset order; a point at an offset that already has one replaces
	// it. -1 when full, else the point's index.
	int32 add(int32 sampleOffset, ParamValue value);

	ParamID PLUGIN_API getParameterId() SMTG_OVERRIDE { return id; }
	int32 PLUGIN_API getPointCount() SMTG_OVERRIDE { return count; }
	tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) SMTG_OVERRIDE;
	tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) SMTG_OVERRIDE;

	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	struct Point
	{
		int32 offset;
		ParamValue value;
	};
	ParamID id = kNoParamId;
	std::vector<Point> points; // sized once; count says how many are in use
	int32 count = 0;
};

class ParameterChanges : public IParameterChanges
{
public:
	ParameterChanges(int32 maxParameters, int32 maxPointsPerParameter);
	ParameterChanges(const ParameterChanges&) = delete;
	ParameterChanges& operator=(const ParameterChanges&) = delete;
	virtual ~ParameterChanges() = default;

	// False when the parameter or point capacity is exhausted.
	bool addPoint(ParamID id, int32 sampleOffset, ParamValue value);
	void clear() { used = 0; }
	// Adds the points of [start, start + length) of another list, their
	// offsets made relative to start.
	void copyRange(ParameterChanges& source, int32 start, int32 length);

	int32 PLUGIN_API getParameterCount() SMTG_OVERRIDE { return used; }
	IParamValueQueue* PLUGIN_API getParameterData(int32 index) SMTG_OVERRIDE;
	// Answers the id's queue when it already has one.
	IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) SMTG_OVERRIDE;

	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	ParamValueQueue* queueFor(ParamID id);

	std::vector<ParamValueQueue> queues;
	int32 used = 0;
};

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
