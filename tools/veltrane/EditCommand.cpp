// veltrane edit: the plug-in's editor in a desktop window of its own, its
// settings saved as a state file when the window closes.
#include "Commands.h"

#include "AtomicFile.h"
#include "EditorSession.h"
#include "EditorWindow.h"
#include "StateFile.h"
#include "ToolError.h"
#include "Usage.h"

#include <cstdio>
#include <optional>

namespace Veltrane {

using namespace Steinberg;

namespace {

constexpr const char* kCommand = "edit";

} // namespace

int runEdit(const std::vector<std::string>& arguments)
{
	std::vector<OptionSpec> accepted(std::begin(kEditorStartOptions), std::end(kEditorStartOptions));
	accepted.push_back({"state-out", true});
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, accepted);
	if (line.has("help"))
	{
		std::fputs(kEditUsage, stdout);
		return 0;
	}
	if (!line.operands.empty())
		throw UsageError(kCommand, "unexpected argument '" + line.operands.front() + "'");
	const EditorStart start = readEditorStart(kCommand, line);
	const std::optional<std::string> stateOut = line.last("state-out");

	EditorSession session(start);
	// The output is claimed before the window opens, so a bad name fails early.
	std::optional<AtomicFile> output;
	if (stateOut)
		output.emplace(*stateOut);
	else
		std::fputs("veltrane: note: without --state-out the settings are not saved\n", stderr);
	{
		// Without --scale the editor follows the desktop, as with a host that says nothing.
		const IPtr<IPlugView> view = session.createEditor(start.scale);
		showEditorWindow(*view, [] { return false; });
	}
	if (!output)
		return 0;
	const std::vector<std::uint8_t> state = session.stateAfterEdits();
	writeStateFile(*output, state, session.classId());
	output->commit();
	std::printf("Saved the settings to '%s'.\n", stateOut->c_str());
	return 0;
}

} // namespace Veltrane
