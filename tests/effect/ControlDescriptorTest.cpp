#include "ControlList.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(ControlDescriptor, CopiesOwnTheirTextsAndCutThemAt1023Characters)
{
	ControlDescriptor original;
	const std::string longName(1500, 'x');
	original.name = longName.c_str();
	original.units = "mSec";
	ControlDescriptor copy(original);
	EXPECT_EQ(copy.name.str(), std::string(1023, 'x'));
	EXPECT_EQ(copy.units.str(), "mSec");
	original.units = "Hz";
	EXPECT_EQ(copy.units.str(), "mSec");
}

TEST(ControlDescriptor, CopyStartsWithAFreshSmootherAndAssignmentKeepsItsOwn)
{
	ControlDescriptor source;
	source.smoothingTarget = 3;
	source.smoother.single = {0.5f, 0.5f, 7.0f, 7.0f};
	ControlDescriptor copy(source);
	EXPECT_EQ(copy.smoothingTarget, 3.0f);
	EXPECT_EQ(copy.smoother.single.state, 0.0f);

	ControlDescriptor assigned;
	assigned.smoother.single = {0.25f, 0.75f, 1.0f, 1.0f};
	assigned = source;
	EXPECT_EQ(assigned.smoothingTarget, 3.0f);
	EXPECT_EQ(assigned.smoother.single.pole, 0.25f);

	const ControlDescriptor before = source;
	source = *&source;
	EXPECT_EQ(source.name.str(), before.name.str());
	EXPECT_EQ(source.smoother.single.state, 7.0f);
}

TEST(ControlList, AppendsCountsFindsAndRemoves)
{
	ControlList list;
	EXPECT_EQ(list.count(), 0);
	EXPECT_EQ(list.at(0), nullptr);
	for (uint32_t id : {5u, 6u, 7u})
	{
		ControlDescriptor control;
		control.controlId = id;
		list.append(control);
	}
	EXPECT_EQ(list.count(), 3);
	EXPECT_EQ(list.at(2)->controlId, 7u);
	EXPECT_EQ(list.at(3), nullptr);

	ControlDescriptor absent;
	absent.controlId = 99;
	list.remove(absent);
	EXPECT_EQ(list.count(), 3);

	ControlDescriptor middle;
	middle.controlId = 6;
	list.remove(middle);
	ASSERT_EQ(list.count(), 2);
	EXPECT_EQ(list.at(1)->controlId, 7u);
	list.clear();
	EXPECT_EQ(list.count(), 0);
}

TEST(ControlValues, EnumerationsRoundHalvesUpAndIgnoreTheirOwnValue)
{
	CountingEffect effect;
	effect.setNormalized(CountingEffect::kEnum, 0.49f, false);
	EXPECT_EQ(effect.enumValue, 0u);
	EXPECT_TRUE(effect.changes.empty()) << "the value it already had calls no hook";
	effect.setNormalized(CountingEffect::kEnum, 0.5f, false);
	EXPECT_EQ(effect.enumValue, 1u);
	effect.setPlain(CountingEffect::kEnum, 1.0f);
	EXPECT_EQ(effect.changes, std::vector<uint32_t>{13});
}

TEST(ControlValues, IntegersTruncatePlainValuesAndRoundNormalizedOnes)
{
	CountingEffect effect;
	effect.setPlain(CountingEffect::kInt, 2.9f);
	EXPECT_EQ(effect.intValue, 2);
	effect.setNormalized(CountingEffect::kInt, (2.9f + 10.0f) / 20.0f, false);
	EXPECT_EQ(effect.intValue, 3);
	EXPECT_EQ(effect.controlValue(CountingEffect::kInt), 3.0f);
	EXPECT_EQ(effect.changes.size(), 2u);
}

TEST(ControlValues, HostileValuesSaturateInsteadOfOverflowing)
{
	CountingEffect effect;
	const float nan = std::numeric_limits<float>::quiet_NaN();
	effect.setNormalized(CountingEffect::kInt, 1e30f, false);
	EXPECT_EQ(effect.intValue, INT32_MAX);
	effect.setPlain(CountingEffect::kInt, nan);
	EXPECT_EQ(effect.intValue, 0);
	effect.setNormalized(CountingEffect::kEnum, -5.0f, false);
	EXPECT_EQ(effect.enumValue, 0u);
	effect.setPlain(CountingEffect::kEnum, 1e30f);
	EXPECT_EQ(effect.enumValue, UINT32_MAX);
}

