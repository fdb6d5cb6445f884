// The wrapper's building blocks on their own.
#include "public.sdk/source/vst/vst2wrapper/vst2midiinput.h"
#include "public.sdk/source/vst/vst2wrapper/vst2parameterslots.h"
#include "public.sdk/source/vst/vst2wrapper/vst2strings.h"
#include "public.sdk/source/vst/vst2wrapper/vst2version.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Vst2;

namespace {

VstMidiEvent midi(unsigned char status, unsigned char data1, unsigned char data2, int deltaFrames = 0)
{
	VstMidiEvent event {};
	event.type = kVstMidiType;
	event.deltaFrames = deltaFrames;
	event.midiData[0] = static_cast<char>(status);
	event.midiData[1] = static_cast<char>(data1);
	event.midiData[2] = static_cast<char>(data2);
	return event;
}

} // namespace

TEST(Vst2Version, FollowsTheThousandsConvention)
{
	EXPECT_EQ(versionNumber("1.0.0.0"), 1000);
	EXPECT_EQ(versionNumber("2.4.1"), 2410);
	EXPECT_EQ(versionNumber("1.2.3.4"), 1234);
	EXPECT_EQ(versionNumber("3"), 3000);
	EXPECT_EQ(versionNumber("1.12.0.0"), 1900) << "a part past 9 would spill into the next";
	EXPECT_EQ(versionNumber("1.0 beta"), 1000);
	EXPECT_EQ(versionNumber(""), 0);
	EXPECT_EQ(versionNumber(nullptr), 0);
	EXPECT_GT(versionNumber("99999999999.0"), 0) << "no overflow";
}

TEST(Vst2Strings, CopiesCutAtCharacterBoundariesAndTerminate)
{
	char buffer[8];
	copyString(u"Feedback", buffer, 8);
	EXPECT_STREQ(buffer, "Feedbac");
	copyString(u"Gr\u00FC\u00DFe", buffer, 6); // "Grüße": ü fits, ß would not
	EXPECT_STREQ(buffer, "Gr\xC3\xBC");
	copyString("Gr\xC3\xBC\xC3\x9F" "e", buffer, 6);
	EXPECT_STREQ(buffer, "Gr\xC3\xBC");
	copyString(u"\U0001D11E!", buffer, 8); // a surrogate pair: 4 UTF-8 bytes
	EXPECT_STREQ(buffer, "\xF0\x9D\x84\x9E!");
	copyString(static_cast<const TChar*>(nullptr), buffer, 8);
	EXPECT_STREQ(buffer, "");
	buffer[0] = 'x';
	copyString("abc", buffer, 0); // no room at all: untouched
	EXPECT_EQ(buffer[0], 'x');
}

TEST(Vst2Midi, NotesBecomeNoteEvents)
{
	MidiInput on = translateMidi(midi(0x92, 60, 127, 17));
	ASSERT_EQ(on.kind, MidiInput::Kind::event);
	EXPECT_EQ(on.event.type, Event::kNoteOnEvent);
	EXPECT_EQ(on.event.sampleOffset, 17);
	EXPECT_EQ(on.event.noteOn.channel, 2);
	EXPECT_EQ(on.event.noteOn.pitch, 60);
	EXPECT_EQ(on.event.noteOn.velocity, 1.0f);
	EXPECT_EQ(on.event.noteOn.noteId, -1);

	MidiInput off = translateMidi(midi(0x80, 61, 64));
	EXPECT_EQ(off.event.type, Event::kNoteOffEvent);
	EXPECT_EQ(off.event.noteOff.pitch, 61);
	EXPECT_FLOAT_EQ(off.event.noteOff.velocity, 64 / 127.0f);

	MidiInput zeroVelocity = translateMidi(midi(0x90, 62, 0));
	EXPECT_EQ(zeroVelocity.event.type, Event::kNoteOffEvent) << "velocity 0 ends the note";

	MidiInput pressure = translateMidi(midi(0xA1, 63, 127));
	EXPECT_EQ(pressure.event.type, Event::kPolyPressureEvent);
	EXPECT_EQ(pressure.event.polyPressure.pressure, 1.0f);
}

TEST(Vst2Midi, ControllersBecomeControllerValues)
{
	MidiInput cc = translateMidi(midi(0xB3, 7, 127, 9));
	ASSERT_EQ(cc.kind, MidiInput::Kind::controller);
	EXPECT_EQ(cc.channel, 3);
	EXPECT_EQ(cc.controller, 7);
	EXPECT_EQ(cc.value, 1.0);
	EXPECT_EQ(cc.sampleOffset, 9);

	MidiInput pressure = translateMidi(midi(0xD0, 127, 0));
	EXPECT_EQ(pressure.controller, kAfterTouch);
	EXPECT_EQ(pressure.value, 1.0);

	MidiInput bend = translateMidi(midi(0xE0, 0x7F, 0x7F));
	EXPECT_EQ(bend.controller, kPitchBend);
	EXPECT_EQ(bend.value, 1.0);
	EXPECT_EQ(translateMidi(midi(0xE0, 0, 0)).value, 0.0);

	EXPECT_EQ(translateMidi(midi(0xC0, 5, 0)).kind, MidiInput::Kind::ignored) << "program change";
	EXPECT_EQ(translateMidi(midi(0x90, 60, 100, -4)).sampleOffset, 0) << "no offset before the block";
}

TEST(Vst2ParameterSlots, DeliverEachOwedChangeOnceWithTheLatestValue)
{
	ParameterSlots slots(3);
	slots.post(0, 0.1f, true, false);
	slots.post(0, 0.2f, true, false);
	slots.post(2, 0.5f, true, true);
	slots.show(1, 0.9f);

	std::vector<std::pair<int32, float>> toProcessor, toController;
	slots.takeForProcessor([&](int32 i, float v) { toProcessor.emplace_back(i, v); });
	slots.takeForController([&](int32 i, float v) { toController.emplace_back(i, v); });
	EXPECT_EQ(toProcessor, (std::vector<std::pair<int32, float>> {{0, 0.2f}, {2, 0.5f}}));
	EXPECT_EQ(toController, (std::vector<std::pair<int32, float>> {{2, 0.5f}}));
	EXPECT_EQ(slots.value(1), 0.9f);

	toProcessor.clear();
	slots.takeForProcessor([&](int32 i, float v) { toProcessor.emplace_back(i, v); });
	EXPECT_TRUE(toProcessor.empty()) << "taken changes are gone";

	slots.post(1, 0.3f, true, true);
	slots.dropForProcessor();
	slots.takeForProcessor([&](int32 i, float v) { toProcessor.emplace_back(i, v); });
	EXPECT_TRUE(toProcessor.empty());
}

TEST(Vst2ParameterSlots, LoseNoChangePostedWhileAnotherThreadTakes)
{
	ParameterSlots slots(1);
	constexpr int kPosts = 20000;
	float lastTaken = -1.0f;
	std::thread writer([&] {
		for (int i = 1; i <= kPosts; ++i)
			slots.post(0, static_cast<float>(i), true, false);
	});
	while (lastTaken < kPosts)
		slots.takeForProcessor([&](int32, float value) {
			EXPECT_GE(value, lastTaken) << "values go back in time";
			lastTaken = value;
		});
	writer.join();
	EXPECT_EQ(lastTaken, static_cast<float>(kPosts)) << "the last value always arrives";
}
