// What the wrapped plug-in sees of its host: the context it is initialized
// with (IHostApplication) and its component handler, whose calls are passed
// on to the VST 2 side through a Listener.
#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivsthostapplication.h"

#include <atomic>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

class HostContext : public IHostApplication, public IComponentHandler
{
public:
	class Listener
	{
	public:
		virtual void onBeginEdit(ParamID id) = 0;
		virtual void onPerformEdit(ParamID id, ParamValue valueNormalized) = 0;
		virtual void onEndEdit(ParamID id) = 0;
		virtual void onRestartComponent(int32 flags) = 0;

	protected:
		~Listener() = default;
	};

	// Starts with one reference, owned by the caller.
	HostContext(const char* hostName, Listener* listener);
	HostContext(const HostContext&) = delete;
	HostContext& operator=(const HostContext&) = delete;

	// The listener is going away: later handler calls are answered but go nowhere.
	void detach() { listener.store(nullptr); }

	//---IHostApplication
	tresult PLUGIN_API getName(String128 name) SMTG_OVERRIDE;
	tresult PLUGIN_API createInstance(TUID cid, TUID iid, void** obj) SMTG_OVERRIDE;

	//---IComponentHandler
	tresult PLUGIN_API beginEdit(ParamID id) SMTG_OVERRIDE;
	tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) SMTG_OVERRIDE;
	tresult PLUGIN_API endEdit(ParamID id) SMTG_OVERRIDE;
	tresult PLUGIN_API restartComponent(int32 flags) SMTG_OVERRIDE;

	//---FUnknown
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE;
	uint32 PLUGIN_API release() SMTG_OVERRIDE;

private:
	virtual ~HostContext() = default;

	std::atomic<uint32> refCount {1};
	String128 name {};
	std::atomic<Listener*> listener;
};

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
