// The chunk is the VST 3 component state, byte for byte.
#include "Vst2TestHost.h"
#include "Vst3Face.h"

#include <gtest/gtest.h>

using namespace Vst2Test;

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kFreshState = {
	0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // version
	0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // delay, feedback
	0x00, 0x00, 0x7A, 0x46, 0x00, 0x00, 0x00, 0x3F, // cutoff 16000, resonance 0.5
	0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, // ratio 1, offset 0
	0x00, 0x00, 0x48, 0x42, 0x33, 0x33, 0x33, 0x3F, // wet/dry 50, volume 0.7
	0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // delay state, active
	0x00, 0x00,                                     // bypass and joystick flags
	0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // joystick
};

} // namespace

TEST(Vst2Chunk, OfAFreshInstanceIsTheComponentState)
{
	Instance plug;
	EXPECT_EQ(plug.chunk(), kFreshState);
	Vst3Face face;
	const std::vector<std::uint8_t> state = face.instance.getState();
	EXPECT_EQ(plug.chunk(), Bytes(state.begin(), state.end()));
}

TEST(Vst2Chunk, CarriesWhatTheHostSetWhileSuspended)
{
	// Controls that land at once: smoothed ones reach the state only as
	// audio runs, in either face.
	constexpr int kDelayState = 8, kActive = 9;
	Instance source;
	source.dispatch(effSetProgram, 0, 3);
	source->setParameter(source.get(), kDelayState, 1.0f);
	source->setParameter(source.get(), kActive, 1.0f);
	const Bytes saved = source.chunk();

	Instance restored;
	EXPECT_EQ(restored.setChunk(saved), 1);
	EXPECT_EQ(restored.chunk(), saved);
	for (int i = 0; i < 10; ++i)
		EXPECT_EQ(restored.text(effGetParamDisplay, i), source.text(effGetParamDisplay, i)) << i;
	EXPECT_EQ(restored->getParameter(restored.get(), kDelayState), 1.0f);
	EXPECT_EQ(restored->getParameter(restored.get(), kActive), 1.0f);
	EXPECT_EQ(restored.text(effGetParamDisplay, 2), "5108.50") << "the program's values came along";
}

TEST(Vst2Chunk, TheVst3FaceReadsItAndTheOtherWayRound)
{
	Instance plug;
	plug.dispatch(effSetProgram, 0, 5);
	Vst3Face face;
	const Bytes saved = plug.chunk();
	ASSERT_EQ(face.instance.setState(std::vector<std::uint8_t>(saved.begin(), saved.end())), Steinberg::kResultOk);
	const std::vector<std::uint8_t> state = face.instance.getState();
	EXPECT_EQ(Bytes(state.begin(), state.end()), saved);

	Instance fresh;
	EXPECT_EQ(fresh.setChunk(Bytes(state.begin(), state.end())), 1);
	EXPECT_EQ(fresh.text(effGetParamDisplay, 0), plug.text(effGetParamDisplay, 0));
}

TEST(Vst2Chunk, ARefusedChunkChangesNothing)
{
	Instance plug;
	plug->setParameter(plug.get(), 0, 0.5f);
	const Bytes before = plug.chunk();
	EXPECT_EQ(plug.setChunk(Bytes(kFreshState.begin(), kFreshState.begin() + 20)), 0);
	EXPECT_EQ(plug.dispatch(effSetChunk, 0, 0, nullptr), 0);
	EXPECT_EQ(plug.chunk(), before);
	EXPECT_EQ(plug->getParameter(plug.get(), 0), 0.5f);
}

TEST(Vst2Chunk, IsReadWhileProcessing)
{
	Instance plug;
	plug.resume(48000.0, 128);
	plug->setParameter(plug.get(), 0, 0.5f);
	std::vector<float> left(128), right(128);
	for (int block = 0; block < 375; ++block) // one second: the delay time has glided there
		plug.process(left, right);
	Instance other;
	EXPECT_EQ(other.setChunk(plug.chunk()), 1);
	EXPECT_EQ(other.text(effGetParamDisplay, 0), "1000.00");
}
