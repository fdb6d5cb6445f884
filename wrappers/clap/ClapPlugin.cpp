// The clap_plugin itself: lifecycle, activation and the audio path.
#include "ClapPlugin.h"

#include "ClapEditorFrame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

// Bounds on what activate accepts; longer host blocks are processed in pieces.
constexpr double kMinSampleRate = 1.0;
constexpr double kMaxSampleRate = 3072000.0;
constexpr uint32_t kMaxBlock = 8192;
constexpr int32 kMaxChannels = 32; // per bus, for the block's channel pointers

template <class T>
const T* hostExtension(const clap_host_t* host, const char* id)
{
	return host->get_extension ? static_cast<const T*>(host->get_extension(host, id)) : nullptr;
}

bool usableBus(const clap_audio_buffer_t* buffers, uint32_t count, int32 channels)
{
	if (channels == 0)
		return true;
	if (channels > kMaxChannels || !buffers || count < 1 || !buffers[0].data32 ||
		buffers[0].channel_count < static_cast<uint32_t>(channels))
		return false;
	for (int32 c = 0; c < channels; ++c)
		if (!buffers[0].data32[c])
			return false;
	return true;
}

} // namespace

const clap_plugin_t* Plugin::create(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor,
	IPluginFactory* factory, const char* classId)
{
	return &(new Plugin(host, descriptor, factory, classId))->plugin;
}

Plugin::Plugin(const clap_host_t* host, const clap_plugin_descriptor_t* descriptor, IPluginFactory* factory,
	const char* id)
: host(host), factory(factory)
{
	std::memcpy(classId, id, sizeof(classId));
	plugin.desc = descriptor;
	plugin.plugin_data = this;
	plugin.init = [](const clap_plugin_t* p) { return self(p)->init(); };
	plugin.destroy = [](const clap_plugin_t* p) { delete self(p); };
	plugin.activate = [](const clap_plugin_t* p, double rate, uint32_t minFrames, uint32_t maxFrames) {
		return self(p)->activate(rate, minFrames, maxFrames);
	};
	plugin.deactivate = [](const clap_plugin_t* p) { self(p)->deactivate(); };
	plugin.start_processing = [](const clap_plugin_t* p) { return self(p)->processing = self(p)->hosted != nullptr; };
	plugin.stop_processing = [](const clap_plugin_t* p) { self(p)->processing = false; };
	plugin.reset = [](const clap_plugin_t*) {};
	plugin.process = [](const clap_plugin_t* p, const clap_process_t* process) { return self(p)->process(process); };
	plugin.get_extension = [](const clap_plugin_t* p, const char* id) { return self(p)->extension(id); };
	plugin.on_main_thread = [](const clap_plugin_t* p) { self(p)->onMainThread(); };
}

Plugin::~Plugin()
{
	guiDestroy();
	hosted.reset(); // deactivates and terminates the component
}

bool Plugin::init()
{
	if (hosted)
		return true;
	hostParams = hostExtension<clap_host_params_t>(host, CLAP_EXT_PARAMS);
	hostLatency = hostExtension<clap_host_latency_t>(host, CLAP_EXT_LATENCY);
	hostGui = hostExtension<clap_host_gui_t>(host, CLAP_EXT_GUI);
	hostTimers = hostExtension<clap_host_timer_support_t>(host, CLAP_EXT_TIMER_SUPPORT);
	hostThreadCheck = hostExtension<clap_host_thread_check_t>(host, CLAP_EXT_THREAD_CHECK);
	if (hostTimers && (!hostTimers->register_timer || !hostTimers->unregister_timer))
		hostTimers = nullptr;

	hosted = Wrappers::HostedComponent::create(factory, classId, host->name, this);
	if (!hosted)
		return false;
	table = std::make_unique<Wrappers::ParameterTable>(hosted->controller(), hosted->midiMapping(), hosted->unitInfo());
	slots = std::make_unique<Slot[]>(static_cast<size_t>(std::max<int32>(table->size(), 1)));
	refreshFromController(false);
	return true;
}

bool Plugin::onMainThreadNow() const
{
	return !hostThreadCheck || !hostThreadCheck->is_main_thread || hostThreadCheck->is_main_thread(host);
}

bool Plugin::activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames)
{
	(void)minFrames;
	if (!hosted || hosted->isActive() || !onMainThreadNow() ||
		!(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate))
		return false;
	maxBlock = static_cast<int32>(std::clamp<uint32_t>(maxFrames, 1, kMaxBlock));
	if (!hosted->setup(sampleRate, maxBlock) || !hosted->activate())
		return false;
	context = ProcessContext {};
	context.sampleRate = sampleRate;
	return true;
}

void Plugin::deactivate()
{
	if (!hosted)
		return;
	processing = false;
	hosted->deactivate();
}

const void* Plugin::extension(const char* id) const
{
	if (!id)
		return nullptr;
	const struct
	{
		const char* id;
		const void* table;
	} extensions[] = {
		{CLAP_EXT_AUDIO_PORTS, &audioPorts},
		{CLAP_EXT_NOTE_PORTS, &notePorts},
		{CLAP_EXT_PARAMS, &params},
		{CLAP_EXT_STATE, &state},
		{CLAP_EXT_LATENCY, &latency},
		{CLAP_EXT_GUI, hosted && hosted->hasEditor() && hostTimers ? &gui : nullptr},
		{CLAP_EXT_TIMER_SUPPORT, &timerSupport},
	};
	for (const auto& extension : extensions)
		if (std::strcmp(id, extension.id) == 0)
			return extension.table;
	return nullptr;
}

