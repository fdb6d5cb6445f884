#pragma once

#include "FakeProbe.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

// Opens a fake module beside the host, so its probe outlives the host's
// unload, and zeroes the probe for a fresh test.
class ProbeAccess
{
public:
	explicit ProbeAccess(const char* binary) : handle(dlopen(binary, RTLD_NOW | RTLD_LOCAL))
	{
		const auto probeFunction = handle ? reinterpret_cast<FakeProbeFunction>(dlsym(handle, "fakeProbe")) : nullptr;
		if (!probeFunction)
			throw std::runtime_error(std::string("no probe in ") + binary);
		probe = probeFunction();
		*probe = FakeProbe{};
	}
	ProbeAccess(const ProbeAccess&) = delete;
	ProbeAccess& operator=(const ProbeAccess&) = delete;
	~ProbeAccess() { dlclose(handle); }

	FakeProbe* operator->() const { return probe; }

private:
	void* handle;
	FakeProbe* probe = nullptr;
};
