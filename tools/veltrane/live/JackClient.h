#pragma once

#include <jack/jack.h>

#include <atomic>
#include <string>
#include <vector>

namespace Veltrane {

// What runs on JACK's real-time thread, once a block: one buffer per port.
// It must not allocate, lock or block.
class JackAudio
{
public:
	virtual ~JackAudio() = default;
	virtual void process(const float* const* inputs, float* const* outputs, int frames) noexcept = 0;
};

// One client of a running JACK server with audio ports in_1.., out_1... It
// never starts a server of its own: live audio belongs to the server the
// user runs. Closing it releases the ports.
class JackClient
{
public:
	// Throws ToolError, one line, when no server can be reached.
	JackClient(const std::string& name, int inputs, int outputs);
	~JackClient();
	JackClient(const JackClient&) = delete;
	JackClient& operator=(const JackClient&) = delete;

	// The name the server gave, which differs from the one asked for when another client has that.
	std::string name() const;
	double sampleRate() const;
	// The frames in every block now; the server may change it while running.
	int bufferSize() const { return frames.load(); }
	std::vector<std::string> portNames() const;

	// Registers the ports and from then on the server calls audio.process.
	// The ports appear only now, when they can be connected at once: JACK
	// refuses connections to a client that is not active yet. False when the
	// server would not take them, which is how a server that went away
	// between opening and activating shows.
	bool activate(JackAudio& audio);
	// Once it returns, process is no longer called.
	void deactivate();
	// Inputs from the system's capture ports, outputs to its playback ports;
	// a single capture or playback port serves every channel. Answers the
	// connections made.
	int connectToSystem();

	// Set on a JACK thread when the server shut down or dropped the client.
	bool serverGone() const { return gone.load(); }

private:
	static int onProcess(jack_nframes_t frames, void* self);
	static int onBufferSize(jack_nframes_t frames, void* self);
	static void onShutdown(jack_status_t code, const char* reason, void* self);
	bool registerPorts();
	int connectPorts(unsigned long direction, const std::vector<jack_port_t*>& ours);

	jack_client_t* client = nullptr;
	int inputCount;
	int outputCount;
	std::vector<jack_port_t*> inputPorts;
	std::vector<jack_port_t*> outputPorts;
	// Filled on the real-time thread; sized here so it never allocates.
	std::vector<const float*> inputBuffers;
	std::vector<float*> outputBuffers;
	JackAudio* audio = nullptr;
	bool active = false;
	std::atomic<int> frames{0};
	std::atomic<bool> gone{false};
};

} // namespace Veltrane
