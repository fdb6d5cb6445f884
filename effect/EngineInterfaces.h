// What the effect engine sees of the host: a sample-accurate queue of one
// parameter's changes within a block, and the block's MIDI events. The host
// component implements both; the engine only holds pointers to them.
#pragma once

#include <cstdint>

class IParamUpdateQueue
{
public:
	virtual uint32_t parameterId() = 0;
	virtual bool valueAt(int32_t sampleOffset, double previousValue, double& value) = 0;
	virtual bool nextValue(double& value) = 0;
	virtual ~IParamUpdateQueue() = default;
};

class IMidiEventList
{
public:
	virtual int32_t eventCount() = 0;
	virtual bool dispatchAt(uint32_t sampleOffset) = 0;
	virtual ~IMidiEventList() = default;
};
