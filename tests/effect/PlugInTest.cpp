#include "TestEffect.h"

#include <gtest/gtest.h>

namespace {

TEST(JoystickMix, CentreGivesEqualWeights)
{
	const JoystickWeights w = CPlugIn::joystickMix(0, 0, true);
	for (float weight : {w.weightA, w.weightB, w.weightC, w.weightD})
		EXPECT_EQ(weight, 0.25f);
	EXPECT_EQ(w.acMix, 0.5f);
	EXPECT_EQ(w.bdMix, 0.5f);
}

TEST(JoystickMix, CornersAreLimitedToTheUnitRange)
{
	const JoystickWeights pad = CPlugIn::joystickMix(1, 1, true);
	EXPECT_NEAR(pad.weightB, 0.5001, 1e-4);
	EXPECT_NEAR(pad.weightC, 0.5041, 1e-4);
	EXPECT_NEAR(pad.weightD, 0.0020, 1e-4);
	EXPECT_EQ(pad.weightA, 0.0f);
	EXPECT_EQ(pad.acMix, 1.0f);
	EXPECT_EQ(pad.bdMix, 1.0f);

	const JoystickWeights diamond = CPlugIn::joystickMix(-1, -1, false);
	EXPECT_EQ(diamond.weightB, 0.0f);
	EXPECT_EQ(diamond.weightC, 0.0f);
	EXPECT_EQ(diamond.weightD, 1.0f);
	EXPECT_EQ(diamond.weightA, 0.0f);
	EXPECT_EQ(diamond.acMix, 0.5f);
	EXPECT_NEAR(diamond.bdMix, 0.0f, 1e-8f);
}

TEST(PlugIn, NoteTableCoversNotesZeroTo126)
{
	CountingEffect effect;
	EXPECT_EQ(sizeof(effect.m_noteFrequencies) / sizeof(float), 127u);
	EXPECT_NEAR(effect.m_noteFrequencies[69], 440.0f, 0.01f);
	EXPECT_NEAR(effect.m_noteFrequencies[0], 8.1757989f, 1e-6f);
}

TEST(PlugIn, UnsmoothedJoystickMixesAtOnceWithThePadFlagOfX)
{
	CountingEffect effect;
	effect.setJoystickX(0.0f, false);
	effect.setJoystickY(0.0f, true);
	ASSERT_EQ(effect.mixes.size(), 2u);
	// The Y call uses the flag stored in X (diamond), not its own.
	const JoystickWeights expected = CPlugIn::joystickMix(0, 0, false);
	EXPECT_EQ(effect.mixes[1].acMix, expected.acMix);
	EXPECT_TRUE(effect.m_joystickY.padCoordinates);

	float x = 1, y = 1;
	effect.setJoystickY(-0.5f, false);
	effect.joystickPosition(x, y);
	EXPECT_EQ(x, 0.0f);
	EXPECT_EQ(y, -0.5f);
}

TEST(PlugIn, SmoothedJoystickGlidesAndMixesEveryFrame)
{
	CountingEffect effect;
	effect.m_joystickX.smoothingEnabled = true;
	effect.m_joystickY.smoothingEnabled = true;
	effect.prepareToProcess();
	effect.setJoystickX(1.0f, true);
	EXPECT_TRUE(effect.mixes.empty()) << "a smoothed X waits for the frames";
	for (int i = 0; i < 3; ++i)
		effect.smoothControls();
	EXPECT_EQ(effect.mixes.size(), 3u);
	EXPECT_GT(effect.m_joystickX.joystickValue, 0.0f);
	EXPECT_LT(effect.m_joystickX.joystickValue, 1.0f);
}

TEST(HostMessage, ControlUpdatesNeedTheExactEntryCount)
{
	CountingEffect effect;
	HostTimeInfo time;
	time.tempoBpm = 120;
	ControlExchangeEntry updates[CountingEffect::kControls + 2] = {};
	updates[CountingEffect::kEnum] = {CountingEffect::kEnum, 13, 1.0f, 0, true, false};
	updates[CountingEffect::kControls] = {0, 0, 0, 0.5f, true, true};

	HostMessageInfo info;
	info.updates = updates;
	info.hostTime = &time;
	info.entryCount = CountingEffect::kControls + 1;
	effect.hostMessage(kHostApplyControls, info);
	EXPECT_EQ(effect.enumValue, 0u);
	EXPECT_EQ(effect.m_hostTime.tempoBpm, 0.0);

	info.entryCount = CountingEffect::kControls + 2;
	effect.hostMessage(kHostApplyControls, info);
	EXPECT_EQ(effect.enumValue, 1u);
	EXPECT_EQ(effect.m_hostTime.tempoBpm, 120.0);
	EXPECT_EQ(effect.m_joystickX.joystickValue, 0.5f);
	EXPECT_TRUE(effect.m_joystickY.padCoordinates);
	EXPECT_EQ(effect.mixes.size(), 1u);
}

TEST(HostMessage, MetersAreCollectedIntoTheExchangeArray)
{
	CountingEffect effect;
	effect.meterValue = 0.75f;
	HostMessageInfo info;
	info.entryCount = CountingEffect::kControls + 2;
	effect.hostMessage(kHostCollectMeters, info);
	ASSERT_NE(info.meters, nullptr);
	EXPECT_TRUE(info.meters[CountingEffect::kMeter].changed);
	EXPECT_EQ(info.meters[CountingEffect::kMeter].value, 0.75f);
	EXPECT_FALSE(info.meters[CountingEffect::kFloat].changed);
	EXPECT_EQ(info.meters[CountingEffect::kFloat].controlId, 11);
}

TEST(HostMessage, HostTimeIsCopiedAndOtherKindsAreIgnored)
{
	CountingEffect effect;
	HostTimeInfo time;
	time.samplePosition = 4800;
	HostMessageInfo info;
	info.hostTime = &time;
	effect.hostMessage(kHostEventList, info);
	EXPECT_EQ(effect.m_hostTime.samplePosition, 0u);
	effect.hostMessage(kHostTime, info);
	EXPECT_EQ(effect.m_hostTime.samplePosition, 4800u);
}

TEST(PlugIn, ReleasedLinkedUpdatesLeaveAnEmptyList)
{
	CountingEffect effect;
	LinkedUpdate* head = nullptr;
	for (int i = 0; i < 4; ++i)
		head = new LinkedUpdate{i, 0.5f, head};
	effect.releaseLinkedUpdates(head);
	EXPECT_EQ(head, nullptr);
	EXPECT_FALSE(effect.linkedUpdates(0, 0, head, true));
}

} // namespace
