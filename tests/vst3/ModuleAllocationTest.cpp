// The audio thread must not allocate.
#include "ModuleTestSupport.h"

#include "host/NoteEvents.h"

#include <gtest/gtest.h>

#include "AllocationCounter.h"

namespace ModuleTest {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST(ModuleAllocation, CounterSeesTheModulesAllocations)
{
	const VeltraneHost::Module module = VeltraneHost::Module::load(bundlePath());
	PClassInfo info{};
	ASSERT_EQ(module.factory().getClassInfo(0, &info), kResultOk);

	void* object = nullptr;
	long made = 0;
	{
		// Only module code runs in here: the factory, the constructor and initialize.
		AllocationCounter::Window window;
		ASSERT_EQ(module.factory().createInstance(info.cid, IComponent::iid, &object), kResultOk);
		static_cast<IComponent*>(object)->initialize(nullptr);
		made = window.count();
	}
	EXPECT_GT(made, 0);
	static_cast<IComponent*>(object)->terminate();
	static_cast<IComponent*>(object)->release();
}

// Parameter changes of every kind, bypass and notes, for one block.
void fillBlock(VeltraneHost::ProcessBlock& block, int32 round)
{
	block.clearInputs();
	const double ramp = (round % 10) / 10.0;
	for (ParamID id = 0; id < static_cast<ParamID>(kControlCount); ++id)
		block.inputParameterChanges().addPoint(id, (round * 7 + static_cast<int32>(id)) % kMaxBlock, ramp);
	block.inputParameterChanges().addPoint(kBypassId, 0, round % 4 == 3 ? 1.0 : 0.0);
	block.inputParameterChanges().addPoint(kProgramId, 0, ramp);
	for (ParamID id : {0x800u, 0x801u, 0x802u, 0x803u, 0x804u, 0x805u, 0x806u, 0x807u, 0x8000u, 0x8001u, 0x8002u,
	                   0x8005u, 0x8006u})
		block.inputParameterChanges().addPoint(id, 3, 1.0 - ramp);
	block.inputEvents().add(VeltraneHost::noteOn(round % kMaxBlock, 0, 60, 0.8f));
	block.inputEvents().add(VeltraneHost::noteOff((round + 100) % kMaxBlock, 0, 60));
	for (int32 c = 0; c < block.inputChannelCount(); ++c)
		for (int32 i = 0; i < block.numSamples(); ++i)
			block.input(c)[i] = ((i + round) % 50) / 50.0f - 0.5f;
}

TEST(ModuleAllocation, ProcessingAllocatesNothing)
{
	PlugIn plugIn;
	plugIn.start();
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	VeltraneHost::Transport transport;
	StateFields restored;
	restored.floats[0] = 800;
	restored.enums[0] = 1;
	const std::vector<uint8_t> state = encodeState(restored);

	long made = 0;
	for (int32 round = 0; round < 200; ++round)
	{
		fillBlock(block, round);
		block.setContext(transport.context());
		transport.advance(kMaxBlock);
		// Controller-side changes, picked up by the next process call.
		if (round % 20 == 5)
			plugIn.controller().setParamNormalized(kProgramId, (round / 20) / 10.0);
		if (round % 50 == 25)
		{
			ASSERT_EQ(plugIn.instance.setState(state), kResultOk);
		}

		AllocationCounter::Window window;
		const tresult result = plugIn.instance.process(block);
		made += window.count();
		ASSERT_EQ(result, kResultOk);
	}
	EXPECT_EQ(made, 0);
}

} // namespace
} // namespace ModuleTest
