#include "live/JackClient.h"

#include "ToolError.h"

#include <initializer_list>

namespace Veltrane {

namespace {

// libjack prints its own diagnostics (several lines when no server runs);
// the tool says what went wrong in one line of its own instead.
void quiet(const char*) {}

std::string portName(const char* prefix, size_t index)
{
	return std::string(prefix) + std::to_string(index + 1);
}

} // namespace

JackClient::JackClient(const std::string& name, int inputs, int outputs) : inputCount(inputs), outputCount(outputs)
{
	jack_set_error_function(quiet);
	jack_set_info_function(quiet);
	jack_status_t status{};
	client = jack_client_open(name.c_str(), JackNoStartServer, &status);
	if (!client)
		throw ToolError((status & JackServerFailed) || (status & JackServerError)
				? "cannot reach a JACK server (is one running?)"
				: "the JACK server refused the client");
	inputBuffers.resize(static_cast<size_t>(inputs));
	outputBuffers.resize(static_cast<size_t>(outputs));
	frames = static_cast<int>(jack_get_buffer_size(client));
	jack_set_process_callback(client, onProcess, this);
	jack_set_buffer_size_callback(client, onBufferSize, this);
	jack_on_info_shutdown(client, onShutdown, this);
}

JackClient::~JackClient()
{
	deactivate();
	// Also after the server went away: the handle's resources are ours to free.
	jack_client_close(client);
}

std::string JackClient::name() const
{
	return jack_get_client_name(client);
}

double JackClient::sampleRate() const
{
	return static_cast<double>(jack_get_sample_rate(client));
}

std::vector<std::string> JackClient::portNames() const
{
	std::vector<std::string> names;
	for (const auto* ports : {&inputPorts, &outputPorts})
		for (jack_port_t* port : *ports)
			names.push_back(jack_port_name(port));
	return names;
}

bool JackClient::registerPorts()
{
	for (int index = 0; index < inputCount + outputCount; ++index)
	{
		const bool input = index < inputCount;
		const size_t number = static_cast<size_t>(input ? index : index - inputCount);
		jack_port_t* port = jack_port_register(client, portName(input ? "in_" : "out_", number).c_str(),
			JACK_DEFAULT_AUDIO_TYPE, input ? JackPortIsInput : JackPortIsOutput, 0);
		if (!port)
			return false;
		(input ? inputPorts : outputPorts).push_back(port);
	}
	return true;
}

bool JackClient::activate(JackAudio& processing)
{
	audio = &processing;
	active = registerPorts() && jack_activate(client) == 0;
	return active;
}

void JackClient::deactivate()
{
	if (!active)
		return;
	active = false;
	if (!gone)
		jack_deactivate(client);
}

int JackClient::connectPorts(unsigned long direction, const std::vector<jack_port_t*>& ours)
{
	const char** system = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE, JackPortIsPhysical | direction);
	if (!system)
		return 0;
	size_t count = 0;
	while (system[count])
		++count;
	int made = 0;
	for (size_t index = 0; count > 0 && index < ours.size(); ++index)
	{
		const char* theirs = system[index < count ? index : count - 1];
		const char* mine = jack_port_name(ours[index]);
		const int result = direction == JackPortIsOutput ? jack_connect(client, theirs, mine) : jack_connect(client, mine, theirs);
		if (result == 0)
			++made;
	}
	jack_free(system);
	return made;
}

int JackClient::connectToSystem()
{
	// The system's capture ports are outputs of the server, its playback ports inputs.
	return connectPorts(JackPortIsOutput, inputPorts) + connectPorts(JackPortIsInput, outputPorts);
}

int JackClient::onProcess(jack_nframes_t count, void* self)
{
	JackClient& me = *static_cast<JackClient*>(self);
	for (size_t index = 0; index < me.inputPorts.size(); ++index)
		me.inputBuffers[index] = static_cast<const float*>(jack_port_get_buffer(me.inputPorts[index], count));
	for (size_t index = 0; index < me.outputPorts.size(); ++index)
		me.outputBuffers[index] = static_cast<float*>(jack_port_get_buffer(me.outputPorts[index], count));
	me.audio->process(me.inputBuffers.data(), me.outputBuffers.data(), static_cast<int>(count));
	return 0;
}

int JackClient::onBufferSize(jack_nframes_t count, void* self)
{
	static_cast<JackClient*>(self)->frames = static_cast<int>(count);
	return 0;
}

void JackClient::onShutdown(jack_status_t, const char*, void* self)
{
	static_cast<JackClient*>(self)->gone = true;
}

} // namespace Veltrane
