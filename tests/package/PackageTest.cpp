// The Debian package as a user gets it: unpacked into a temporary root with
// dpkg, its layout is what hosts look for, its dependencies are computed, and
// the veltrane inside renders through the bundle inside without being told where,
// its preset files sound as the built-in presets, and lintian finds nothing wrong.
#include "TestAudio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

// The package `make deb` (or the test run) built, or nothing.
fs::path builtPackage()
{
	const std::string prefix = std::string(VELTRANE_PACKAGE_NAME) + "_" + VELTRANE_PACKAGE_VERSION + "_";
	std::error_code error;
	for (const fs::directory_entry& entry : fs::directory_iterator(VELTRANE_PACKAGE_DIR, error))
	{
		const std::string name = entry.path().filename().string();
		if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".deb")
			return entry.path();
	}
	return {};
}

struct CommandResult
{
	int status = -1;
	std::string output;
};

// Runs a shell command with VELTRANE_PLUGIN unset; stdout and stderr together.
CommandResult run(const std::string& command)
{
	CommandResult result;
	const std::string line = "env -u VELTRANE_PLUGIN " + command + " 2>&1";
	FILE* pipe = popen(line.c_str(), "r");
	if (!pipe)
		return result;
	char buffer[4096];
	while (const size_t count = fread(buffer, 1, sizeof buffer, pipe))
		result.output.append(buffer, count);
	const int status = pclose(pipe);
	result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	return result;
}

class UnpackedPackage : public ::testing::Test
{
protected:
	void SetUp() override
	{
		package = builtPackage();
		if (package.empty())
			GTEST_SKIP() << "no package in " << VELTRANE_PACKAGE_DIR << " (make deb builds one)";
		std::string pattern = (fs::temp_directory_path() / "veltrane-package-XXXXXX").string();
		ASSERT_NE(mkdtemp(pattern.data()), nullptr);
		root = pattern;
		const CommandResult unpacked = run("dpkg-deb -x '" + package.string() + "' '" + root.string() + "'");
		ASSERT_EQ(unpacked.status, 0) << unpacked.output;
	}

	void TearDown() override
	{
		std::error_code error;
		if (!root.empty())
			fs::remove_all(root, error);
	}

	fs::path package;
	fs::path root;
};

TEST_F(UnpackedPackage, PutsTheBundleAndItsLinksWhereHostsLook)
{
	const fs::path bundle = root / "usr/lib/vst3/VELTFREE_VST.vst3";
	const fs::path binary = bundle / "Contents/x86_64-linux/VELTFREE_VST.so";
	EXPECT_TRUE(fs::is_regular_file(binary));
	const fs::path vst2Link = root / "usr/lib/lxvst/VELTFREE_VST.so";
	ASSERT_TRUE(fs::is_symlink(vst2Link));
	EXPECT_TRUE(fs::read_symlink(vst2Link).is_relative()) << "an absolute link would leave the unpacked tree";
	EXPECT_EQ(fs::canonical(vst2Link), fs::canonical(binary));
	const fs::path clapLink = root / "usr/lib/clap/VeltraneFree.clap";
	ASSERT_TRUE(fs::is_symlink(clapLink));
	EXPECT_TRUE(fs::read_symlink(clapLink).is_relative());
	EXPECT_EQ(fs::canonical(clapLink), fs::canonical(binary));
	const fs::path lv2Bundle = root / "usr/lib/lv2/VeltraneFree.lv2";
	for (const char* file : {"manifest.ttl", "VeltraneFree.ttl", "presets.ttl"})
		EXPECT_TRUE(fs::is_regular_file(lv2Bundle / file)) << file;
	const fs::path lv2Link = lv2Bundle / "VELTFREE_VST.so";
	ASSERT_TRUE(fs::is_symlink(lv2Link));
	EXPECT_TRUE(fs::read_symlink(lv2Link).is_relative());
	EXPECT_EQ(fs::canonical(lv2Link), fs::canonical(binary));
	const fs::path tool = root / "usr/bin/veltrane";
	EXPECT_TRUE(fs::is_regular_file(tool));
	EXPECT_NE(fs::status(tool).permissions() & fs::perms::others_exec, fs::perms::none);

	const CommandResult depends = run("dpkg-deb -f '" + package.string() + "' Depends");
	ASSERT_EQ(depends.status, 0) << depends.output;
	for (const char* library : {"libc6", "libstdc++6", "libsndfile1", "libjack"})
		EXPECT_NE(depends.output.find(library), std::string::npos) << depends.output;
}