void Plugin::fillContext(const clap_event_transport_t* transport, int64_t steadyTime)
{
	const double sampleRate = context.sampleRate;
	context = ProcessContext {};
	context.sampleRate = sampleRate;
	if (steadyTime >= 0)
	{
		context.continousTimeSamples = steadyTime;
		context.state |= ProcessContext::kContTimeValid;
	}
	if (!transport)
		return;
	const uint32_t flags = transport->flags;
	if (flags & CLAP_TRANSPORT_IS_PLAYING)
		context.state |= ProcessContext::kPlaying;
	if (flags & CLAP_TRANSPORT_IS_RECORDING)
		context.state |= ProcessContext::kRecording;
	if (flags & CLAP_TRANSPORT_IS_LOOP_ACTIVE)
		context.state |= ProcessContext::kCycleActive;
	if ((flags & CLAP_TRANSPORT_HAS_TEMPO) && std::isfinite(transport->tempo) && transport->tempo > 0.0)
	{
		context.tempo = transport->tempo;
		context.state |= ProcessContext::kTempoValid;
	}
	if (flags & CLAP_TRANSPORT_HAS_BEATS_TIMELINE)
	{
		context.projectTimeMusic = static_cast<double>(transport->song_pos_beats) / CLAP_BEATTIME_FACTOR;
		context.barPositionMusic = static_cast<double>(transport->bar_start) / CLAP_BEATTIME_FACTOR;
		context.state |= ProcessContext::kProjectTimeMusicValid | ProcessContext::kBarPositionValid;
	}
	if (flags & CLAP_TRANSPORT_HAS_SECONDS_TIMELINE)
	{
		// Bounded: a host's time may hold anything, and the cast must not overflow.
		const double seconds = std::clamp(static_cast<double>(transport->song_pos_seconds) / CLAP_SECTIME_FACTOR,
			-1.0e9, 1.0e9);
		context.projectTimeSamples = static_cast<int64>(seconds * sampleRate);
	}
	if ((flags & CLAP_TRANSPORT_HAS_TIME_SIGNATURE) && transport->tsig_num > 0 && transport->tsig_denom > 0)
	{
		context.timeSigNumerator = transport->tsig_num;
		context.timeSigDenominator = transport->tsig_denom;
		context.state |= ProcessContext::kTimeSigValid;
	}
}

clap_process_status Plugin::process(const clap_process_t* process)
{
	if (!process || !hosted || !hosted->isActive())
		return CLAP_PROCESS_ERROR;
	const uint32_t frames = process->frames_count;
	const int32 inputs = hosted->inputChannels(), outputs = hosted->outputChannels();
	if (!usableBus(process->audio_inputs, process->audio_inputs_count, inputs) ||
		!usableBus(process->audio_outputs, process->audio_outputs_count, outputs))
	{
		// Whatever output there is gets silence rather than garbage.
		for (uint32_t b = 0; process->audio_outputs && b < process->audio_outputs_count; ++b)
			for (uint32_t c = 0; process->audio_outputs[b].data32 && c < process->audio_outputs[b].channel_count; ++c)
				if (float* channel = process->audio_outputs[b].data32[c])
					std::fill(channel, channel + frames, 0.0f);
		return CLAP_PROCESS_ERROR;
	}
	fillContext(process->transport, process->steady_time);
	takeEdits(process->out_events);
	if (frames == 0)
	{
		readEvents(process->in_events, 0, 0, 0, process->out_events);
		hosted->flush();
		takeOutputChanges(process->out_events, 0);
		return CLAP_PROCESS_CONTINUE;
	}

	float* in[kMaxChannels] = {};
	float* out[kMaxChannels] = {};
	for (uint32_t start = 0; start < frames; start += static_cast<uint32_t>(maxBlock))
	{
		const uint32_t length = std::min<uint32_t>(static_cast<uint32_t>(maxBlock), frames - start);
		readEvents(process->in_events, start, length, frames, process->out_events);
		for (int32 c = 0; c < inputs; ++c)
			in[c] = process->audio_inputs[0].data32[c] + start;
		for (int32 c = 0; c < outputs; ++c)
			out[c] = process->audio_outputs[0].data32[c] + start;
		hosted->setContext(&context);
		hosted->process(in, out, static_cast<int32>(length));
		takeOutputChanges(process->out_events, start);
		if (context.state & ProcessContext::kContTimeValid)
			context.continousTimeSamples += length;
		context.projectTimeSamples += length;
	}
	for (uint32_t c = 0; c < process->audio_outputs[0].channel_count; ++c)
		process->audio_outputs[0].constant_mask &= ~(uint64_t(1) << std::min<uint32_t>(c, 63));
	return CLAP_PROCESS_CONTINUE;
}

void Plugin::onMainThread()
{
	callbackRequested.store(false);
	if (!hosted)
		return;
	// What the host and MIDI set reaches the controller here, off the audio thread.
	for (int32 i = 0; i < table->size(); ++i)
	{
		Slot& slot = slots[static_cast<size_t>(i)];
		if (slot.owed.fetch_and(~uint32_t(Slot::toController)) & Slot::toController)
			hosted->controller().setParamNormalized(table->at(i).id, slot.normalized.load());
	}
}

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
