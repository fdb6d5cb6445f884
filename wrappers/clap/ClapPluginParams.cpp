// Events and parameters: what crosses between a CLAP host and the hosted
// component's processor and controller.
#include "ClapPlugin.h"

#include "common/MidiRouting.h"

#include "public.sdk/source/vst/utility/stringconvert.h"

#include "pluginterfaces/vst/ivstevents.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

void copyText(const std::string& text, char* out, size_t size)
{
	if (!out || size == 0)
		return;
	const size_t length = std::min(text.size(), size - 1);
	std::memcpy(out, text.data(), length);
	out[length] = 0;
}

template <class Event>
bool holds(const clap_event_header_t& header)
{
	return header.size >= sizeof(Event);
}

} // namespace

void Plugin::owe(int32 index, uint32_t what)
{
	slots[static_cast<size_t>(index)].owed.fetch_or(what);
	if ((what & Slot::toController) && !callbackRequested.exchange(true) && host->request_callback)
		host->request_callback(host);
}

void Plugin::readEvents(const clap_input_events_t* in, uint32_t start, uint32_t length, uint32_t frames,
	const clap_output_events_t* out)
{
	if (!in || !in->size || !in->get)
		return;
	// A flush (no frames) takes every event at offset 0.
	const bool everything = length == 0;
	const uint32_t last = frames > 0 ? frames - 1 : 0;
	uint32_t latest = 0;
	const uint32_t count = in->size(in);
	for (uint32_t i = 0; i < count; ++i)
	{
		const clap_event_header_t* header = in->get(in, i);
		if (!header || header->space_id != CLAP_CORE_EVENT_SPACE_ID || header->size < sizeof(clap_event_header_t))
			continue;
		// Sorted by force: late events land on the last frame, early ones
		// that come after later ones move up to them.
		const uint32_t time = std::max(std::min(header->time, last), latest);
		latest = time;
		if (!everything && (time < start || time >= start + length))
			continue;
		const int32 offset = everything ? 0 : static_cast<int32>(time - start);
		switch (header->type)
		{
			case CLAP_EVENT_PARAM_VALUE:
				if (holds<clap_event_param_value_t>(*header))
					readParameterValue(*reinterpret_cast<const clap_event_param_value_t*>(header), offset);
				break;
			case CLAP_EVENT_MIDI:
				if (holds<clap_event_midi_t>(*header))
					readMidi(reinterpret_cast<const clap_event_midi_t*>(header)->data, offset, out, time);
				break;
			case CLAP_EVENT_NOTE_ON:
			case CLAP_EVENT_NOTE_OFF:
				if (holds<clap_event_note_t>(*header))
					readNote(*header, offset);
				break;
			default:
				break; // modulation, expressions, transport, sysex: not for a VST 3 component
		}
	}
}

void Plugin::readParameterValue(const clap_event_param_value_t& event, int32 offset)
{
	const int32 index = table->indexOf(event.param_id);
	if (index < 0 || !std::isfinite(event.value) || table->at(index).isReadOnly())
		return;
	const ParamValue normalized = table->toNormalized(index, event.value);
	if (!hosted->inputChanges().addPoint(event.param_id, offset, normalized))
		return; // no room left in this block
	slots[static_cast<size_t>(index)].normalized.store(normalized);
	owe(index, Slot::toController);
}

void Plugin::readMidi(const uint8_t* data, int32 offset, const clap_output_events_t* out, uint32_t time)
{
	const Wrappers::MidiMove move = Wrappers::routeMidi(data, 3, offset, *table, *hosted);
	if (move.index < 0)
		return;
	slots[static_cast<size_t>(move.index)].normalized.store(move.normalized);
	owe(move.index, Slot::toController);
	// The host learns of it, but must not record it next to the MIDI it came from.
	pushValue(out, move.index, time, CLAP_EVENT_DONT_RECORD);
}

void Plugin::readNote(const clap_event_header_t& header, int32 offset)
{
	const auto& note = reinterpret_cast<const clap_event_note_t&>(header);
	if (!hosted->hasEventInput() || note.key < 0 || note.key > 127 || note.channel < 0 || note.channel > 15)
		return;
	const float velocity = std::isfinite(note.velocity) ? static_cast<float>(std::clamp(note.velocity, 0.0, 1.0)) : 0.0f;
	Event event {};
	event.sampleOffset = offset;
	if (header.type == CLAP_EVENT_NOTE_ON)
	{
		event.type = Event::kNoteOnEvent;
		event.noteOn = {note.channel, note.key, 0.0f, velocity, 0, note.note_id};
	}
	else
	{
		event.type = Event::kNoteOffEvent;
		event.noteOff = {note.channel, note.key, velocity, note.note_id, 0.0f};
	}
	hosted->events().add(event);
}

