#include "public.sdk/source/vst/hosting/eventlist.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

using OffsetsAndPitches = std::vector<std::pair<int32, int16>>;

Event noteAt(int32 offset, int16 pitch, Event::EventTypes type = Event::kNoteOnEvent)
{
	Event event{};
	event.type = type;
	event.sampleOffset = offset;
	if (type == Event::kNoteOffEvent)
		event.noteOff.pitch = pitch;
	else
		event.noteOn.pitch = pitch;
	return event;
}

OffsetsAndPitches offsetsAndPitches(EventList& list)
{
	OffsetsAndPitches result;
	for (int32 index = 0; index < list.getEventCount(); ++index)
	{
		Event event{};
		EXPECT_EQ(list.getEvent(index, event), kResultOk);
		const int16 pitch = event.type == Event::kNoteOffEvent ? event.noteOff.pitch : event.noteOn.pitch;
		result.emplace_back(event.sampleOffset, pitch);
	}
	return result;
}

} // namespace

TEST(EventList, KeepsSampleOrderAndTheOrderAddedWithinOneSample)
{
	EventList events(8);
	events.add(noteAt(20, 60));
	events.add(noteAt(5, 61));
	events.add(noteAt(20, 62, Event::kNoteOffEvent));
	EXPECT_EQ(offsetsAndPitches(events), (OffsetsAndPitches{{5, 61}, {20, 60}, {20, 62}}));
	Event event{};
	ASSERT_EQ(events.getEvent(2, event), kResultOk);
	EXPECT_EQ(event.type, Event::kNoteOffEvent);
	EXPECT_EQ(event.sampleOffset, 20);
}

TEST(EventList, KeepsOffsetOrderAndItsCapacity)
{
	EventList list(3);
	EXPECT_TRUE(list.add(noteAt(10, 1)));
	EXPECT_TRUE(list.add(noteAt(5, 2)));
	EXPECT_TRUE(list.add(noteAt(10, 3)));
	EXPECT_FALSE(list.add(noteAt(0, 4)));
	EXPECT_EQ(offsetsAndPitches(list), (OffsetsAndPitches{{5, 2}, {10, 1}, {10, 3}}));
	Event event{};
	EXPECT_EQ(list.getEvent(3, event), kInvalidArgument);
	list.clear();
	EXPECT_EQ(list.getEventCount(), 0);
}

TEST(EventList, GetEventOutsideTheListFails)
{
	EventList events(2);
	events.add(noteAt(0, 60));
	Event event{};
	EXPECT_EQ(events.getEvent(-1, event), kInvalidArgument);
	EXPECT_EQ(events.getEvent(1, event), kInvalidArgument);
}

TEST(EventList, RefusesEventsBeyondCapacityAndKeepsItAfterClear)
{
	EventList events(1);
	Event event = noteAt(0, 60);
	EXPECT_EQ(events.addEvent(event), kResultOk);
	EXPECT_EQ(events.addEvent(event), kOutOfMemory);
	EXPECT_FALSE(events.add(event));
	events.clear();
	EXPECT_EQ(events.getEventCount(), 0);
	EXPECT_EQ(events.maxSize(), 1);
	EXPECT_TRUE(events.add(event));
}

TEST(EventList, SetMaxSizeEmptiesItAndChangesTheRoom)
{
	EventList events(1);
	events.add(noteAt(0, 60));
	events.setMaxSize(2);
	EXPECT_EQ(events.getEventCount(), 0);
	EXPECT_TRUE(events.add(noteAt(0, 61)));
	EXPECT_TRUE(events.add(noteAt(0, 62)));
	EXPECT_FALSE(events.add(noteAt(0, 63)));
	events.setMaxSize(-1);
	EXPECT_EQ(events.maxSize(), 0);
	EXPECT_FALSE(events.add(noteAt(0, 60)));
}

TEST(EventList, CopiesARangeRelativeToItsStart)
{
	EventList all(8), piece(8);
	for (int32 offset : {0, 64, 127, 128})
		all.add(noteAt(offset, static_cast<int16>(offset / 2)));
	EXPECT_TRUE(piece.copyRange(all, 64, 64));
	EXPECT_EQ(offsetsAndPitches(piece), (OffsetsAndPitches{{0, 32}, {63, 63}}));

	// A range reaching past the largest offset must not overflow.
	EventList far(1);
	all.add(noteAt(INT32_MAX, 1));
	EXPECT_FALSE(far.copyRange(all, 128, INT32_MAX)) << "more events than room";
	EXPECT_EQ(offsetsAndPitches(far), (OffsetsAndPitches{{0, 64}}));
}

TEST(EventList, AnswersItsInterfacesAndCountsNoReferences)
{
	EventList events(1);
	events.add(noteAt(0, 60));
	void* object = nullptr;
	EXPECT_EQ(events.queryInterface(IEventList::iid, &object), kResultOk);
	EXPECT_EQ(object, static_cast<IEventList*>(&events));
	EXPECT_EQ(events.queryInterface(FUnknown::iid, &object), kResultOk);
	EXPECT_EQ(object, static_cast<FUnknown*>(&events));
	EXPECT_EQ(events.queryInterface(IParameterChanges::iid, &object), kNoInterface);
	EXPECT_EQ(object, nullptr);
	EXPECT_EQ(events.addRef(), 1u);
	EXPECT_EQ(events.release(), 1u);
	EXPECT_EQ(events.getEventCount(), 1) << "release must not delete or empty it";
}
