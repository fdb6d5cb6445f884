// A small CLAP host that loads a .clap as DAWs do: dlopen, clap_entry, the plugin
// factory, one instance; with the host extensions a plug-in asks for
// (params, timer support, thread check, gui) counted, for the tests and veltrane.
#pragma once

#include "clap/entry.h"
#include "clap/ext/audio-ports.h"
#include "clap/ext/gui.h"
#include "clap/ext/latency.h"
#include "clap/ext/note-ports.h"
#include "clap/ext/params.h"
#include "clap/ext/state.h"
#include "clap/ext/thread-check.h"
#include "clap/ext/timer-support.h"
#include "clap/plugin-factory.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace VeltraneHost {

// The library, entered once and left when it goes.
class ClapLibrary
{
public:
	explicit ClapLibrary(const std::string& path);
	~ClapLibrary();
	ClapLibrary(const ClapLibrary&) = delete;
	ClapLibrary& operator=(const ClapLibrary&) = delete;

	const clap_plugin_factory_t* factory() const { return pluginFactory; }

private:
	void* handle = nullptr;
	const clap_plugin_entry_t* entry = nullptr;
	const clap_plugin_factory_t* pluginFactory = nullptr;
};

// Events a host hands to process or flush, in the order added.
class InputEvents
{
public:
	InputEvents();
	void clear() { events.clear(); }
	void paramValue(uint32_t time, clap_id id, double value);
	void midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2);
	const clap_input_events_t* list() const { return &in; }

private:
	std::vector<std::vector<char>> events;
	clap_input_events_t in {};
};

// What the plug-in pushes back.
class OutputEvents
{
public:
	OutputEvents();
	void clear() { values.clear(), types.clear(); }
	const clap_output_events_t* list() const { return &out; }

	std::vector<clap_event_param_value_t> values;
	std::vector<uint16_t> types; // every event's type, in push order

private:
	clap_output_events_t out {};
};

class ClapHostContext
{
public:
	ClapHostContext();
	const clap_host_t* host() const { return &clapHost; }

	// Runs the plug-in's due timers on this thread (the main thread).
	void fireDueTimers(const clap_plugin_t* plugin);
	void pumpFor(const clap_plugin_t* plugin, int ms);
	size_t timerCount() const { return timers.size(); }

	int rescans = 0;
	int flushRequests = 0;
	int callbackRequests = 0;
	bool timerSupport = true;
	// Runs after the first timer of a round, before the others of that round fire.
	std::function<void()> duringTimers;

private:
	struct Timer
	{
		clap_id id;
		std::chrono::milliseconds period;
		std::chrono::steady_clock::time_point due;
	};

	clap_host_t clapHost {};
	clap_host_params_t params {};
	clap_host_timer_support_t timerExtension {};
	clap_host_thread_check_t threadCheck {};
	clap_host_gui_t gui {};
	std::thread::id mainThread;
	std::vector<Timer> timers;
	clap_id nextTimer = 1;
};

// One instance, destroyed (deactivated first) when it goes.
class ClapInstance
{
public:
	ClapInstance(const ClapLibrary& library, ClapHostContext& host);
	~ClapInstance();
	ClapInstance(const ClapInstance&) = delete;
	ClapInstance& operator=(const ClapInstance&) = delete;

	const clap_plugin_t* plugin() const { return instance; }
	template <class Extension>
	const Extension* extension(const char* id) const
	{
		return static_cast<const Extension*>(instance->get_extension(instance, id));
	}
	const clap_plugin_params_t& params() const { return *extension<clap_plugin_params_t>(CLAP_EXT_PARAMS); }

	bool activate(double sampleRate, uint32_t maxFrames);
	void deactivate();
	// One block of stereo audio; false when the plug-in reports an error.
	bool process(float* const* inputs, float* const* outputs, uint32_t frames, const InputEvents& in,
		OutputEvents& out);
	std::vector<uint8_t> saveState() const;
	bool loadState(const std::vector<uint8_t>& bytes) const;

private:
	const clap_plugin_t* instance = nullptr;
	bool active = false;
	int64_t steadyTime = 0;
};

} // namespace VeltraneHost
