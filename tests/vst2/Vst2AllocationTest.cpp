// processReplacing never allocates.
#include "MidiEvents.h"
#include "Vst2TestHost.h"

#include <gtest/gtest.h>

#include "AllocationCounter.h"

TEST(Vst2Allocation, TheAudioPathAllocatesNothing)
{
	using namespace Vst2Test;
	Instance plug;
	plug.resume(48000.0, 128);
	std::vector<float> inLeft(1000, 0.5f), inRight(1000, 0.5f), outLeft(1000), outRight(1000);
	float* inputs[2] = {inLeft.data(), inRight.data()};
	float* outputs[2] = {outLeft.data(), outRight.data()};
	MidiEvents events;
	events.add(0, 0x90, 60, 100);

	for (int round = 0; round < 4; ++round)
	{
		// Values the host set reach the processor inside processReplacing.
		plug->setParameter(plug.get(), round, 0.5f);
		AllocationCounter::Window window;
		plug.dispatch(effProcessEvents, 0, 0, events.get());
		plug->processReplacing(plug.get(), inputs, outputs, 1000); // in pieces of 128
		EXPECT_EQ(window.count(), 0) << "round " << round;
	}
}
