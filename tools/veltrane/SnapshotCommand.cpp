// veltrane snapshot OUT.png: the plug-in's editor drawn without a window, or
// any description file drawn with the plug-in's views and pictures.
#include "Commands.h"

#include "AtomicFile.h"
#include "EditorSession.h"
#include "ToolError.h"
#include "Usage.h"

#include "IEditorSnapshot.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace Veltrane {

using namespace Steinberg;
using Vst::Doru2VST3::IEditorSnapshot;

namespace {

constexpr const char* kCommand = "snapshot";

std::vector<OptionSpec> snapshotOptions()
{
	std::vector<OptionSpec> options(std::begin(kEditorStartOptions), std::end(kEditorStartOptions));
	options.push_back({"description", true});
	options.push_back({"template", true});
	return options;
}

// Width and height from a PNG's header; nothing when it is no PNG.
std::optional<std::pair<unsigned, unsigned>> pngSize(const std::string& path)
{
	std::ifstream file(path, std::ios::binary);
	unsigned char header[24] = {};
	if (!file.read(reinterpret_cast<char*>(header), sizeof header))
		return std::nullopt;
	const auto bigEndian = [&](int at) {
		return (unsigned(header[at]) << 24) | (unsigned(header[at + 1]) << 16) | (unsigned(header[at + 2]) << 8) |
		       unsigned(header[at + 3]);
	};
	return std::pair{bigEndian(16), bigEndian(20)};
}

void drawDescription(IEditorSnapshot& snapshot, const AtomicFile& output, const std::string& description,
                     const std::optional<std::string>& templateName)
{
	std::error_code error;
	const std::string path = std::filesystem::absolute(description, error).string();
	const std::string name = templateName.value_or("");
	switch (snapshot.writeDescriptionPng(output.temporaryPath().c_str(), path.c_str(), name.c_str()))
	{
		case kResultOk: return;
		case IEditorSnapshot::kDescriptionUnreadable:
			throw ToolError("'" + description + "' cannot be read as a user-interface description");
		case IEditorSnapshot::kNoSuchTemplate:
			throw ToolError(templateName ? "'" + description + "' has no template '" + name + "'"
			                             : "'" + description + "' has no template");
		default: throw ToolError("'" + description + "' could not be drawn into '" + output.target() + "'");
	}
}

} // namespace

int runSnapshot(const std::vector<std::string>& arguments)
{
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, snapshotOptions());
	if (line.has("help"))
	{
		std::fputs(kSnapshotUsage, stdout);
		return 0;
	}
	if (line.operands.empty())
		throw UsageError(kCommand, "missing OUT");
	if (line.operands.size() > 1)
		throw UsageError(kCommand, "unexpected argument '" + line.operands[1] + "'");
	const std::optional<std::string> description = line.last("description");
	const std::optional<std::string> templateName = line.last("template");
	if (templateName && !description)
		throw UsageError(kCommand, "--template needs --description");
	const std::string outputPath = line.operands[0];

	const EditorStart start = readEditorStart(kCommand, line);
	EditorSession session(start);
	// Scale 1 unless asked: a picture never depends on the desktop it is made on.
	const IPtr<IPlugView> view = session.createEditor(start.scale.value_or(1.0));
	const FUnknownPtr<IEditorSnapshot> snapshot(view);
	if (!snapshot)
		throw ToolError("the plug-in's editor cannot draw without a window");

	AtomicFile output(outputPath);
	if (description)
		drawDescription(*snapshot, output, *description, templateName);
	else if (snapshot->writePng(output.temporaryPath().c_str()) != kResultOk)
		throw ToolError("the plug-in's editor could not be drawn into '" + outputPath + "'");
	const auto size = pngSize(output.temporaryPath());
	output.commit();
	std::printf("Drew %s (%u x %u) into '%s'.\n", description ? ("'" + *description + "'").c_str() : "the editor",
	            size ? size->first : 0u, size ? size->second : 0u, outputPath.c_str());
	return 0;
}

} // namespace Veltrane