void Plugin::takeEdits(const clap_output_events_t* out)
{
	constexpr uint32_t hostBits = Slot::hostBegin | Slot::hostValue | Slot::hostEnd;
	const uint32_t taken = Slot::toProcessor | (out ? hostBits : 0);
	for (int32 i = 0; i < table->size(); ++i)
	{
		Slot& slot = slots[static_cast<size_t>(i)];
		if (!(slot.owed.load(std::memory_order_relaxed) & taken))
			continue;
		const uint32_t owed = slot.owed.fetch_and(~taken) & taken;
		if (owed & Slot::toProcessor)
			hosted->inputChanges().addPoint(table->at(i).id, 0, slot.normalized.load());
		if (owed & Slot::hostBegin)
			pushGesture(out, i, CLAP_EVENT_PARAM_GESTURE_BEGIN);
		if (owed & Slot::hostValue)
			pushValue(out, i, 0, 0);
		if (owed & Slot::hostEnd)
			pushGesture(out, i, CLAP_EVENT_PARAM_GESTURE_END);
	}
}

void Plugin::takeOutputChanges(const clap_output_events_t* out, uint32_t time)
{
	// What the processor reports (meters) is news to the host and the controller.
	ParameterChanges& changes = hosted->outputChanges();
	for (int32 q = 0; q < changes.getParameterCount(); ++q)
	{
		IParamValueQueue* queue = changes.getParameterData(q);
		const int32 index = queue ? table->indexOf(queue->getParameterId()) : -1;
		int32 offset = 0;
		ParamValue value = 0.0;
		if (index < 0 || queue->getPointCount() <= 0 ||
			queue->getPoint(queue->getPointCount() - 1, offset, value) != kResultOk)
			continue;
		slots[static_cast<size_t>(index)].normalized.store(value);
		owe(index, Slot::toController);
		pushValue(out, index, time, 0);
	}
	changes.clearQueue();
}

void Plugin::pushValue(const clap_output_events_t* out, int32 index, uint32_t time, uint32_t flags)
{
	if (!out || !out->try_push)
		return;
	clap_event_param_value_t event {};
	event.header = {sizeof(event), time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, flags};
	event.param_id = table->at(index).id;
	event.note_id = -1;
	event.port_index = event.channel = event.key = -1;
	event.value = table->toPlain(index, slots[static_cast<size_t>(index)].normalized.load());
	out->try_push(out, &event.header);
}

void Plugin::pushGesture(const clap_output_events_t* out, int32 index, uint16_t type)
{
	if (!out || !out->try_push)
		return;
	clap_event_param_gesture_t event {};
	event.header = {sizeof(event), 0, CLAP_CORE_EVENT_SPACE_ID, type, 0};
	event.param_id = table->at(index).id;
	out->try_push(out, &event.header);
}

void Plugin::flush(const clap_input_events_t* in, const clap_output_events_t* out)
{
	// Inactive: the main thread; active: the audio thread between blocks.
	// Either way only the processor is called, as in a process call.
	if (!hosted)
		return;
	takeEdits(out);
	readEvents(in, 0, 0, 0, out);
	hosted->flush();
	takeOutputChanges(out, 0);
}

void Plugin::refreshFromController(bool tellHost)
{
	bool changed = false;
	for (int32 i = 0; i < table->size(); ++i)
	{
		const ParamValue value = hosted->controller().getParamNormalized(table->at(i).id);
		Slot& slot = slots[static_cast<size_t>(i)];
		if (tellHost && value != slot.normalized.load())
		{
			slot.normalized.store(value);
			slot.owed.fetch_or(Slot::hostValue);
			changed = true;
		}
		slot.normalized.store(value);
	}
	if (!tellHost || !hostParams)
		return;
	if (hostParams->rescan)
		hostParams->rescan(host, CLAP_PARAM_RESCAN_VALUES);
	if (changed && hostParams->request_flush)
		hostParams->request_flush(host);
}

bool Plugin::parameterInfo(uint32_t index, clap_param_info_t* info) const
{
	if (!info || !table || index >= static_cast<uint32_t>(table->size()))
		return false;
	const Wrappers::ParameterEntry& entry = table->at(static_cast<int32>(index));
	*info = clap_param_info_t {};
	info->id = entry.id;
	if (entry.canAutomate())
		info->flags |= CLAP_PARAM_IS_AUTOMATABLE;
	if (entry.mapping == Wrappers::ParameterEntry::Mapping::stepped)
		info->flags |= CLAP_PARAM_IS_STEPPED;
	if (entry.isBypass())
		info->flags |= CLAP_PARAM_IS_BYPASS | CLAP_PARAM_IS_STEPPED;
	if (entry.isReadOnly())
		info->flags |= CLAP_PARAM_IS_READONLY;
	if (entry.isHidden())
		info->flags |= CLAP_PARAM_IS_HIDDEN;
	copyText(entry.title, info->name, sizeof(info->name));
	info->min_value = std::min(entry.minPlain, entry.maxPlain);
	info->max_value = std::max(entry.minPlain, entry.maxPlain);
	info->default_value = entry.defaultPlain;
	return true;
}

