#pragma once

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <memory>

namespace VeltraneHost {

// One parameter's points for one block, in sample-offset order, with a
// fixed capacity so adding points never allocates.
// Host-owned: addRef/release do not count and never delete.
class ParamValueQueue : public Steinberg::Vst::IParamValueQueue
{
public:
	explicit ParamValueQueue(Steinberg::int32 capacity);
	ParamValueQueue(ParamValueQueue&&) = default;
	ParamValueQueue& operator=(ParamValueQueue&&) = default;
	virtual ~ParamValueQueue() = default;

	// Empties the queue and gives it to another parameter.
	void reset(Steinberg::Vst::ParamID id);
	Steinberg::Vst::ParamID id() const { return parameterId; }
	Steinberg::int32 capacity() const { return pointCapacity; }
	// The value of the latest point; the queue must not be empty.
	Steinberg::Vst::ParamValue lastValue() const;

	Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return parameterId; }
	Steinberg::int32 PLUGIN_API getPointCount() override { return pointCount; }
	Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
		Steinberg::Vst::ParamValue& value) override;
	// Keeps points sorted; a second point at the same offset replaces the
	// first, since one sample cannot hold two values.
	Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset, Steinberg::Vst::ParamValue value,
		Steinberg::int32& index) override;

	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** object) override;
	Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
	Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
	struct Point
	{
		Steinberg::int32 sampleOffset;
		Steinberg::Vst::ParamValue value;
	};

	std::unique_ptr<Point[]> points;
	Steinberg::int32 pointCapacity;
	Steinberg::int32 pointCount = 0;
	Steinberg::Vst::ParamID parameterId = 0;
};

} // namespace VeltraneHost
