// The audio-ports, note-ports and latency extensions: the component's main buses as they are.
#include "ClapPlugin.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

void copyName(const char* name, char* out, size_t size)
{
	std::strncpy(out, name, size - 1);
	out[size - 1] = 0;
}

} // namespace

const clap_plugin_audio_ports_t Plugin::audioPorts = {
	[](const clap_plugin_t* p, bool isInput) -> uint32_t {
		const auto& hosted = self(p)->hosted;
		return hosted && (isInput ? hosted->inputChannels() : hosted->outputChannels()) > 0 ? 1 : 0;
	},
	[](const clap_plugin_t* p, uint32_t index, bool isInput, clap_audio_port_info_t* info) {
		const auto& hosted = self(p)->hosted;
		const int32 channels = hosted ? (isInput ? hosted->inputChannels() : hosted->outputChannels()) : 0;
		if (index != 0 || channels <= 0 || !info)
			return false;
		*info = clap_audio_port_info_t {};
		info->id = 0;
		copyName(isInput ? "Audio Input" : "Audio Output", info->name, sizeof(info->name));
		info->flags = CLAP_AUDIO_PORT_IS_MAIN;
		info->channel_count = static_cast<uint32_t>(channels);
		info->port_type = channels == 2 ? CLAP_PORT_STEREO : channels == 1 ? CLAP_PORT_MONO : nullptr;
		info->in_place_pair = hosted->inputChannels() == hosted->outputChannels() ? 0 : CLAP_INVALID_ID;
		return true;
	},
};

const clap_plugin_note_ports_t Plugin::notePorts = {
	[](const clap_plugin_t* p, bool isInput) -> uint32_t {
		return isInput && self(p)->hosted && self(p)->hosted->hasEventInput() ? 1 : 0;
	},
	[](const clap_plugin_t* p, uint32_t index, bool isInput, clap_note_port_info_t* info) {
		if (index != 0 || !isInput || !info || !self(p)->hosted || !self(p)->hosted->hasEventInput())
			return false;
		*info = clap_note_port_info_t {};
		info->id = 0;
		info->supported_dialects = CLAP_NOTE_DIALECT_CLAP | CLAP_NOTE_DIALECT_MIDI;
		info->preferred_dialect = CLAP_NOTE_DIALECT_MIDI;
		copyName("MIDI Input", info->name, sizeof(info->name));
		return true;
	},
};

const clap_plugin_latency_t Plugin::latency = {
	[](const clap_plugin_t* p) -> uint32_t {
		return self(p)->hosted ? self(p)->hosted->processor().getLatencySamples() : 0;
	},
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
