#include "public.sdk/source/main/linuxmain.h"

#include <mutex>

void* moduleHandle = nullptr;

namespace {

std::mutex entryMutex;
int entryCount = 0;

} // namespace

// Visibility and C linkage come from the declarations in the header.
extern "C" {

bool ModuleEntry(void* sharedLibraryHandle)
{
	std::lock_guard<std::mutex> lock(entryMutex);
	if (++entryCount > 1)
		return true;
	moduleHandle = sharedLibraryHandle;
	if (InitModule())
		return true;
	// A host that sees the entry fail will not call ModuleExit: undo the
	// count so that a later attempt starts from scratch.
	--entryCount;
	moduleHandle = nullptr;
	return false;
}

bool ModuleExit()
{
	std::lock_guard<std::mutex> lock(entryMutex);
	if (entryCount == 0)
		return false;
	if (--entryCount > 0)
		return true;
	const bool result = DeinitModule();
	moduleHandle = nullptr;
	return result;
}

bool InitDll()
{
	return InitModule();
}

bool ExitDll()
{
	return DeinitModule();
}

} // extern "C"
