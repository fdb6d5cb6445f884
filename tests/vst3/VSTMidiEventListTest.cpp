#include "CountingPlugIn.h"
#include "HostFakes.h"
#include "VSTMidiEventList.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Doru2VST3;

namespace {

MidiCall noteOn(uint32_t channel, uint32_t note, uint32_t velocity)
{
	return {MidiCall::NoteOn, channel, note, velocity, 0, false};
}

MidiCall noteOff(uint32_t channel, uint32_t note, uint32_t velocity)
{
	return {MidiCall::NoteOff, channel, note, velocity, 0, false};
}

MidiCall pressure(uint32_t channel, uint32_t note, uint32_t amount)
{
	return {MidiCall::Raw, channel, note, amount, 0xA0, false};
}

struct MidiEventListTest : ::testing::Test
{
	CountingPlugIn effect;
	HostFakes::EventList host;
	CVSTMidiEventList list{&effect};
};

} // namespace

TEST_F(MidiEventListTest, DeliversEventsAtTheirOffsetInOrder)
{
	EXPECT_EQ(list.eventCount(), 0);
	EXPECT_FALSE(list.dispatchAt(0));

	host.noteOn(0, 1, 60, 1.0f);
	host.noteOff(0, 2, 61, 0.5f);
	host.polyPressure(5, 3, 62, 0.25f);
	list.bind(&host);
	EXPECT_EQ(list.eventCount(), 3);

	EXPECT_TRUE(list.dispatchAt(0));
	EXPECT_EQ(effect.calls, (std::vector<MidiCall>{noteOn(1, 60, 127), noteOff(2, 61, 63)}));
	EXPECT_FALSE(list.dispatchAt(1));
	EXPECT_TRUE(list.dispatchAt(5));
	EXPECT_FALSE(list.dispatchAt(5));
	EXPECT_EQ(effect.calls.size(), 3u);
	EXPECT_EQ(effect.calls.back(), pressure(3, 62, 31));

	list.bind(&host); // a new block starts over
	EXPECT_TRUE(list.dispatchAt(0));
	EXPECT_EQ(effect.calls.size(), 5u);
}

TEST_F(MidiEventListTest, OtherEventTypesArePassedOver)
{
	host.other(0, Event::kDataEvent);
	host.other(2, Event::kNoteExpressionValueEvent);
	host.noteOn(2, 0, 64, 1.0f);
	list.bind(&host);

	EXPECT_FALSE(list.dispatchAt(0));
	EXPECT_TRUE(list.dispatchAt(2));
	EXPECT_EQ(effect.calls, (std::vector<MidiCall>{noteOn(0, 64, 127)}));
	EXPECT_FALSE(CVSTMidiEventList::deliver(&effect, host.events[0]));
	EXPECT_TRUE(CVSTMidiEventList::deliver(&effect, host.events[2]));
	EXPECT_FALSE(CVSTMidiEventList::deliver(nullptr, host.events[2]));
	EXPECT_EQ(effect.calls.size(), 2u);
}

TEST_F(MidiEventListTest, HostileValuesSaturate)
{
	const float nan = std::numeric_limits<float>::quiet_NaN();
	host.noteOn(0, 0, 60, nan);
	host.noteOn(0, 0, 61, -3.0f);
	host.noteOn(0, 0, 62, 1e30f);
	host.noteOff(0, 0, 63, std::numeric_limits<float>::infinity());
	host.polyPressure(0, 0, 64, 2.0f);
	host.polyPressure(0, 0, 65, 100.0f);
	host.polyPressure(0, 0, 66, nan);
	host.polyPressure(0, 17, 300, 1.0f); // channel and pitch keep their low byte
	list.bind(&host);

	EXPECT_TRUE(list.dispatchAt(0));
	EXPECT_EQ(effect.calls, (std::vector<MidiCall>{noteOn(0, 60, 0), noteOn(0, 61, 0), noteOn(0, 62, 0xFFFFFFFFu),
	                                               noteOff(0, 63, 0xFFFFFFFFu), pressure(0, 64, 254),
	                                               pressure(0, 65, 255), pressure(0, 66, 0),
	                                               pressure(17, 300 & 0xFF, 127)}));
}
