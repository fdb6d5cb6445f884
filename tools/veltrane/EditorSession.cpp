#include "EditorSession.h"

#include "OpenBackend.h"
#include "ParameterSetting.h"
#include "RenderJob.h"
#include "ToolError.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <map>

namespace Veltrane {

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr int kChannels = 2;

constexpr double kSmallestScale = 0.25;
constexpr double kLargestScale = 8.0;

} // namespace

const OptionSpec kEditorStartOptions[5] = {
	{"state-in", true}, {"preset", true}, {"set", true}, {"plugin", true}, {"scale", true}};

EditorStart readEditorStart(const std::string& command, const ParsedCommandLine& line)
{
	EditorStart start;
	start.stateIn = line.last("state-in");
	start.preset = line.last("preset");
	for (const std::string& text : line.all("set"))
	{
		const auto assignment = splitAssignment(text);
		if (!assignment)
			throw UsageError(command, "--set wants PARAM=VALUE, not '" + text + "'");
		start.assignments.push_back(*assignment);
	}
	start.pluginPath = choosePlugin(line).path;
	if (const std::optional<std::string> scale = line.last("scale"))
		start.scale = parseNumberOption(command, "scale", *scale, kSmallestScale, kLargestScale);
	return start;
}

EditorSession::EditorSession(const EditorStart& start, const EditorAudio& audio) : backend(start.pluginPath)
{
	const PluginSetup setup = resolveSetup(start.stateIn, start.preset, start.assignments, backend);
	if (audio.realTime)
		backend.runInRealTime();
	backend.configure(audio.sampleRate, kChannels, audio.maxBlock);
	applySetup(backend, setup);
	// From here on the handler records what the editor sends.
	backend.instance().componentHandler().clear();
}

IPtr<IPlugView> EditorSession::createEditor(std::optional<double> scale)
{
	IPtr<IPlugView> view = owned(backend.instance().controller().createView(ViewType::kEditor));
	if (!view)
		throw ToolError("the plug-in offers no editor");
	if (scale)
	{
		FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
		if (!scaling || scaling->setContentScaleFactor(static_cast<IPlugViewContentScaleSupport::ScaleFactor>(*scale)) != kResultTrue)
			throw ToolError("the plug-in's editor cannot be scaled");
	}
	return view;
}

std::vector<std::uint8_t> EditorSession::stateAfterEdits()
{
	std::map<ParamID, ParamValue> lastValues;
	for (const VeltraneHost::HandlerCall& call : backend.instance().componentHandler().calls())
		if (call.kind == VeltraneHost::HandlerCall::Kind::performEdit)
			lastValues[call.id] = call.value;
	IEditController& controller = backend.instance().controller();
	for (const auto& [id, value] : lastValues)
		backend.setParameter(id, controller.normalizedParamToPlain(id, value));

	constexpr int kBlock = 64;
	std::vector<float> silence(kBlock * kChannels, 0.0f), output(kBlock * kChannels);
	float* inputs[kChannels] = {silence.data(), silence.data() + kBlock};
	float* outputs[kChannels] = {output.data(), output.data() + kBlock};
	backend.start();
	backend.process(inputs, outputs, kBlock);
	backend.stop();
	return backend.saveState();
}

} // namespace Veltrane
