// The parameter changes a host passes to or takes from one process call.
// Preallocated: after construction nothing here allocates, so the audio
// thread may fill and read them; what does not fit is refused, never grown
// into. Owned by the host, not reference counted: addRef/release do nothing.
#pragma once

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <optional>
#include <vector>

namespace Steinberg {
namespace Vst {

// One parameter's points, in sample-offset order, in a fixed number of slots.
class ParameterValueQueue : public IParamValueQueue
{
public:
	static constexpr int32 kDefaultMaxPoints = 64;

	explicit ParameterValueQueue(ParamID paramID, int32 maxPoints = kDefaultMaxPoints);
	ParameterValueQueue(ParameterValueQueue&&) = default;
	ParameterValueQueue& operator=(ParameterValueQueue&&) = default;
	virtual ~ParameterValueQueue() = default;

	void setParamID(ParamID id) { paramID = id; }
	void clear() { pointCount = 0; }
	int32 maxPoints() const { return static_cast<int32>(points.size()); }
	// The latest point's value; none while the queue is empty.
	std::optional<ParamValue> lastValue() const;

	//---from IParamValueQueue
	ParamID PLUGIN_API getParameterId() SMTG_OVERRIDE { return paramID; }
	int32 PLUGIN_API getPointCount() SMTG_OVERRIDE { return pointCount; }
	tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) SMTG_OVERRIDE;
	// A second point at one offset replaces the first: a sample holds one
	// value. Replacing needs no room, so it works on a full queue too.
	tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) SMTG_OVERRIDE;

	//---from FUnknown
	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	friend class ParameterChanges; // copies points without the virtual calls

	struct Point
	{
		int32 sampleOffset;
		ParamValue value;
	};

	std::vector<Point> points; // sized once; the first pointCount are in use
	int32 pointCount = 0;
	ParamID paramID;
};

// At most one queue per parameter id, in the order the ids were first added.
class ParameterChanges : public IParameterChanges
{
public:
	explicit ParameterChanges(int32 maxParameters = 0,
		int32 maxPointsPerParameter = ParameterValueQueue::kDefaultMaxPoints);
	ParameterChanges(const ParameterChanges&) = delete;
	ParameterChanges& operator=(const ParameterChanges&) = delete;
	virtual ~ParameterChanges() = default;

	// Setup only: allocates, empties the list and moves every queue.
	void setMaxParameters(int32 maxParameters);
	// Empties the list for the next block; the room stays.
	void clearQueue() { usedQueues = 0; }

	// False when the parameter's queue or the room for queues is full.
	bool addPoint(ParamID id, int32 sampleOffset, ParamValue value);
	// Null when the list holds no queue for the id.
	ParameterValueQueue* find(ParamID id);
	// The value of the id's latest point, if it has one.
	std::optional<ParamValue> lastValue(ParamID id) const;
	// Adds the points of [start, start + length) of another list at offsets
	// relative to start, so one host block can be processed in pieces.
	// False when some point did not fit.
	bool copyRange(const ParameterChanges& source, int32 start, int32 length);

	//---from IParameterChanges
	int32 PLUGIN_API getParameterCount() SMTG_OVERRIDE { return usedQueues; }
	IParamValueQueue* PLUGIN_API getParameterData(int32 index) SMTG_OVERRIDE;
	// Answers the id's existing queue when it has one.
	IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) SMTG_OVERRIDE;

	//---from FUnknown
	tresult PLUGIN_API queryInterface(const TUID iid, void** object) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return 1; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE { return 1; }

private:
	int32 indexOf(ParamID id) const;

	std::vector<ParameterValueQueue> queues; // the first usedQueues are in use
	int32 maxPointsPerParameter;
	int32 usedQueues = 0;
};

} // namespace Vst
} // namespace Steinberg
