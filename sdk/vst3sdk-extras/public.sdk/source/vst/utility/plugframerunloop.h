// The object an embedded editor's frame is on Linux: an IPlugFrame that also
// answers for the Linux::IRunLoop the view asks it for. Interface lookup and
// reference counting are the same for every editor frame; how the loop is
// pumped (the host's idle calls, the host's timers) is the subclass's.
#pragma once

#include "pluginterfaces/gui/iplugview.h"

#include <atomic>

namespace Steinberg {
namespace Vst {

class PlugFrameRunLoop : public IPlugFrame, public Linux::IRunLoop
{
public:
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE
	{
		if (!obj)
			return kInvalidArgument;
		if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IPlugFrame::iid))
			*obj = static_cast<IPlugFrame*>(this);
		else if (FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
			*obj = static_cast<Linux::IRunLoop*>(this);
		else
		{
			*obj = nullptr;
			return kNoInterface;
		}
		addRef();
		return kResultOk;
	}
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE { return ++refCount; }
	uint32 PLUGIN_API release() SMTG_OVERRIDE
	{
		const uint32 count = --refCount;
		if (count == 0)
			delete this;
		return count;
	}

protected:
	// Starts with one reference, owned by whoever creates it.
	PlugFrameRunLoop() = default;
	virtual ~PlugFrameRunLoop() = default;

private:
	std::atomic<uint32> refCount {1};
};

} // namespace Vst
} // namespace Steinberg
