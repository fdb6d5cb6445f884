// veltrane-factory-presets BUNDLE FOLDER: writes each factory preset of the
// plug-in as FOLDER/NAME.vstpreset, a VST 3 preset file of its component state.
#include "AtomicFile.h"
#include "StateFile.h"
#include "Vst3Backend.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Preset names may hold any character but the folder separator.
std::string fileNameOf(std::string presetName)
{
	for (char& character : presetName)
		if (character == '/')
			character = '-';
	return presetName + ".vstpreset";
}

// Files of presets the plug-in no longer has must not linger in the folder.
void removeOldPresetFiles(const fs::path& folder)
{
	for (const fs::directory_entry& entry : fs::directory_iterator(folder))
		if (entry.is_regular_file() && Veltrane::namesPresetFile(entry.path().string()))
			fs::remove(entry.path());
}

void writeFactoryPresets(const std::string& bundle, const fs::path& folder)
{
	Veltrane::Vst3Backend plugin(bundle);
	const std::vector<std::string> names = plugin.presetNames();
	if (names.empty())
		throw std::runtime_error("the plug-in '" + bundle + "' lists no factory presets");
	fs::create_directories(folder);
	removeOldPresetFiles(folder);
	plugin.configure(48000.0, 2, 64);
	for (size_t index = 0; index < names.size(); ++index)
	{
		plugin.selectPreset(static_cast<int>(index));
		// Activating lands the values a preset glides to, as processing
		// starts on them; the state then holds the preset itself.
		plugin.start();
		plugin.stop();
		Veltrane::AtomicFile file((folder / fileNameOf(names[index])).string());
		Veltrane::writeStateFile(file, plugin.saveState(), plugin.classId());
		file.commit();
	}
}

} // namespace

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		std::fputs("Usage: veltrane-factory-presets BUNDLE FOLDER\n", stderr);
		return 2;
	}
	try
	{
		writeFactoryPresets(argv[1], argv[2]);
		return 0;
	}
	catch (const std::exception& error)
	{
		std::fprintf(stderr, "veltrane-factory-presets: %s\n", error.what());
		return 1;
	}
}
