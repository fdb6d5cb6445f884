// The VST 2 face sounds exactly like the VST 3 face.
#include "Vst2TestHost.h"
#include "Vst3Face.h"

#include "host/ProcessBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Vst2Test;

namespace {

constexpr double kSampleRate = 48000.0;
constexpr int kBlock = 256;
constexpr int kLength = 24 * kBlock;
constexpr int kBanking = 3;
constexpr float kShortDelay = 0.0625f; // 125 ms: the echoes come within the test signal

struct Stereo
{
	std::vector<float> left = testSignal(kLength, 1);
	std::vector<float> right = testSignal(kLength, 2);
};

// The reference: the same settings through the VST 3 face, in blocks of kBlock.
Stereo renderVst3()
{
	Vst3Face face;
	face.instance.controller().setParamNormalized(0x70727374, kBanking / 10.0);
	face.instance.controller().setParamNormalized(0, kShortDelay);
	face.instance.setupProcessing(kSampleRate, kBlock);
	face.instance.setActive(true);
	face.instance.setProcessing(true);
	VeltraneHost::ProcessBlock block = face.instance.makeBlock(kBlock);
	Stereo audio;
	for (int start = 0; start < kLength; start += kBlock)
	{
		std::copy_n(audio.left.begin() + start, kBlock, block.input(0));
		std::copy_n(audio.right.begin() + start, kBlock, block.input(1));
		block.clearInputs();
		if (start == 0)
			block.inputParameterChanges().addPoint(0, 0, kShortDelay);
		EXPECT_EQ(face.instance.process(block), Steinberg::kResultOk);
		std::copy_n(block.output(0), kBlock, audio.left.begin() + start);
		std::copy_n(block.output(1), kBlock, audio.right.begin() + start);
	}
	return audio;
}

// The same through the VST 2 face, the host handing `hostFrames` per call.
Stereo renderVst2(int blockSize, int hostFrames, bool inPlace = false)
{
	Instance plug;
	plug.dispatch(effSetProgram, 0, kBanking);
	plug->setParameter(plug.get(), 0, kShortDelay);
	plug.resume(kSampleRate, blockSize);
	Stereo audio;
	for (int start = 0; start < kLength; start += hostFrames)
	{
		const int frames = std::min(hostFrames, kLength - start);
		float* left = audio.left.data() + start;
		float* right = audio.right.data() + start;
		std::vector<float> inLeft(left, left + frames), inRight(right, right + frames);
		float* inputs[2] = {inPlace ? left : inLeft.data(), inPlace ? right : inRight.data()};
		float* outputs[2] = {left, right};
		plug->processReplacing(plug.get(), inputs, outputs, frames);
	}
	plug.suspend();
	return audio;
}

void expectSameAudio(const Stereo& actual, const Stereo& expected)
{
	int differences = 0;
	for (int i = 0; i < kLength && differences < 5; ++i)
	{
		const bool same = actual.left[i] == expected.left[i] && actual.right[i] == expected.right[i];
		EXPECT_TRUE(same) << "frame " << i << ": " << actual.left[i] << " " << actual.right[i] << " instead of "
						  << expected.left[i] << " " << expected.right[i];
		differences += same ? 0 : 1;
	}
}

} // namespace

TEST(Vst2Audio, IsTheVst3FacesSampleForSample)
{
	const Stereo expected = renderVst3();
	// Not a pass-through: the echo is there.
	const Stereo dry;
	EXPECT_FALSE(std::equal(expected.left.begin(), expected.left.end(), dry.left.begin()));
	expectSameAudio(renderVst2(kBlock, kBlock), expected);
}

TEST(Vst2Audio, DoesNotDependOnHowTheHostCutsTheStream)
{
	const Stereo expected = renderVst3();
	expectSameAudio(renderVst2(kBlock, 1000), expected); // longer than announced: processed in pieces
	expectSameAudio(renderVst2(kBlock, 100), expected);
	expectSameAudio(renderVst2(kBlock, kBlock, true), expected); // inputs and outputs the same buffers
}

TEST(Vst2Audio, IsSilentWhileSuspendedAndPlaysAfterAResume)
{
	Instance plug;
	std::vector<float> left = testSignal(kBlock, 3), right = testSignal(kBlock, 4);
	plug.process(left, right);
	EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](float s) { return s == 0.0f; }));

	plug.resume(kSampleRate, kBlock);
	plug.dispatch(effMainsChanged, 0, 1); // a second resume changes nothing
	plug.suspend();
	plug.suspend();
	left = testSignal(kBlock, 3);
	plug.process(left, right);
	EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](float s) { return s == 0.0f; }));

	plug.resume(kSampleRate, kBlock);
	left.assign(kBlock, 0.5f);
	plug.process(left, right);
	EXPECT_TRUE(std::any_of(left.begin(), left.end(), [](float s) { return s != 0.0f; }));
}
