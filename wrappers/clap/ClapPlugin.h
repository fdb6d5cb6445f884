// One VST 3 single-component instance offered to a CLAP host.
//
// Choices the CLAP face makes:
// - Parameters: every parameter the controller lists, its VST 3 id as CLAP
//   id, in plain values; automatable as the controller says, stepped for
//   lists and stepped ranges, bypass for the bypass parameter. The
//   program-change parameter is offered (not automatable) so that hosts can
//   select programs; its effect reaches the host as a value rescan.
// - Parameter events inside a block are passed on at their offsets in one
//   process call, as a VST 3 host passes a block's queues: the component
//   decides (this one applies the last value of the block at its start).
//   Events out of order are moved up to the latest time seen; events beyond
//   the block land on its last frame.
// - MIDI: one note port (CLAP and MIDI dialects); controllers, channel
//   pressure and pitch bend go through the component's IMidiMapping as
//   parameter changes and are reported to the host, not for recording.
// - State: exactly the component state bytes; a stream the component
//   refuses leaves the instance as it was.
// - Editor: the controller's "editor" view embedded in an X11 window; its
//   timers and its X connection run on the host's timer support (the CLAP
//   1.1.1 headers used have no file-descriptor support). Without the host's
//   timer support no editor is offered.
// - reset does nothing: the component only starts afresh through setActive,
//   which may allocate, and reset comes on the audio thread.
//
// Threads: main-thread calls use the controller; the audio thread (process,
// flush while active) only fills preallocated lists and atomics. Values
// cross between the two through lock-free slots, one per parameter.
#pragma once

#include "common/HostedComponent.h"
#include "common/ParameterTable.h"

#include "clap/ext/audio-ports.h"
#include "clap/ext/gui.h"
#include "clap/ext/latency.h"
#include "clap/ext/note-ports.h"
#include "clap/ext/params.h"
#include "clap/ext/state.h"
#include "clap/ext/thread-check.h"
#include "clap/ext/timer-support.h"
#include "clap/plugin.h"

#include "pluginterfaces/gui/iplugview.h"

#include <atomic>
#include <memory>

namespace Steinberg {
namespace Vst {
namespace Clap {

class EditorFrame;

class Plugin final : private Wrappers::HostedComponent::Listener
{
public:
	// The clap_plugin of a new instance; init creates the VST 3 instance.
	static const clap_plugin_t* create(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor,
		IPluginFactory* factory, const char* classId);
	~Plugin();

private:
	// One parameter's value as last set from either side, and what is still
	// owed to whom. Any thread writes; none waits.
	struct Slot
	{
		enum : uint32_t
		{
			toProcessor = 1 << 0,
			toController = 1 << 1,
			hostBegin = 1 << 2,
			hostValue = 1 << 3,
			hostEnd = 1 << 4,
		};
		std::atomic<double> normalized {0.0};
		std::atomic<uint32_t> owed {0};
	};

	Plugin(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor, IPluginFactory* factory,
		const char* classId);
	static Plugin* self(const clap_plugin_t* plugin) { return static_cast<Plugin*>(plugin->plugin_data); }

	// clap_plugin (ClapPlugin.cpp)
	bool init();
	bool activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
	void deactivate();
	clap_process_status process(const clap_process_t* process);
	const void* extension(const char* id) const;
	void onMainThread();
	bool onMainThreadNow() const;
	void fillContext(const clap_event_transport_t* transport, int64_t steadyTime);

	// events and parameters (ClapPluginParams.cpp)
	void readEvents(const clap_input_events_t* in, uint32_t start, uint32_t length, uint32_t frames,
		const clap_output_events_t* out);
	void readParameterValue(const clap_event_param_value_t& event, int32 offset);
	void readMidi(const uint8_t* data, int32 offset, const clap_output_events_t* out, uint32_t time);
	void readNote(const clap_event_header_t& header, int32 offset);
	void takeEdits(const clap_output_events_t* out);
	void takeOutputChanges(const clap_output_events_t* out, uint32_t time);
	void pushValue(const clap_output_events_t* out, int32 index, uint32_t time, uint32_t flags);
	void pushGesture(const clap_output_events_t* out, int32 index, uint16_t type);
	void flush(const clap_input_events_t* in, const clap_output_events_t* out);
	void owe(int32 index, uint32_t what);
	void refreshFromController(bool tellHost);
	bool parameterInfo(uint32_t index, clap_param_info_t* info) const;
	bool parameterValue(clap_id id, double* value) const;
	bool valueToText(clap_id id, double value, char* display, uint32_t size) const;
	bool textToValue(clap_id id, const char* display, double* value) const;

	// state (ClapPluginState.cpp)
	bool saveState(const clap_ostream_t* stream);
	bool loadState(const clap_istream_t* stream);

	// editor (ClapPluginGui.cpp)
	bool guiApiSupported(const char* api, bool floating) const;
	bool guiCreate(const char* api, bool floating);
	void guiDestroy();
	bool guiSetScale(double scale);
	bool guiSize(uint32_t* width, uint32_t* height) const;
	bool guiSetSize(uint32_t width, uint32_t height);
	bool guiSetParent(const clap_window_t* window);
	bool guiShow();
	bool guiHide();
	void onTimer(clap_id timerId);

	// HostedComponent::Listener: the controller's edits and restarts (main thread)
	void onBeginEdit(ParamID id) override;
	void onPerformEdit(ParamID id, ParamValue valueNormalized) override;
	void onEndEdit(ParamID id) override;
	void onRestartComponent(int32 flags) override;

	static const clap_plugin_audio_ports_t audioPorts;
	static const clap_plugin_note_ports_t notePorts;
	static const clap_plugin_params_t params;
	static const clap_plugin_state_t state;
	static const clap_plugin_latency_t latency;
	static const clap_plugin_gui_t gui;
	static const clap_plugin_timer_support_t timerSupport;

	clap_plugin_t plugin {};
	const clap_host_t* host;
	const clap_host_params_t* hostParams = nullptr;
	const clap_host_latency_t* hostLatency = nullptr;
	const clap_host_gui_t* hostGui = nullptr;
	const clap_host_timer_support_t* hostTimers = nullptr;
	const clap_host_thread_check_t* hostThreadCheck = nullptr;
	IPluginFactory* factory;
	char classId[16];

	std::unique_ptr<Wrappers::HostedComponent> hosted;
	std::unique_ptr<Wrappers::ParameterTable> table;
	std::unique_ptr<Slot[]> slots;
	std::atomic<bool> callbackRequested {false};
	int32 maxBlock = 0;
	bool processing = false;
	ProcessContext context {};

	IPtr<IPlugView> editorView;
	IPtr<EditorFrame> editorFrame;
	clap_xwnd parentWindow = 0;
	bool attached = false;
	double pendingScale = 0.0; // a scale the host gave before the view existed
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