TEST_F(UnpackedPackage, VeltraneRendersThroughTheInstalledBundle)
{
	ToolTests::Audio input = ToolTests::testSignal(0.5);
	const fs::path in = root / "in.wav", out = root / "out.wav", outVst2 = root / "out-vst2.wav";
	ToolTests::writeAudio(in.string(), input);
	const std::string veltrane = "'" + (root / "usr/bin/veltrane").string() + "'";

	const CommandResult vst3 =
	    run(veltrane + " render '" + in.string() + "' '" + out.string() + "' --preset Pipes --tail 0");
	ASSERT_EQ(vst3.status, 0) << vst3.output;
	// The VST 2 face, loaded through the link a VST 2 host would follow.
	const CommandResult vst2 = run(veltrane + " render '" + in.string() + "' '" + outVst2.string() +
	                               "' --preset Pipes --tail 0 --vst2 --plugin '" +
	                               (root / "usr/lib/lxvst/VELTFREE_VST.so").string() + "'");
	ASSERT_EQ(vst2.status, 0) << vst2.output;

	const ToolTests::Audio rendered = ToolTests::readAudio(out.string());
	EXPECT_EQ(rendered.frames(), input.frames());
	EXPECT_NE(rendered.samples, input.samples);
	EXPECT_EQ(ToolTests::readAudio(outVst2.string()).samples, rendered.samples);

	// The factory presets, where VST 3 hosts look for them, sound as the built-in ones.
	const fs::path presets = root / "usr/share/vst3/presets/Tallow Ridge/VeltraneFree";
	EXPECT_EQ(std::distance(fs::directory_iterator(presets), fs::directory_iterator()), 11);
	const fs::path outFile = root / "out-file.wav";
	const CommandResult fromFile = run(veltrane + " render '" + in.string() + "' '" + outFile.string() +
	                                   "' --tail 0 --preset-file '" + (presets / "Pipes.vstpreset").string() + "'");
	ASSERT_EQ(fromFile.status, 0) << fromFile.output;
	EXPECT_EQ(ToolTests::readAudio(outFile.string()).samples, rendered.samples);

	// It found the unpacked bundle, not the build tree's: without it, it looks system-wide.
	const std::string systemBundle = "/usr/lib/vst3/VELTFREE_VST.vst3";
	if (fs::exists(systemBundle))
		return;
	fs::remove_all(root / "usr/lib/vst3");
	const CommandResult orphaned = run(veltrane + " presets");
	EXPECT_NE(orphaned.status, 0);
	EXPECT_NE(orphaned.output.find("'" + systemBundle + "'"), std::string::npos) << orphaned.output;
}

TEST_F(UnpackedPackage, CarriesTheManualPageAndPassesLintian)
{
	const CommandResult page = run("zcat '" + (root / "usr/share/man/man1/veltrane.1.gz").string() + "'");
	ASSERT_EQ(page.status, 0) << page.output;
	for (const char* section : {".SH NAME", ".SS \"veltrane render\"", ".SS \"veltrane edit\"", "\\-\\-preset\\-file"})
		EXPECT_NE(page.output.find(section), std::string::npos) << section;

	if (run("lintian --version").status != 0)
		GTEST_SKIP() << "lintian is not installed";
	const CommandResult lintian = run("lintian --fail-on error,warning '" + package.string() + "'");
	EXPECT_EQ(lintian.status, 0) << lintian.output;
	EXPECT_EQ(lintian.output.find("E: "), std::string::npos) << lintian.output;
	EXPECT_EQ(lintian.output.find("W: "), std::string::npos) << lintian.output;
}

} // namespace