bool Plugin::parameterValue(clap_id id, double* value) const
{
	const int32 index = table && value ? table->indexOf(id) : -1;
	if (index < 0)
		return false;
	*value = table->toPlain(index, slots[static_cast<size_t>(index)].normalized.load());
	return true;
}

bool Plugin::valueToText(clap_id id, double value, char* display, uint32_t size) const
{
	const int32 index = table && display && size > 0 ? table->indexOf(id) : -1;
	if (index < 0 || !std::isfinite(value))
		return false;
	IEditController& controller = hosted->controller();
	String128 string {};
	if (controller.getParamStringByValue(id, controller.plainParamToNormalized(id, value), string) != kResultOk)
		return false;
	std::string text = VST3::StringConvert::convert(string, 128);
	if (!table->at(index).units.empty())
		text += " " + table->at(index).units;
	copyText(text, display, size);
	return true;
}

bool Plugin::textToValue(clap_id id, const char* display, double* value) const
{
	const int32 index = table && display && value ? table->indexOf(id) : -1;
	if (index < 0)
		return false;
	// The host may hand back what value_to_text gave, units and all.
	std::string text = display;
	const std::string& units = table->at(index).units;
	if (!units.empty() && text.size() >= units.size() && text.compare(text.size() - units.size(), units.size(), units) == 0)
		text.resize(text.size() - units.size());
	while (!text.empty() && text.back() == ' ')
		text.pop_back();
	String128 string {};
	if (!VST3::StringConvert::convert(text, string))
		return false;
	IEditController& controller = hosted->controller();
	ParamValue normalized = 0.0;
	if (controller.getParamValueByString(id, string, normalized) != kResultOk || !std::isfinite(normalized))
		return false;
	*value = controller.normalizedParamToPlain(id, std::clamp(normalized, 0.0, 1.0));
	return true;
}

void Plugin::onBeginEdit(ParamID id)
{
	const int32 index = table ? table->indexOf(id) : -1;
	if (index < 0)
		return;
	owe(index, Slot::hostBegin);
	if (hostParams && hostParams->request_flush)
		hostParams->request_flush(host);
}

void Plugin::onPerformEdit(ParamID id, ParamValue valueNormalized)
{
	const int32 index = table ? table->indexOf(id) : -1;
	if (index < 0 || !std::isfinite(valueNormalized))
		return;
	// The controller has the value already; the processor and the host not.
	slots[static_cast<size_t>(index)].normalized.store(std::clamp(valueNormalized, 0.0, 1.0));
	owe(index, Slot::toProcessor | Slot::hostValue);
	if (hostParams && hostParams->request_flush)
		hostParams->request_flush(host);
}

void Plugin::onEndEdit(ParamID id)
{
	const int32 index = table ? table->indexOf(id) : -1;
	if (index < 0)
		return;
	owe(index, Slot::hostEnd);
	if (hostParams && hostParams->request_flush)
		hostParams->request_flush(host);
}

void Plugin::onRestartComponent(int32 flags)
{
	if (!table)
		return; // still being set up
	if (flags & (kParamValuesChanged | kParamTitlesChanged))
		refreshFromController(true);
	if (flags & kLatencyChanged)
	{
		if (hosted->isActive())
			host->request_restart(host);
		else if (hostLatency && hostLatency->changed)
			hostLatency->changed(host);
	}
}

const clap_plugin_params_t Plugin::params = {
	[](const clap_plugin_t* p) -> uint32_t { return self(p)->table ? static_cast<uint32_t>(self(p)->table->size()) : 0; },
	[](const clap_plugin_t* p, uint32_t index, clap_param_info_t* info) { return self(p)->parameterInfo(index, info); },
	[](const clap_plugin_t* p, clap_id id, double* value) { return self(p)->parameterValue(id, value); },
	[](const clap_plugin_t* p, clap_id id, double value, char* display, uint32_t size) {
		return self(p)->valueToText(id, value, display, size);
	},
	[](const clap_plugin_t* p, clap_id id, const char* display, double* value) {
		return self(p)->textToValue(id, display, value);
	},
	[](const clap_plugin_t* p, const clap_input_events_t* in, const clap_output_events_t* out) {
		self(p)->flush(in, out);
	},
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
