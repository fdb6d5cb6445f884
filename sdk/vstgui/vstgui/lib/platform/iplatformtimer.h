#pragma once

#include "../vstguibase.h"

namespace VSTGUI {

class IPlatformTimerCallback
{
public:
	virtual ~IPlatformTimerCallback() noexcept = default;
	virtual void fire() = 0;
};

// A repeating timer of the user-interface thread.
class IPlatformTimer : public NonAtomicReferenceCounted
{
public:
	virtual bool start(uint32_t fireTimeMs) = 0;
	virtual bool stop() = 0;
};

} // namespace VSTGUI
