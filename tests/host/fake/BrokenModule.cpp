// Modules that break the entry protocol in one way each, chosen by
// BROKEN_NO_ENTRY, BROKEN_ENTRY_FALSE or BROKEN_NO_FACTORY.
#include "FakeProbe.h"

#define EXPORTED extern "C" __attribute__((visibility("default")))

static FakeProbe probe;

EXPORTED FakeProbe* fakeProbe()
{
	return &probe;
}

#ifndef BROKEN_NO_ENTRY
EXPORTED bool ModuleEntry(void*)
{
	++probe.moduleEntries;
#ifdef BROKEN_ENTRY_FALSE
	return false;
#else
	return true;
#endif
}
#endif

EXPORTED bool ModuleExit()
{
	++probe.moduleExits;
	return true;
}

#ifndef BROKEN_NO_FACTORY
EXPORTED void* GetPluginFactory()
{
	return nullptr;
}
#endif
