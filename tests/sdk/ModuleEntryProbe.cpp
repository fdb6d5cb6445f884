// The plug-in side of a module built only to test the entry points: the
// hooks record their calls and the test reads them back through dlsym.
#include "public.sdk/source/main/linuxmain.h"

namespace {

int initCalls = 0;
int deinitCalls = 0;
bool initSucceeds = true;

} // namespace

bool InitModule()
{
	++initCalls;
	return initSucceeds;
}

bool DeinitModule()
{
	++deinitCalls;
	return true;
}

extern "C" {

__attribute__((visibility("default"))) int ProbeInitCalls() { return initCalls; }
__attribute__((visibility("default"))) int ProbeDeinitCalls() { return deinitCalls; }
__attribute__((visibility("default"))) void* ProbeModuleHandle() { return moduleHandle; }
__attribute__((visibility("default"))) void ProbeLetInitSucceed(bool succeed) { initSucceeds = succeed; }

}
