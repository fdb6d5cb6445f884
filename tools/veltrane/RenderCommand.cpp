// veltrane render IN OUT: one audio file through the plug-in into another.
#include "Commands.h"

#include "AtomicFile.h"
#include "AudioFile.h"
#include "FileIdentity.h"
#include "FrameAdapters.h"
#include "OpenBackend.h"
#include "RenderJob.h"
#include "StateFile.h"
#include "Text.h"
#include "ToolError.h"
#include "Usage.h"

#include <cstdio>
#include <memory>

namespace Veltrane {

namespace {

constexpr const char* kCommand = "render";

struct RenderRequest
{
	std::string input;
	std::string output;
	std::optional<std::string> preset;
	std::optional<std::string> presetFile;
	std::vector<std::pair<std::string, std::string>> assignments;
	std::optional<std::string> stateIn;
	std::optional<std::string> stateOut;
	int blockSize = 512;
	double tailSeconds = 30.0;
	PluginChoice plugin;
};

std::optional<RenderRequest> parseRequest(const std::vector<std::string>& arguments)
{
	std::vector<OptionSpec> accepted = {{"preset", true}, {"preset-file", true}, {"set", true}, {"state-in", true},
		{"state-out", true}, {"block", true}, {"tail", true}};
	accepted.insert(accepted.end(), std::begin(kPluginOptions), std::end(kPluginOptions));
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, accepted);
	if (line.has("help"))
	{
		std::fputs(kRenderUsage, stdout);
		return std::nullopt;
	}
	if (line.operands.size() < 2)
		throw UsageError(kCommand, line.operands.empty() ? "missing IN and OUT" : "missing OUT");
	if (line.operands.size() > 2)
		throw UsageError(kCommand, "unexpected argument '" + line.operands[2] + "'");

	RenderRequest request;
	request.input = line.operands[0];
	request.output = line.operands[1];
	request.preset = line.last("preset");
	request.presetFile = line.last("preset-file");
	if (request.preset && request.presetFile)
		throw UsageError(kCommand, "--preset and --preset-file both choose the preset; give one");
	for (const std::string& text : line.all("set"))
	{
		const auto assignment = splitAssignment(text);
		if (!assignment)
			throw UsageError(kCommand, "--set wants PARAM=VALUE, not '" + text + "'");
		request.assignments.push_back(*assignment);
	}
	request.stateIn = line.last("state-in");
	request.stateOut = line.last("state-out");
	if (const auto block = line.last("block"))
		request.blockSize = static_cast<int>(parseIntegerOption(kCommand, "block", *block, 1, 8192));
	if (const auto tail = line.last("tail"))
		request.tailSeconds = parseNumberOption(kCommand, "tail", *tail, 0.0, 24.0 * 3600.0);
	request.plugin = choosePlugin(line);
	return request;
}

// Refuses outputs that would overwrite the input or each other.
void checkDistinctFiles(const RenderRequest& request)
{
	if (sameFile(request.input, request.output))
		throw ToolError("OUT '" + request.output + "' is the same file as IN; choose another name");
	if (!request.stateOut)
		return;
	if (sameFile(*request.stateOut, request.input))
		throw ToolError("--state-out '" + *request.stateOut + "' is the same file as IN");
	if (sameFile(*request.stateOut, request.output))
		throw ToolError("--state-out '" + *request.stateOut + "' is the same file as OUT");
}

} // namespace

int runRender(const std::vector<std::string>& arguments)
{
	const std::optional<RenderRequest> request = parseRequest(arguments);
	if (!request)
		return 0;

	SoundFileReader reader(request->input);
	const AudioFormat format = reader.format();
	if (format.channels > 2)
		throw ToolError("'" + request->input + "' has " + std::to_string(format.channels) +
			" channels; only mono and stereo files can be rendered");
	checkDistinctFiles(*request);

	const std::unique_ptr<RenderBackend> backend = openBackend(request->plugin);
	PluginSetup setup = resolveSetup(request->stateIn, request->preset, request->assignments, *backend);
	if (request->presetFile)
	{
		setup.presetState = readPresetFile(*request->presetFile, backend->classId());
		setup.presetSource = *request->presetFile;
	}

	// Every output is claimed before the render, so a bad name fails early.
	AtomicFile output(request->output);
	std::optional<AtomicFile> stateOutput;
	if (request->stateOut)
		stateOutput.emplace(*request->stateOut);
	SoundFileWriter writer(output.temporaryPath(), format, request->output);

	RenderSettings settings;
	settings.sampleRate = format.sampleRate;
	settings.channels = format.channels;
	settings.blockSize = request->blockSize;
	settings.tailSeconds = request->tailSeconds;
	FileFrameSource source(reader);
	FileFrameSink sink(writer);
	const RenderResult result = runRenderJob(*backend, setup, source, sink, settings, reader.frames());

	if (stateOutput)
	{
		const std::vector<std::uint8_t> state = backend->saveState();
		writeStateFile(*stateOutput, state, backend->classId());
	}
	writer.close();
	output.commit();
	if (stateOutput)
		stateOutput->commit();

	if (result.tailCut)
		std::fprintf(stderr, "veltrane: note: the tail was cut at %s s while still sounding; raise --tail to keep more\n",
			formatNumber(request->tailSeconds).c_str());
	return 0;
}

} // namespace Veltrane
