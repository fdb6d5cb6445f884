#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

// Loads the probe module as a host would, so the entry points are only
// reachable if the module really exports them.
class ModuleEntryTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		module = dlopen(SDK_MODULE_PROBE_PATH, RTLD_NOW | RTLD_LOCAL);
		ASSERT_NE(module, nullptr) << dlerror();
		moduleEntry = symbol<bool (*)(void*)>("ModuleEntry");
		moduleExit = symbol<bool (*)()>("ModuleExit");
		initDll = symbol<bool (*)()>("InitDll");
		exitDll = symbol<bool (*)()>("ExitDll");
		initCalls = symbol<int (*)()>("ProbeInitCalls");
		deinitCalls = symbol<int (*)()>("ProbeDeinitCalls");
		moduleHandle = symbol<void* (*)()>("ProbeModuleHandle");
		letInitSucceed = symbol<void (*)(bool)>("ProbeLetInitSucceed");
	}
	void TearDown() override
	{
		if (module)
			dlclose(module);
	}

	template <class Function>
	Function symbol(const char* name)
	{
		auto function = reinterpret_cast<Function>(dlsym(module, name));
		EXPECT_NE(function, nullptr) << name << " is not exported";
		return function;
	}

	void* module = nullptr;
	bool (*moduleEntry)(void*) = nullptr;
	bool (*moduleExit)() = nullptr;
	bool (*initDll)() = nullptr;
	bool (*exitDll)() = nullptr;
	int (*initCalls)() = nullptr;
	int (*deinitCalls)() = nullptr;
	void* (*moduleHandle)() = nullptr;
	void (*letInitSucceed)(bool) = nullptr;
};

TEST_F(ModuleEntryTest, NestedEntriesInitialiseOnceAndExitOnLastCall)
{
	ASSERT_FALSE(HasFailure());
	EXPECT_TRUE(moduleEntry(module));
	EXPECT_TRUE(moduleEntry(module));
	EXPECT_EQ(initCalls(), 1);
	EXPECT_EQ(moduleHandle(), module);

	EXPECT_TRUE(moduleExit());
	EXPECT_EQ(deinitCalls(), 0);
	EXPECT_EQ(moduleHandle(), module);
	EXPECT_TRUE(moduleExit());
	EXPECT_EQ(deinitCalls(), 1);
	EXPECT_EQ(moduleHandle(), nullptr);

	// An exit without an entry must not run the hook again.
	EXPECT_FALSE(moduleExit());
	EXPECT_EQ(deinitCalls(), 1);

	// The cycle starts over after the last exit.
	EXPECT_TRUE(moduleEntry(module));
	EXPECT_EQ(initCalls(), 2);
	EXPECT_TRUE(moduleExit());
	EXPECT_EQ(deinitCalls(), 2);
}

TEST_F(ModuleEntryTest, FailedInitialisationLeavesNothingEntered)
{
	ASSERT_FALSE(HasFailure());
	letInitSucceed(false);
	EXPECT_FALSE(moduleEntry(module));
	EXPECT_EQ(moduleHandle(), nullptr);

	letInitSucceed(true);
	EXPECT_TRUE(moduleEntry(module));
	EXPECT_EQ(initCalls(), 2);
	EXPECT_TRUE(moduleExit());
	EXPECT_EQ(deinitCalls(), 1);
}

TEST_F(ModuleEntryTest, LegacyEntriesRunTheHooksAndAnswerTheirResult)
{
	ASSERT_FALSE(HasFailure());
	letInitSucceed(false);
	EXPECT_FALSE(initDll());
	letInitSucceed(true);
	EXPECT_TRUE(initDll());
	EXPECT_EQ(initCalls(), 2);
	EXPECT_TRUE(exitDll());
	EXPECT_EQ(deinitCalls(), 1);
}

} // namespace
