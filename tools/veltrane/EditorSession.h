#pragma once

#include "CommandLine.h"
#include "Vst3Backend.h"

#include "host/ComponentHandler.h"
#include "host/PlugInstance.h"

#include "pluginterfaces/gui/iplugview.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Veltrane {

// What the editor commands share on their command lines: where the plug-in
// starts (state, preset, values) before its editor opens.
struct EditorStart
{
	std::optional<std::string> stateIn;
	std::optional<std::string> preset;
	std::vector<std::pair<std::string, std::string>> assignments;
	std::string pluginPath;
	// The content scale to ask of the editor; without it the command's own choice.
	std::optional<double> scale;
};

// The options behind EditorStart: --state-in, --preset, --set, --plugin, --scale.
extern const OptionSpec kEditorStartOptions[5];
// Throws UsageError for a malformed --set.
EditorStart readEditorStart(const std::string& command, const ParsedCommandLine& line);

// How the plug-in behind an editor is prepared to process audio.
struct EditorAudio
{
	double sampleRate = 48000.0;
	int maxBlock = 64;
	bool realTime = false;
};

// The plug-in loaded through its VST 3 face, set up as EditorStart says,
// with its editor view on demand. Throws ToolError.
class EditorSession
{
public:
	explicit EditorSession(const EditorStart& start, const EditorAudio& audio = {});

	// The view a host would show, at scale when one is given (through
	// IPlugViewContentScaleSupport, as a HiDPI host asks); throws ToolError
	// when the plug-in offers none.
	Steinberg::IPtr<Steinberg::IPlugView> createEditor(std::optional<double> scale = std::nullopt);

	// The plug-in's state once every value its editor sent has reached the
	// audio side, as a host delivers edits: through a processing call.
	std::vector<std::uint8_t> stateAfterEdits();
	VeltraneHost::ClassId classId() const { return backend.classId(); }

	// The configured plug-in, for a caller that runs its audio itself.
	Vst3Backend& audio() { return backend; }
	// What the editor sent its host since the last call to clear().
	VeltraneHost::ComponentHandler& editorCalls() { return backend.instance().componentHandler(); }

private:
	Vst3Backend backend;
};

} // namespace Veltrane
