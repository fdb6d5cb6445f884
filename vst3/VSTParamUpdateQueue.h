// Turns the host's automation points for one parameter in one block into
// per-sample values for the effect: straight lines between points, reported
// only when the value changes. Runs on the audio thread: no allocation, no
// locks. The line segment carries over from one block to the next.
#pragma once

#include "EngineInterfaces.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class CVSTParamUpdateQueue : public IParamUpdateQueue
{
public:
	// granularity refers to the processor's setting: reports between points are
	// limited to offsets that are multiples of it (0: none between points).
	explicit CVSTParamUpdateQueue(const int32& granularity);

	// Attaches the host queue of the coming block and restarts from its first point.
	void prime(IParamValueQueue* hostQueue, int32 blockLength);
	// Forgets the host queue, whose lifetime ends with its block.
	void detach();
	bool isPrimed() const;

	uint32 parameterId() override;
	bool valueAt(int32 sampleOffset, double previousValue, double& value) override;
	bool nextValue(double& value) override;

private:
	bool computeAt(int32 offset, double& value);
	void loadSegment();

	const int32& m_granularity;
	int32 m_blockLength = 0;
	IParamValueQueue* m_hostQueue = nullptr;
	int32 m_pointIndex = 0;
	int32 m_readPosition = 0;
	int32 m_x0 = 0;
	int32 m_x1 = 0;
	double m_y0 = 0.0;
	double m_y1 = 0.0;
	double m_slope = 1.0;
	double m_intercept = 0.0;
	bool m_segmentEndsBlock = false;
	double m_lastValue = 0.0;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
