#include "host/clap/ClapHost.h"

#include <dlfcn.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace VeltraneHost {

ClapLibrary::ClapLibrary(const std::string& path)
{
	handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!handle)
		throw std::runtime_error(dlerror());
	entry = static_cast<const clap_plugin_entry_t*>(dlsym(handle, "clap_entry"));
	if (!entry || !clap_version_is_compatible(entry->clap_version) || !entry->init(path.c_str()))
		throw std::runtime_error("no usable clap_entry in " + path);
	pluginFactory = static_cast<const clap_plugin_factory_t*>(entry->get_factory(CLAP_PLUGIN_FACTORY_ID));
}

ClapLibrary::~ClapLibrary()
{
	if (entry)
		entry->deinit();
	dlclose(handle);
}

InputEvents::InputEvents()
{
	in.ctx = this;
	in.size = [](const clap_input_events_t* list) {
		return static_cast<uint32_t>(static_cast<const InputEvents*>(list->ctx)->events.size());
	};
	in.get = [](const clap_input_events_t* list, uint32_t index) -> const clap_event_header_t* {
		const auto& events = static_cast<const InputEvents*>(list->ctx)->events;
		return index < events.size() ? reinterpret_cast<const clap_event_header_t*>(events[index].data()) : nullptr;
	};
}

void InputEvents::paramValue(uint32_t time, clap_id id, double value)
{
	clap_event_param_value_t event {};
	event.header = {sizeof(event), time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
	event.param_id = id;
	event.note_id = -1;
	event.port_index = event.channel = event.key = -1;
	event.value = value;
	const char* bytes = reinterpret_cast<const char*>(&event);
	events.emplace_back(bytes, bytes + sizeof(event));
}

void InputEvents::midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2)
{
	clap_event_midi_t event {};
	event.header = {sizeof(event), time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_MIDI, 0};
	event.data[0] = status;
	event.data[1] = data1;
	event.data[2] = data2;
	const char* bytes = reinterpret_cast<const char*>(&event);
	events.emplace_back(bytes, bytes + sizeof(event));
}

OutputEvents::OutputEvents()
{
	values.reserve(1024);
	types.reserve(4096);
	out.ctx = this;
	out.try_push = [](const clap_output_events_t* list, const clap_event_header_t* event) {
		auto* self = static_cast<OutputEvents*>(list->ctx);
		if (self->types.size() == self->types.capacity())
			return false; // a real-time host refuses rather than grows
		self->types.push_back(event->type);
		if (event->type == CLAP_EVENT_PARAM_VALUE && self->values.size() < self->values.capacity())
			self->values.push_back(*reinterpret_cast<const clap_event_param_value_t*>(event));
		return true;
	};
}

ClapHostContext::ClapHostContext() : mainThread(std::this_thread::get_id())
{
	clapHost.clap_version = CLAP_VERSION;
	clapHost.host_data = this;
	clapHost.name = "veltrane";
	clapHost.vendor = "Tallow Ridge";
	clapHost.version = "1.0";
	clapHost.get_extension = [](const clap_host_t* host, const char* id) -> const void* {
		auto* self = static_cast<ClapHostContext*>(host->host_data);
		if (!std::strcmp(id, CLAP_EXT_PARAMS))
			return &self->params;
		if (!std::strcmp(id, CLAP_EXT_TIMER_SUPPORT))
			return self->timerSupport ? &self->timerExtension : nullptr;
		if (!std::strcmp(id, CLAP_EXT_THREAD_CHECK))
			return &self->threadCheck;
		if (!std::strcmp(id, CLAP_EXT_GUI))
			return &self->gui;
		return nullptr;
	};
	clapHost.request_restart = [](const clap_host_t*) {};
	clapHost.request_process = [](const clap_host_t*) {};
	clapHost.request_callback = [](const clap_host_t* host) { ++static_cast<ClapHostContext*>(host->host_data)->callbackRequests; };

	params.rescan = [](const clap_host_t* host, clap_param_rescan_flags) { ++static_cast<ClapHostContext*>(host->host_data)->rescans; };
	params.clear = [](const clap_host_t*, clap_id, clap_param_clear_flags) {};
	params.request_flush = [](const clap_host_t* host) { ++static_cast<ClapHostContext*>(host->host_data)->flushRequests; };

	timerExtension.register_timer = [](const clap_host_t* host, uint32_t period, clap_id* id) {
		auto* self = static_cast<ClapHostContext*>(host->host_data);
		*id = self->nextTimer++;
		const auto interval = std::chrono::milliseconds(std::max<uint32_t>(period, 1));
		self->timers.push_back({*id, interval, std::chrono::steady_clock::now() + interval});
		return true;
	};
	timerExtension.unregister_timer = [](const clap_host_t* host, clap_id id) {
		auto& timers = static_cast<ClapHostContext*>(host->host_data)->timers;
		const auto found = std::find_if(timers.begin(), timers.end(), [id](const Timer& t) { return t.id == id; });
		if (found == timers.end())
			return false;
		timers.erase(found);
		return true;
	};
	threadCheck.is_main_thread = [](const clap_host_t* host) {
		return std::this_thread::get_id() == static_cast<ClapHostContext*>(host->host_data)->mainThread;
	};
	threadCheck.is_audio_thread = [](const clap_host_t* host) {
		return std::this_thread::get_id() != static_cast<ClapHostContext*>(host->host_data)->mainThread;
	};
	gui.resize_hints_changed = [](const clap_host_t*) {};
	gui.request_resize = [](const clap_host_t*, uint32_t, uint32_t) { return false; };
	gui.request_show = [](const clap_host_t*) { return false; };
	gui.request_hide = [](const clap_host_t*) { return false; };
	gui.closed = [](const clap_host_t*, bool) {};
}

