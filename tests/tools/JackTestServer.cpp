#include "JackTestServer.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ToolTests {

namespace fs = std::filesystem;

namespace {

std::string freshName()
{
	static int count = 0;
	return "vtlive-" + std::to_string(::getpid()) + "-" + std::to_string(++count);
}

jack_client_t* openClient(const std::string& client, const std::string& server)
{
	jack_status_t status{};
	return jack_client_open(client.c_str(), static_cast<jack_options_t>(JackNoStartServer | JackServerName), &status,
		server.c_str());
}

// Semaphores and segments a server or a dropped client of it left behind.
void removeLeftovers(const std::string& server)
{
	std::error_code ignored;
	for (const fs::directory_entry& entry : fs::directory_iterator("/dev/shm", ignored))
	{
		const std::string file = entry.path().filename().string();
		if (file.rfind("jack", 0) == 0 && file.find(server) != std::string::npos)
			fs::remove(entry.path(), ignored);
	}
}

void quiet(const char*) {}

} // namespace

std::string unusedServerName()
{
	return freshName() + "-absent";
}

JackTestServer::JackTestServer(int bufferSize) : serverName(freshName())
{
	jack_set_error_function(quiet);
	jack_set_info_function(quiet);
	logPath = (fs::temp_directory_path() / (serverName + ".log")).string();
	const std::vector<std::string> arguments{
		"jackd", "-n", serverName, "-d", "dummy", "-r", "48000", "-p", std::to_string(bufferSize)};
	std::vector<char*> argv;
	for (const std::string& argument : arguments)
		argv.push_back(const_cast<char*>(argument.c_str()));
	argv.push_back(nullptr);
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
	pid_t child = 0;
	const int spawned = posix_spawnp(&child, "jackd", &actions, nullptr, argv.data(), environ);
	posix_spawn_file_actions_destroy(&actions);
	if (spawned != 0)
		throw std::runtime_error("cannot start jackd");
	pid = child;

	const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
	while (std::chrono::steady_clock::now() < deadline)
	{
		if (jack_client_t* probe = openClient("ready", serverName))
		{
			jack_client_close(probe);
			return;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(50));
	}
	stop();
	throw std::runtime_error("jackd " + serverName + " took no clients in 20 s; see " + logPath);
}

JackTestServer::~JackTestServer()
{
	stop();
	std::error_code ignored;
	fs::remove(logPath, ignored);
}

void JackTestServer::stop()
{
	if (pid <= 0)
		return;
	::kill(pid, SIGTERM);
	while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR)
	{
	}
	pid = -1;
	removeLeftovers(serverName);
}

JackProbe::JackProbe(const std::string& serverName)
{
	handle = openClient("probe", serverName);
	if (!handle)
		throw std::runtime_error("the probe cannot reach jackd " + serverName);
	outputs[0] = jack_port_register(handle, "out_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
	outputs[1] = jack_port_register(handle, "out_2", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
	input = jack_port_register(handle, "in_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
	jack_set_process_callback(handle, onProcess, this);
	if (!outputs[0] || !outputs[1] || !input || jack_activate(handle) != 0)
		throw std::runtime_error("the probe cannot start");
}

JackProbe::~JackProbe()
{
	jack_deactivate(handle);
	jack_client_close(handle);
}

bool JackProbe::waitForPort(const std::string& port, int timeoutMs) const
{
	const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
	while (!jack_port_by_name(handle, port.c_str()))
	{
		if (std::chrono::steady_clock::now() > deadline)
			return false;
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	}
	return true;
}

void JackProbe::connect(const std::string& probeOutput, const std::string& to, const std::string& from,
	const std::string& probeInput)
{
	const std::string self = jack_get_client_name(handle);
	// A client's ports exist a moment before it is active, and JACK refuses
	// connections to it until then.
	const auto tryConnect = [this](const std::string& source, const std::string& destination) {
		const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
		while (jack_connect(handle, source.c_str(), destination.c_str()) != 0)
		{
			if (std::chrono::steady_clock::now() > deadline)
				throw std::runtime_error("the probe cannot connect " + source + " to " + destination);
			std::this_thread::sleep_for(std::chrono::milliseconds(20));
		}
	};
	tryConnect(self + ":" + probeOutput, to);
	if (!from.empty())
		tryConnect(from, self + ":" + probeInput);
}

float JackProbe::medianRms(int first, int count) const
{
	std::vector<float> values;
	for (int index = first; index < first + count; ++index)
		values.push_back(blockRms(index));
	std::nth_element(values.begin(), values.begin() + count / 2, values.end());
	return values[static_cast<size_t>(count / 2)];
}

int JackProbe::onProcess(jack_nframes_t frames, void* self)
{
	JackProbe& probe = *static_cast<JackProbe*>(self);
	for (jack_port_t* port : probe.outputs)
	{
		float* samples = static_cast<float*>(jack_port_get_buffer(port, frames));
		for (jack_nframes_t frame = 0; frame < frames; ++frame)
			samples[frame] = kAmplitude *
				static_cast<float>(std::sin(2.0 * M_PI * static_cast<double>((probe.phase + frame) % kPeriodFrames) / kPeriodFrames));
	}
	probe.phase += frames;
	const float* heard = static_cast<const float*>(jack_port_get_buffer(probe.input, frames));
	double sum = 0.0;
	for (jack_nframes_t frame = 0; frame < frames; ++frame)
		sum += static_cast<double>(heard[frame]) * heard[frame];
	const int index = probe.heard.load(std::memory_order_relaxed);
	probe.rms[static_cast<size_t>(index) % probe.rms.size()] = static_cast<float>(std::sqrt(sum / frames));
	probe.heard.store(index + 1, std::memory_order_release);
	return 0;
}

} // namespace ToolTests
