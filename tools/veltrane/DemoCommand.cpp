// veltrane demo OUT: a synthesised phrase through a factory preset.
#include "Commands.h"

#include "AtomicFile.h"
#include "AudioFile.h"
#include "FrameAdapters.h"
#include "OpenBackend.h"
#include "RenderJob.h"
#include "Synth.h"
#include "ToolError.h"
#include "Usage.h"

#include <cstdio>
#include <memory>

namespace Veltrane {

namespace {

constexpr const char* kCommand = "demo";
constexpr const char* kDefaultPreset = "Crude Verb";

} // namespace

int runDemo(const std::vector<std::string>& arguments)
{
	std::vector<OptionSpec> accepted = {{"preset", true}};
	accepted.insert(accepted.end(), std::begin(kPluginOptions), std::end(kPluginOptions));
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, accepted);
	if (line.has("help"))
	{
		std::fputs(kDemoUsage, stdout);
		return 0;
	}
	if (line.operands.empty())
		throw UsageError(kCommand, "missing OUT");
	if (line.operands.size() > 1)
		throw UsageError(kCommand, "unexpected argument '" + line.operands[1] + "'");
	const std::string outputPath = line.operands[0];

	const std::unique_ptr<RenderBackend> backend = openBackend(choosePlugin(line));
	const std::vector<std::string> presets = backend->presetNames();
	PluginSetup setup;
	setup.preset = resolvePreset(line.last("preset").value_or(kDefaultPreset), presets);

	const std::vector<float> input = synthesizeDemoInput();
	const AudioFormat format{kDemoSampleRate, kDemoChannels, SF_FORMAT_WAV | SF_FORMAT_FLOAT};
	AtomicFile output(outputPath);
	SoundFileWriter writer(output.temporaryPath(), format, outputPath);

	RenderSettings settings;
	settings.sampleRate = kDemoSampleRate;
	settings.channels = kDemoChannels;
	MemoryFrameSource source(input, kDemoChannels);
	FileFrameSink sink(writer);
	const std::int64_t inputFrames = static_cast<std::int64_t>(input.size()) / kDemoChannels;
	const RenderResult result = runRenderJob(*backend, setup, source, sink, settings, inputFrames);
	writer.close();
	output.commit();

	std::printf("Synthesised %.1f s of plucked strings and a kick drum (%d Hz stereo).\n",
		static_cast<double>(inputFrames) / kDemoSampleRate, kDemoSampleRate);
	std::printf("Rendered them through preset \"%s\" into '%s' (32-bit float WAV, %.1f s with the tail).\n",
		presets[static_cast<size_t>(*setup.preset)].c_str(), outputPath.c_str(),
		static_cast<double>(result.writtenFrames) / kDemoSampleRate);
	return 0;
}

} // namespace Veltrane
