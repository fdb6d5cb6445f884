#include "VSTParamUpdateQueue.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

CVSTParamUpdateQueue::CVSTParamUpdateQueue(const int32& granularity) : m_granularity(granularity) {}

void CVSTParamUpdateQueue::prime(IParamValueQueue* hostQueue, int32 blockLength)
{
	m_blockLength = blockLength;
	m_hostQueue = hostQueue;
	m_pointIndex = 0;
	m_readPosition = 0;
}

void CVSTParamUpdateQueue::detach()
{
	m_hostQueue = nullptr;
}

bool CVSTParamUpdateQueue::isPrimed() const
{
	return m_hostQueue != nullptr;
}

uint32 CVSTParamUpdateQueue::parameterId()
{
	return m_hostQueue ? m_hostQueue->getParameterId() : 0;
}

bool CVSTParamUpdateQueue::valueAt(int32 sampleOffset, double, double& value)
{
	m_readPosition = sampleOffset;
	return computeAt(sampleOffset, value);
}

bool CVSTParamUpdateQueue::nextValue(double& value)
{
	const bool changed = computeAt(m_readPosition, value);
	++m_readPosition;
	return changed;
}

void CVSTParamUpdateQueue::loadSegment()
{
	int32 offset = 0;
	double pointValue = 0.0;
	if (m_hostQueue->getPoint(m_pointIndex, offset, pointValue) != kResultOk)
		return;

	if (m_pointIndex == 0 && offset == 0)
	{
		m_x0 = 0;
		m_y0 = pointValue;
		if (m_hostQueue->getPointCount() < 2)
		{
			// A lone point holds its value to the end of the block.
			m_x1 = m_blockLength;
			m_y1 = pointValue;
		}
		else
		{
			++m_pointIndex;
			int32 nextOffset = 0;
			double nextPointValue = 0.0;
			if (m_hostQueue->getPoint(m_pointIndex, nextOffset, nextPointValue) == kResultOk)
			{
				m_x1 = nextOffset;
				m_y1 = nextPointValue;
			}
		}
	}
	else
	{
		// A segment that reached the block's last sample restarts at offset 0 of the next block.
		m_x0 = m_segmentEndsBlock ? 0 : m_x1;
		m_segmentEndsBlock = false;
		m_y0 = m_y1;
		m_x1 = offset;
		m_y1 = pointValue;
	}
	m_segmentEndsBlock = static_cast<int64>(m_x1) == static_cast<int64>(m_blockLength) - 1;
	++m_pointIndex;
	// 64-bit difference: hostile offsets must not overflow int32.
	const int64 run = static_cast<int64>(m_x1) - static_cast<int64>(m_x0);
	m_slope = (m_y1 - m_y0) / static_cast<float>(run);
	m_intercept = m_y0 - m_x0 * m_slope;
}

bool CVSTParamUpdateQueue::computeAt(int32 offset, double& value)
{
	if (!m_hostQueue)
		return false;
	const int32 granularity = m_granularity;

	double candidate;
	if (offset == m_x0)
		candidate = m_y0;
	else if (offset == m_x1)
		candidate = m_y1;
	else
		candidate = offset * m_slope + m_intercept;

	if (offset == 0 || offset == m_x1)
		loadSegment();

	if (m_slope == 0.0 || m_slope != m_slope)
		return false;
	if (offset != m_x0 && offset != m_x1)
	{
		// 64-bit remainder: INT32_MIN % -1 would overflow.
		if (granularity == 0 || static_cast<int64>(offset) % granularity != 0)
			return false;
	}
	if (candidate == m_lastValue)
		return false;
	m_lastValue = candidate;
	value = candidate;
	return true;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
