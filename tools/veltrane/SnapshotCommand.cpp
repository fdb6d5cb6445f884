// veltrane snapshot OUT.png: the plug-in's editor drawn without a window.
#include "Commands.h"

#include "AtomicFile.h"
#include "EditorSession.h"
#include "ToolError.h"
#include "Usage.h"

#include "IEditorSnapshot.h"

#include <cstdio>

namespace Veltrane {

using namespace Steinberg;

namespace {

constexpr const char* kCommand = "snapshot";

} // namespace

int runSnapshot(const std::vector<std::string>& arguments)
{
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments,
		{std::begin(kEditorStartOptions), std::end(kEditorStartOptions)});
	if (line.has("help"))
	{
		std::fputs(kSnapshotUsage, stdout);
		return 0;
	}
	if (line.operands.empty())
		throw UsageError(kCommand, "missing OUT");
	if (line.operands.size() > 1)
		throw UsageError(kCommand, "unexpected argument '" + line.operands[1] + "'");
	const std::string outputPath = line.operands[0];

	EditorSession session(readEditorStart(kCommand, line));
	const IPtr<IPlugView> view = session.createEditor();
	const FUnknownPtr<Vst::Doru2VST3::IEditorSnapshot> snapshot(view);
	if (!snapshot)
		throw ToolError("the plug-in's editor cannot draw without a window");
	ViewRect size{};
	view->getSize(&size);

	AtomicFile output(outputPath);
	if (snapshot->writePng(output.temporaryPath().c_str()) != kResultOk)
		throw ToolError("the plug-in's editor could not be drawn into '" + outputPath + "'");
	output.commit();
	std::printf("Drew the editor (%d x %d) into '%s'.\n", size.getWidth(), size.getHeight(), outputPath.c_str());
	return 0;
}

} // namespace Veltrane