void ClapHostContext::fireDueTimers(const clap_plugin_t* plugin)
{
	const auto* support =
		static_cast<const clap_plugin_timer_support_t*>(plugin->get_extension(plugin, CLAP_EXT_TIMER_SUPPORT));
	const auto now = std::chrono::steady_clock::now();
	std::vector<clap_id> due;
	for (Timer& timer : timers)
		if (timer.due <= now)
		{
			due.push_back(timer.id);
			timer.due = now + timer.period;
		}
	// Every id due at the start of the round fires, even one unregistered meanwhile, as a careless host does.
	for (size_t i = 0; i < due.size(); ++i)
	{
		support->on_timer(plugin, due[i]);
		if (i == 0 && duringTimers)
			std::exchange(duringTimers, nullptr)();
	}
}

void ClapHostContext::pumpFor(const clap_plugin_t* plugin, int ms)
{
	const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
	while (std::chrono::steady_clock::now() < end)
	{
		fireDueTimers(plugin);
		std::this_thread::sleep_for(std::chrono::milliseconds(2));
	}
}

ClapInstance::ClapInstance(const ClapLibrary& library, ClapHostContext& host)
{
	const clap_plugin_factory_t* factory = library.factory();
	if (!factory || factory->get_plugin_count(factory) != 1)
		throw std::runtime_error("the factory offers no single plug-in");
	const clap_plugin_descriptor_t* descriptor = factory->get_plugin_descriptor(factory, 0);
	instance = factory->create_plugin(factory, host.host(), descriptor->id);
	if (!instance || !instance->init(instance))
	{
		if (instance)
			instance->destroy(instance);
		throw std::runtime_error("the plug-in did not initialize");
	}
}

ClapInstance::~ClapInstance()
{
	deactivate();
	instance->destroy(instance);
}

bool ClapInstance::activate(double sampleRate, uint32_t maxFrames)
{
	active = instance->activate(instance, sampleRate, 1, maxFrames) && instance->start_processing(instance);
	return active;
}

void ClapInstance::deactivate()
{
	if (!active)
		return;
	instance->stop_processing(instance);
	instance->deactivate(instance);
	active = false;
}

bool ClapInstance::process(float* const* inputs, float* const* outputs, uint32_t frames, const InputEvents& in,
	OutputEvents& out)
{
	clap_audio_buffer_t input {const_cast<float**>(inputs), nullptr, 2, 0, 0};
	clap_audio_buffer_t output {const_cast<float**>(outputs), nullptr, 2, 0, 0};
	clap_process_t process {};
	process.steady_time = steadyTime;
	process.frames_count = frames;
	process.audio_inputs = &input;
	process.audio_outputs = &output;
	process.audio_inputs_count = 1;
	process.audio_outputs_count = 1;
	process.in_events = in.list();
	process.out_events = out.list();
	steadyTime += frames;
	return instance->process(instance, &process) != CLAP_PROCESS_ERROR;
}

std::vector<uint8_t> ClapInstance::saveState() const
{
	std::vector<uint8_t> bytes;
	clap_ostream_t stream {&bytes, [](const clap_ostream_t* s, const void* data, uint64_t size) -> int64_t {
		auto* out = static_cast<std::vector<uint8_t>*>(s->ctx);
		out->insert(out->end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
		return static_cast<int64_t>(size);
	}};
	const auto* state = extension<clap_plugin_state_t>(CLAP_EXT_STATE);
	if (!state->save(instance, &stream))
		bytes.clear();
	return bytes;
}

bool ClapInstance::loadState(const std::vector<uint8_t>& bytes) const
{
	struct Reader
	{
		const std::vector<uint8_t>& bytes;
		size_t position;
	} reader {bytes, 0};
	// Seven bytes at a time: the plug-in must read until the end.
	clap_istream_t stream {&reader, [](const clap_istream_t* s, void* data, uint64_t size) -> int64_t {
		auto* r = static_cast<Reader*>(s->ctx);
		const size_t count = std::min<size_t>({static_cast<size_t>(size), r->bytes.size() - r->position, 7});
		if (count > 0)
			std::memcpy(data, r->bytes.data() + r->position, count);
		r->position += count;
		return static_cast<int64_t>(count);
	}};
	return extension<clap_plugin_state_t>(CLAP_EXT_STATE)->load(instance, &stream);
}

} // namespace VeltraneHost
