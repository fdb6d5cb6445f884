#include "vst2hostcontext.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

HostContext::HostContext(const char* hostName, Listener* listener) : listener(listener)
{
	VST3::StringConvert::convert(hostName ? hostName : "", name);
}

tresult PLUGIN_API HostContext::getName(String128 out)
{
	std::memcpy(out, name, sizeof(String128));
	return kResultOk;
}

tresult PLUGIN_API HostContext::createInstance(TUID cid, TUID iid, void** obj)
{
	// The objects a plug-in may ask its host for: messages and attribute lists.
	if (FUnknownPrivate::iidEqual(cid, IMessage::iid) && FUnknownPrivate::iidEqual(iid, IMessage::iid))
	{
		*obj = static_cast<IMessage*>(new HostMessage);
		return kResultOk;
	}
	if (FUnknownPrivate::iidEqual(cid, IAttributeList::iid) && FUnknownPrivate::iidEqual(iid, IAttributeList::iid))
	{
		*obj = static_cast<IAttributeList*>(new HostAttributeList);
		return kResultOk;
	}
	*obj = nullptr;
	return kResultFalse;
}

tresult PLUGIN_API HostContext::beginEdit(ParamID id)
{
	if (Listener* target = listener.load())
		target->onBeginEdit(id);
	return kResultOk;
}

tresult PLUGIN_API HostContext::performEdit(ParamID id, ParamValue valueNormalized)
{
	if (Listener* target = listener.load())
		target->onPerformEdit(id, valueNormalized);
	return kResultOk;
}

tresult PLUGIN_API HostContext::endEdit(ParamID id)
{
	if (Listener* target = listener.load())
		target->onEndEdit(id);
	return kResultOk;
}

tresult PLUGIN_API HostContext::restartComponent(int32 flags)
{
	if (Listener* target = listener.load())
		target->onRestartComponent(flags);
	return kResultOk;
}

tresult PLUGIN_API HostContext::queryInterface(const TUID iid, void** obj)
{
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, IHostApplication::iid))
		*obj = static_cast<IHostApplication*>(this);
	else if (FUnknownPrivate::iidEqual(iid, IComponentHandler::iid))
		*obj = static_cast<IComponentHandler*>(this);
	else
	{
		*obj = nullptr;
		return kNoInterface;
	}
	addRef();
	return kResultOk;
}

uint32 PLUGIN_API HostContext::addRef()
{
	return ++refCount;
}

uint32 PLUGIN_API HostContext::release()
{
	const uint32 remaining = --refCount;
	if (remaining == 0)
		delete this;
	return remaining;
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
