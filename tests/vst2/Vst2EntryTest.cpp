// How a VST 2 host finds and creates the plug-in.
#include "Vst2TestHost.h"

#include <gtest/gtest.h>

using namespace Vst2Test;

TEST(Vst2Entry, ExportsTheEntryUnderBothNames)
{
	ASSERT_NE(entryPoint("VSTPluginMain"), nullptr);
	EXPECT_EQ(entryPoint("MAIN"), entryPoint("VSTPluginMain"));
}

TEST(Vst2Entry, RefusesACallerThatIsNotAVst2Host)
{
	EXPECT_EQ(entryPoint("VSTPluginMain")(&silentCallback), nullptr);
	EXPECT_EQ(entryPoint("MAIN")(&silentCallback), nullptr);
	EXPECT_EQ(entryPoint("VSTPluginMain")(nullptr), nullptr);
}

TEST(Vst2Entry, InstancesAreIndependentAndOutliveEachOther)
{
	for (int round = 0; round < 2; ++round) // a second round after all were closed
	{
		auto first = std::make_unique<Instance>();
		Instance second;
		first->get()->setParameter(first->get(), 0, 0.5f);
		EXPECT_EQ(second->getParameter(second.get(), 0), 0.0f);
		first.reset();
		second->setParameter(second.get(), 0, 0.25f);
		EXPECT_EQ(second->getParameter(second.get(), 0), 0.25f);
		EXPECT_EQ(second.text(effGetParamDisplay, 0), "500.00");
	}
}
