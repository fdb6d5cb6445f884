#include "host/BundlePath.h"
#include "host/HostError.h"
#include "host/Module.h"

#include "ProbeAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

using VeltraneHost::HostError;
using VeltraneHost::Module;

namespace {

namespace fs = std::filesystem;

// The HostError text load() gives, or nothing when it loads.
std::optional<std::string> loadError(const std::string& path)
{
	try
	{
		Module::load(path);
	}
	catch (const HostError& error)
	{
		return std::string(error.what());
	}
	return std::nullopt;
}

class ScratchFolder
{
public:
	ScratchFolder() : path(fs::temp_directory_path() / ("host-tests-" + std::to_string(::getpid())))
	{
		fs::create_directories(path);
	}
	~ScratchFolder() { fs::remove_all(path); }
	const fs::path path;
};

} // namespace

TEST(Module, NamesAMissingPath)
{
	const std::string error = loadError("/nonexistent/Nothing.vst3").value_or("");
	EXPECT_NE(error.find("/nonexistent/Nothing.vst3"), std::string::npos) << error;
}

TEST(Module, RefusesAFileThatIsNotASharedLibrary)
{
	ScratchFolder scratch;
	const fs::path file = scratch.path / "text.so";
	std::ofstream(file) << "not a library\n";
	const std::string error = loadError(file.string()).value_or("");
	EXPECT_NE(error.find("cannot load " + file.string()), std::string::npos) << error;
}

TEST(Module, RefusesFoldersThatAreNotCompleteBundles)
{
	ScratchFolder scratch;
	fs::create_directories(scratch.path / "Plain");
	fs::create_directories(scratch.path / "Empty.vst3" / "Contents");
	EXPECT_NE(loadError((scratch.path / "Plain").string()).value_or("").find("not a .vst3 bundle"), std::string::npos);
	const std::string error = loadError((scratch.path / "Empty.vst3").string()).value_or("");
	EXPECT_NE(error.find("Contents/x86_64-linux/Empty.so"), std::string::npos) << error;
}

TEST(Module, ResolvesTheBinaryInsideABundle)
{
	EXPECT_EQ(VeltraneHost::resolveModuleBinary(FAKE_PLUG_BUNDLE), FAKE_PLUG_BINARY);
	EXPECT_EQ(VeltraneHost::resolveModuleBinary(FAKE_PLUG_BUNDLE "/"), FAKE_PLUG_BINARY);
	EXPECT_EQ(VeltraneHost::resolveModuleBinary(FAKE_PLUG_BINARY), FAKE_PLUG_BINARY);
}

TEST(Module, RefusesModulesThatBreakTheEntryProtocol)
{
	struct Case
	{
		const char* binary;
		const char* errorText;
		int entries;
		int exits;	// ModuleExit balances every ModuleEntry that succeeded
	};
	const Case cases[] = {
		{BROKEN_NO_ENTRY_BINARY, "does not export ModuleEntry", 0, 0},
		{BROKEN_ENTRY_FALSE_BINARY, "refused to start", 1, 0},
		{BROKEN_NO_FACTORY_BINARY, "does not export GetPluginFactory", 1, 1},
		{BROKEN_NULL_FACTORY_BINARY, "returned no plug-in factory", 1, 1},
	};
	for (const Case& broken : cases)
	{
		SCOPED_TRACE(broken.binary);
		ProbeAccess probe(broken.binary);
		const std::string error = loadError(broken.binary).value_or("");
		EXPECT_NE(error.find(broken.errorText), std::string::npos) << error;
		EXPECT_EQ(probe->moduleEntries, broken.entries);
		EXPECT_EQ(probe->moduleExits, broken.exits);
	}
}

TEST(Module, ListsClassesAndUnloadsWhenTheLastCopyGoes)
{
	ProbeAccess probe(FAKE_PLUG_BINARY);
	{
		std::optional<Module> original = Module::load(FAKE_PLUG_BUNDLE);
		const Module copy = *original;
		original.reset();
		EXPECT_EQ(probe->moduleExits, 0);
		ASSERT_EQ(copy.classes().size(), 1u);
		EXPECT_EQ(copy.classes()[0].category, kVstAudioEffectClass);
		EXPECT_EQ(copy.classes()[0].name, "Fake Gain");
		EXPECT_EQ(copy.binaryPath(), FAKE_PLUG_BINARY);
	}
	EXPECT_EQ(probe->moduleEntries, 1);
	EXPECT_EQ(probe->moduleExits, 1);
	EXPECT_EQ(probe->liveObjects, 0) << "the factory was not released";
}
