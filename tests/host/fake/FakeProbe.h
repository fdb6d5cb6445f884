#pragma once

#include <cstdint>

// What a fake module saw; the tests read it through dlsym on their own
// handle, which also keeps it alive after the host unloads the module.
struct FakeProbe
{
	int moduleEntries;
	int moduleExits;
	int liveObjects;
	int initializeCalls;
	int terminateCalls;
	int setComponentStateCalls;
	const void* componentHandler;
	int lastNumSamples;
	int lastProcessMode;
	int lastEventCount;
	double lastTempo;
	std::uint64_t lastInputSilence;
	char log[1024];	// lifecycle calls, each followed by ';'
};

using FakeProbeFunction = FakeProbe* (*)();