TEST(Smoothing, GlideLandsExactlyOnTheTargetAndThenFallsQuiet)
{
	CountingEffect effect;
	effect.m_sampleRate = 48000;
	effect.prepareToProcess();
	effect.setNormalized(CountingEffect::kFloat, 0.5f, false);
	EXPECT_EQ(effect.floatValue, 0.0f) << "only the target moves at once";
	effect.changes.clear();

	int frames = 0;
	while (effect.floatValue != 50.0f && frames < 1000000)
	{
		effect.smoothControls();
		++frames;
	}
	ASSERT_EQ(effect.floatValue, 50.0f);
	const size_t hookCalls = effect.changes.size();
	EXPECT_GT(hookCalls, 1000u);
	for (int i = 0; i < 100; ++i)
		effect.smoothControls();
	EXPECT_EQ(effect.floatValue, 50.0f);
	EXPECT_EQ(effect.changes.size(), hookCalls);
}

TEST(Smoothing, DoubleControlsGlideInDoublePrecision)
{
	CountingEffect effect;
	effect.prepareToProcess();
	effect.setNormalized(CountingEffect::kDouble, 0.25f, false);
	effect.smoothControls();
	EXPECT_GT(effect.doubleValue, 0.0);
	EXPECT_LT(effect.doubleValue, 0.25);
	for (int i = 0; i < 200000 && effect.doubleValue != 0.25; ++i)
		effect.smoothControls();
	EXPECT_EQ(effect.doubleValue, 0.25);
}

TEST(Smoothing, ValueThatLandsAtOnceStaysWhenTheSmootherRuns)
{
	CountingEffect effect;
	effect.m_sampleRate = 44100;
	effect.prepareToProcess();
	// A glide toward 80 is under way when a restored value arrives.
	effect.setNormalized(CountingEffect::kFloat, 0.8f, false);
	for (int i = 0; i < 10; ++i)
		effect.smoothControls();

	ControlDescriptor& control = *effect.m_controlArray[CountingEffect::kFloat];
	control.smoothingEnabled = false;
	effect.setPlain(CountingEffect::kFloat, 12.5f);
	control.smoothingEnabled = true;
	EXPECT_EQ(control.smoothingTarget, 12.5f);

	effect.changes.clear();
	for (int i = 0; i < 1000; ++i)
	{
		effect.smoothControls();
		ASSERT_EQ(effect.floatValue, 12.5f) << "frame " << i;
	}
	EXPECT_TRUE(effect.changes.empty());

	effect.setNormalized(CountingEffect::kFloat, 0.25f, true);
	effect.smoothControls();
	EXPECT_EQ(effect.floatValue, 25.0f) << "an immediate update stays too";

	// A later glide starts from the landed value.
	effect.setNormalized(CountingEffect::kFloat, 1.0f, false);
	effect.smoothControls();
	EXPECT_GT(effect.floatValue, 25.0f);
	EXPECT_LT(effect.floatValue, 26.0f);
}

TEST(Smoothing, PreparingDuringAGlideLandsOnItsTarget)
{
	CountingEffect effect;
	effect.prepareToProcess();
	effect.setNormalized(CountingEffect::kFloat, 0.9f, false);
	effect.smoothControls();
	ASSERT_LT(effect.floatValue, 90.0f);
	// A re-activation resets the smoothers; the value the host set must survive it.
	effect.prepareToProcess();
	EXPECT_EQ(effect.floatValue, 90.0f);
	for (int i = 0; i < 100; ++i)
		effect.smoothControls();
	EXPECT_EQ(effect.floatValue, 90.0f);
}

TEST(Smoothing, UnusableSampleRateJumpsInsteadOfGlidingToInfinity)
{
	for (int32_t rate : {0, -48000})
	{
		CountingEffect effect;
		effect.m_sampleRate = rate;
		effect.prepareToProcess();
		effect.setNormalized(CountingEffect::kFloat, 0.5f, false);
		effect.smoothControls();
		effect.smoothControls();
		EXPECT_EQ(effect.floatValue, 50.0f) << rate;
	}
}

} // namespace
