#include "host/EventList.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using VeltraneHost::EventList;

TEST(EventList, KeepsSampleOrderAndTheOrderAddedWithinOneSample)
{
	EventList events(8);
	events.add(EventList::noteOn(20, 0, 60, 1.0f));
	events.add(EventList::noteOn(5, 0, 61, 1.0f));
	events.add(EventList::noteOff(20, 0, 62));
	Vst::Event event{};
	const int16 expectedPitches[] = {61, 60, 62};
	ASSERT_EQ(events.getEventCount(), 3);
	for (int32 index = 0; index < 3; ++index)
	{
		ASSERT_EQ(events.getEvent(index, event), kResultOk);
		const int16 pitch = event.type == Vst::Event::kNoteOnEvent ? event.noteOn.pitch : event.noteOff.pitch;
		EXPECT_EQ(pitch, expectedPitches[index]);
	}
	EXPECT_EQ(event.type, Vst::Event::kNoteOffEvent);
	EXPECT_EQ(event.sampleOffset, 20);
}

TEST(EventList, GetEventOutsideTheListFails)
{
	EventList events(2);
	events.add(EventList::noteOn(0, 0, 60, 1.0f));
	Vst::Event event{};
	EXPECT_EQ(events.getEvent(-1, event), kInvalidArgument);
	EXPECT_EQ(events.getEvent(1, event), kInvalidArgument);
}

TEST(EventList, RefusesEventsBeyondCapacityAndKeepsItAfterClear)
{
	EventList events(1);
	Vst::Event event = EventList::noteOn(0, 0, 60, 1.0f);
	EXPECT_EQ(events.addEvent(event), kResultOk);
	EXPECT_EQ(events.addEvent(event), kOutOfMemory);
	EXPECT_FALSE(events.add(event));
	events.clear();
	EXPECT_EQ(events.getEventCount(), 0);
	EXPECT_EQ(events.capacity(), 1);
	EXPECT_TRUE(events.add(event));
}
