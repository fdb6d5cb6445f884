#include "host/NoteEvents.h"

#include <gtest/gtest.h>

using namespace Steinberg;

TEST(NoteEvents, CarryEveryFieldWhereThePlugInReadsIt)
{
	const Vst::Event on = VeltraneHost::noteOn(12, 3, 60, 0.75f, 7);
	EXPECT_EQ(on.type, Vst::Event::kNoteOnEvent);
	EXPECT_EQ(on.sampleOffset, 12);
	EXPECT_EQ(on.noteOn.channel, 3);
	EXPECT_EQ(on.noteOn.pitch, 60);
	EXPECT_FLOAT_EQ(on.noteOn.velocity, 0.75f);
	EXPECT_EQ(on.noteOn.noteId, 7);
	EXPECT_EQ(on.flags, 0);

	const Vst::Event off = VeltraneHost::noteOff(20, 1, 61);
	EXPECT_EQ(off.type, Vst::Event::kNoteOffEvent);
	EXPECT_EQ(off.sampleOffset, 20);
	EXPECT_EQ(off.noteOff.channel, 1);
	EXPECT_EQ(off.noteOff.pitch, 61);
	EXPECT_FLOAT_EQ(off.noteOff.velocity, 0.0f);
	EXPECT_EQ(off.noteOff.noteId, -1) << "no note id unless the host gives one";
}
