#include "RenderJob.h"

#include "ProgressBar.h"
#include "StateFile.h"
#include "ToolError.h"

namespace Veltrane {

PluginSetup resolveSetup(const std::optional<std::string>& stateIn, const std::optional<std::string>& preset,
	const std::vector<std::pair<std::string, std::string>>& assignments, const RenderBackend& backend)
{
	PluginSetup setup;
	if (stateIn)
	{
		setup.state = readStateFile(*stateIn, backend.classId());
		setup.stateSource = *stateIn;
	}
	if (preset)
		setup.preset = resolvePreset(*preset, backend.presetNames());
	const std::vector<ParameterDescription> parameters = backend.parameters();
	for (const auto& [title, value] : assignments)
		setup.assignments.push_back(resolveAssignment(title, value, parameters));
	return setup;
}

void applySetup(RenderBackend& backend, const PluginSetup& setup)
{
	if (setup.state && !backend.loadState(*setup.state))
		throw ToolError("the plug-in refused the state in '" + setup.stateSource + "'");
	if (setup.presetState && !backend.loadState(*setup.presetState))
		throw ToolError("the plug-in refused the preset in '" + setup.presetSource + "'");
	if (setup.preset)
		backend.selectPreset(*setup.preset);
	for (const ParameterAssignment& assignment : setup.assignments)
		backend.setParameter(assignment.id, assignment.plainValue);
}

RenderResult runRenderJob(RenderBackend& backend, const PluginSetup& setup, FrameSource& source, FrameSink& sink,
	const RenderSettings& settings, std::int64_t expectedInputFrames)
{
	backend.configure(settings.sampleRate, settings.channels, settings.blockSize);
	applySetup(backend, setup);
	backend.start();
	ProgressBar progress(expectedInputFrames, settings.tailSeconds);
	const RenderResult result =
		render(backend, source, sink, settings, [&](const RenderProgress& now) { progress.update(now); });
	progress.finish();
	backend.stop();
	return result;
}

} // namespace Veltrane
