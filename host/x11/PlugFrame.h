#pragma once

#include "pluginterfaces/gui/iplugview.h"

namespace VeltraneHost {

class HostWindow;
class RunLoop;

// The IPlugFrame a host hands to setFrame: grants resize requests (resizing
// the host window, then IPlugView::onSize) and offers the run loop through
// queryInterface, as Linux hosts do. Without a run loop it offers none.
// Host-owned: references are not counted and never delete.
class PlugFrame final : public Steinberg::IPlugFrame
{
public:
	explicit PlugFrame(RunLoop* runLoop, HostWindow* window = nullptr) : runLoop(runLoop), window(window) {}

	int resizeRequests() const { return resizes; }
	const Steinberg::ViewRect& lastRequestedSize() const { return lastSize; }

	//---IPlugFrame
	Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view, Steinberg::ViewRect* newSize) override;

	//---FUnknown
	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
	Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
	Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
	RunLoop* runLoop;
	HostWindow* window;
	int resizes = 0;
	Steinberg::ViewRect lastSize;
};

} // namespace VeltraneHost
