// A processor running a PathsTestEffect, set up as a host would: initialized
// with a host context, 48 kHz, active. The factories choose the effect's wishes.
#pragma once

#include "PathsTestEffect.h"
#include "Processor.h"

#include "host/ProcessBlock.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <string>

namespace PathsTest {

using namespace Steinberg;
using namespace Steinberg::Vst;
using Doru2VST3::Processor;

inline CPlugIn* makePlain()
{
	return new PathsTestEffect;
}

template <uint32_t Granularity>
CPlugIn* makeQueued()
{
	auto* effect = new PathsTestEffect;
	effect->m_wantsParamQueues = 1;
	effect->m_queueGranularity = Granularity;
	return effect;
}

inline CPlugIn* makeSideChain()
{
	auto* effect = new PathsTestEffect;
	effect->m_wantsSideChain = 1;
	return effect;
}

inline CPlugIn* makeWholeBuffers()
{
	auto* effect = new PathsTestEffect;
	effect->m_wholeBuffers = true;
	return effect;
}

inline CPlugIn* makeWholeBuffersWithSideChain()
{
	auto* effect = new PathsTestEffect;
	effect->m_wholeBuffers = true;
	effect->m_wantsSideChain = 1;
	return effect;
}

inline CPlugIn* makeOutputOnly()
{
	auto* effect = new PathsTestEffect;
	effect->m_outputOnly = true;
	effect->dc = 0.125f;
	return effect;
}

inline CPlugIn* makeOutputOnlyWholeBuffers()
{
	auto* effect = static_cast<PathsTestEffect*>(makeOutputOnly());
	effect->m_wholeBuffers = true;
	return effect;
}

inline CPlugIn* makeWithButtons()
{
	auto* effect = new PathsTestEffect;
	effect->m_buttonLabels[0] = "Tap";
	effect->m_buttonLabels[1] = "Hold";
	effect->m_buttonLabels[2] = "Reset";
	return effect;
}

inline std::string narrow(const TChar* text)
{
	std::string result;
	for (; text && *text; ++text)
		result += *text < 0x80 ? static_cast<char>(*text) : '?';
	return result;
}

class ProcessorPaths : public ::testing::Test
{
protected:
	void start(Processor::EffectFactory factory = &makePlain)
	{
		processor = Steinberg::owned(new Processor(factory));
		ASSERT_EQ(processor->initialize(&hostContext), kResultOk);
		ProcessSetup setup{kRealtime, kSample32, 1024, 48000.0};
		ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
		ASSERT_EQ(processor->setActive(true), kResultOk);
	}

	void TearDown() override
	{
		if (!processor)
			return;
		processor->setActive(false);
		processor->terminate();
	}

	PathsTestEffect& effect() { return static_cast<PathsTestEffect&>(*processor->effect); }

	// One block from `block` with its current inputs; the inputs are then emptied.
	tresult run(VeltraneHost::ProcessBlock& block)
	{
		const tresult result = processor->process(block.assemble());
		block.clearInputs();
		return result;
	}

	// One block of `samples` stereo frames with a single change of `id`.
	void change(ParamID id, ParamValue value, int32 samples = 4)
	{
		VeltraneHost::ProcessBlock block(2, 2, samples);
		block.inputParameterChanges().addPoint(id, 0, value);
		ASSERT_EQ(run(block), kResultOk);
	}

	std::string text(ParamID id, ParamValue normalized)
	{
		String128 out = {u'?', 0};
		EXPECT_EQ(processor->getParamStringByValue(id, normalized, out), kResultTrue);
		return narrow(out);
	}

	HostApplication hostContext; // counts no references: owned by the test
	IPtr<Processor> processor;
};

} // namespace PathsTest
