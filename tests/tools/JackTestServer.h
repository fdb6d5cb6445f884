#pragma once

#include <jack/jack.h>

#include <array>
#include <atomic>
#include <string>

namespace ToolTests {

// A jackd of the test's own with the dummy driver (no sound card), under a
// name no other test uses. The destructor stops it as a user would
// (SIGTERM, then waiting), since a killed server leaves its name registered
// in /dev/shm, where only a few fit.
class JackTestServer
{
public:
	// Throws std::runtime_error when the server does not take clients in time.
	explicit JackTestServer(int bufferSize = 256);
	~JackTestServer();
	JackTestServer(const JackTestServer&) = delete;
	JackTestServer& operator=(const JackTestServer&) = delete;

	const std::string& name() const { return serverName; }
	// For a child process: makes its JACK clients use this server.
	std::string environment() const { return "JACK_DEFAULT_SERVER=" + serverName; }
	void stop();

private:
	std::string serverName;
	std::string logPath;
	int pid = -1;
};

// A name for a server that is not running and must not be started.
std::string unusedServerName();

// A client in the test process: plays a sine of period 64 frames into
// out_1/out_2 and measures each block arriving at in_1.
class JackProbe
{
public:
	explicit JackProbe(const std::string& serverName);
	~JackProbe();
	JackProbe(const JackProbe&) = delete;
	JackProbe& operator=(const JackProbe&) = delete;

	jack_client_t* client() const { return handle; }
	// True once the port exists, false when timeoutMs passed first.
	bool waitForPort(const std::string& port, int timeoutMs) const;
	// out_N -> to, from -> in_N.
	void connect(const std::string& probeOutput, const std::string& to, const std::string& from,
		const std::string& probeInput);

	static constexpr float kAmplitude = 0.5f;
	static constexpr int kPeriodFrames = 64;

	// The root mean square of each block at in_1 since the probe started, in order.
	int blocksHeard() const { return heard.load(); }
	float blockRms(int index) const { return rms[static_cast<size_t>(index) % rms.size()]; }
	// The median of blocks [first, first + count) of those heard, all of which must still be held.
	float medianRms(int first, int count) const;

private:
	static int onProcess(jack_nframes_t frames, void* self);

	jack_client_t* handle = nullptr;
	jack_port_t* outputs[2] = {};
	jack_port_t* input = nullptr;
	unsigned long phase = 0;
	std::array<float, 1 << 14> rms{};
	std::atomic<int> heard{0};
};

} // namespace ToolTests
