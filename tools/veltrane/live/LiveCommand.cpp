// veltrane live: the plug-in on live audio as a client of a running JACK
// server, its editor in a window of its own, its settings saved at the end.
#include "Commands.h"

#include "AtomicFile.h"
#include "EditorSession.h"
#include "EditorWindow.h"
#include "OpenBackend.h"
#include "RenderJob.h"
#include "StateFile.h"
#include "ToolError.h"
#include "Usage.h"
#include "live/EditForwarder.h"
#include "live/JackClient.h"
#include "live/LiveProcessor.h"
#include "live/StopSignals.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include <unistd.h>

namespace Veltrane {

namespace {

constexpr const char* kCommand = "live";
constexpr const char* kClientName = "VeltraneFree";
constexpr int kChannels = 2;
// The largest buffer JACK servers offer. The plug-in is prepared for it up
// front, so a change of the buffer size while running needs no new setup.
constexpr int kLargestJackBlock = 8192;
constexpr useconds_t kIdleTurnMicroseconds = 20000;

// The plug-in through the face the command line chose, set up and started.
// The VST 3 face comes with its editor.
struct LivePlugin
{
	std::optional<EditorSession> session;
	std::unique_ptr<RenderBackend> otherFace;

	RenderBackend& backend() { return session ? static_cast<RenderBackend&>(session->audio()) : *otherFace; }
};

void openPlugin(LivePlugin& plugin, const EditorStart& start, const PluginChoice& choice, double sampleRate, int maxBlock)
{
	if (choice.format == PluginFormat::vst3)
	{
		plugin.session.emplace(start, EditorAudio{sampleRate, maxBlock, true});
	}
	else
	{
		plugin.otherFace = openBackend(choice);
		const PluginSetup setup = resolveSetup(start.stateIn, start.preset, start.assignments, *plugin.otherFace);
		plugin.otherFace->runInRealTime();
		plugin.otherFace->configure(sampleRate, kChannels, maxBlock);
		applySetup(*plugin.otherFace, setup);
	}
	plugin.backend().start();
}

// Stops JACK calling into the processor however the command ends, also by an exception.
struct ActiveClient
{
	JackClient& client;
	~ActiveClient() { client.deactivate(); }
};

void announce(const JackClient& jack, bool withEditor)
{
	std::printf("Running as JACK client '%s' at %.0f Hz, %d frames a block; ports:", jack.name().c_str(),
		jack.sampleRate(), jack.bufferSize());
	for (const std::string& port : jack.portNames())
		std::printf(" %s", port.c_str());
	std::printf("\n%s\n", withEditor ? "Ctrl-C or closing the editor's window ends it." : "Ctrl-C ends it.");
	std::fflush(stdout);
}

// The main loop: the editor's window and its run loop, or an idle wait,
// until a signal, the window or the server ends it.
void runUntilEnded(JackClient& jack, const LiveProcessor& processor, std::optional<EditForwarder>& edits, bool connect,
	EditorSession* editor, std::optional<double> scale, const StopSignals& signals)
{
	if (connect && jack.connectToSystem() == 0)
		std::fputs("veltrane: note: the JACK server has no system ports to connect to\n", stderr);
	announce(jack, editor != nullptr);

	int reportedBlock = jack.bufferSize();
	const auto done = [&] {
		if (edits)
			edits->forward();
		if (jack.bufferSize() != reportedBlock)
		{
			reportedBlock = jack.bufferSize();
			std::printf("JACK now runs %d frames a block.\n", reportedBlock);
			std::fflush(stdout);
		}
		return signals.stopRequested() || jack.serverGone() || processor.failed();
	};
	if (editor)
	{
		const Steinberg::IPtr<Steinberg::IPlugView> view = editor->createEditor(scale);
		showEditorWindow(*view, done);
	}
	else
	{
		while (!done())
			::usleep(kIdleTurnMicroseconds);
	}
}

} // namespace

int runLive(const std::vector<std::string>& arguments)
{
	std::vector<OptionSpec> accepted(std::begin(kEditorStartOptions), std::end(kEditorStartOptions));
	for (const OptionSpec& option : std::vector<OptionSpec>{
			 {"state-out", true}, {"no-editor", false}, {"connect", false}, {"vst2", false}, {"clap", false},
			 {"lv2", false}})
		accepted.push_back(option);
	const ParsedCommandLine line = parseCommandLine(kCommand, arguments, accepted);
	if (line.has("help"))
	{
		std::fputs(kLiveUsage, stdout);
		return 0;
	}
	if (!line.operands.empty())
		throw UsageError(kCommand, "unexpected argument '" + line.operands.front() + "'");
	const EditorStart start = readEditorStart(kCommand, line);
	const PluginChoice choice = choosePlugin(line);
	bool showEditor = !line.has("no-editor");
	if (showEditor && choice.format != PluginFormat::vst3)
	{
		std::fputs("veltrane: note: the editor is shown for the VST 3 face only; running without it\n", stderr);
		showEditor = false;
	}

	// The output is claimed first, so a bad name fails before any audio runs.
	const std::optional<std::string> stateOut = line.last("state-out");
	std::optional<AtomicFile> output;
	if (stateOut)
		output.emplace(*stateOut);
	// After the output's own cleanup handlers: from here a signal ends the loop, not the process.
	const StopSignals signals;

	JackClient jack(kClientName, kChannels, kChannels);
	if (!stateOut)
		std::fputs("veltrane: note: without --state-out the settings are not saved\n", stderr);
	const int maxBlock = std::max(jack.bufferSize(), kLargestJackBlock);
	LivePlugin plugin;
	openPlugin(plugin, start, choice, jack.sampleRate(), maxBlock);
	LiveProcessor processor(plugin.backend(), maxBlock);
	std::optional<EditForwarder> edits;
	if (plugin.session)
		edits.emplace(plugin.session->editorCalls(), processor);

	bool started = false;
	// An editor that cannot open (no desktop, say) ends the command, but the settings are still saved.
	std::exception_ptr editorFailure;
	{
		const ActiveClient activeClient{jack};
		started = jack.activate(processor);
		if (started)
		{
			try
			{
				runUntilEnded(jack, processor, edits, line.has("connect"), showEditor ? &*plugin.session : nullptr,
					start.scale, signals);
			}
			catch (const ToolError&)
			{
				editorFailure = std::current_exception();
			}
		}
	}

	// JACK no longer calls the processor: the main thread may drive the plug-in.
	if (edits)
		edits->forward();
	processor.settle();
	plugin.backend().stop();
	if (output)
	{
		writeStateFile(*output, plugin.backend().saveState(), plugin.backend().classId());
		output->commit();
		std::printf("Saved the settings to '%s'.\n", stateOut->c_str());
		std::fflush(stdout);
	}
	if (editorFailure)
		std::rethrow_exception(editorFailure);
	if (processor.failed())
		throw ToolError("the plug-in failed to process audio; live audio stopped");
	if (!started)
		throw ToolError("the JACK server went away before the audio started");
	if (jack.serverGone())
		throw ToolError("the JACK server went away; live audio stopped");
	return 0;
}

} // namespace Veltrane
