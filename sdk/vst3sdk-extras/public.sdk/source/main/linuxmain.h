// Entry points a Linux host calls right after dlopen and right before
// dlclose, and the hooks through which they reach the plug-in.
#pragma once

// Defined by the plug-in: set up / tear down module-wide state. Answering
// false makes the host give up loading the module.
bool InitModule();
bool DeinitModule();

// The handle of the loaded module while it is entered; null otherwise.
extern void* moduleHandle;

extern "C" {
// Nested calls are counted: only the first entry runs InitModule and only
// the matching last exit runs DeinitModule.
__attribute__((visibility("default"))) bool ModuleEntry(void* sharedLibraryHandle);
__attribute__((visibility("default"))) bool ModuleExit();
// Older hosts call these instead; they run the hooks unconditionally.
__attribute__((visibility("default"))) bool InitDll();
__attribute__((visibility("default"))) bool ExitDll();
}
