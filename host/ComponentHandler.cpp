#include "host/ComponentHandler.h"

namespace VeltraneHost {

using namespace Steinberg;

bool HandlerCall::operator==(const HandlerCall& other) const
{
	return kind == other.kind && id == other.id && value == other.value && flags == other.flags;
}

int32 ComponentHandler::restartFlags() const
{
	int32 flags = 0;
	for (const HandlerCall& call : recorded)
		flags |= call.flags;
	return flags;
}

tresult PLUGIN_API ComponentHandler::beginEdit(Vst::ParamID id)
{
	recorded.push_back({HandlerCall::Kind::beginEdit, id, 0.0, 0});
	return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(Vst::ParamID id, Vst::ParamValue value)
{
	recorded.push_back({HandlerCall::Kind::performEdit, id, value, 0});
	return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(Vst::ParamID id)
{
	recorded.push_back({HandlerCall::Kind::endEdit, id, 0.0, 0});
	return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32 flags)
{
	recorded.push_back({HandlerCall::Kind::restartComponent, 0, 0.0, flags});
	return kResultOk;
}

tresult PLUGIN_API ComponentHandler::queryInterface(const TUID iid, void** object)
{
	if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) || FUnknownPrivate::iidEqual(iid, Vst::IComponentHandler::iid))
	{
		*object = static_cast<Vst::IComponentHandler*>(this);
		return kResultOk;
	}
	*object = nullptr;
	return kNoInterface;
}

} // namespace VeltraneHost
