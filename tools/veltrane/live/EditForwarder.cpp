#include "live/EditForwarder.h"

namespace Veltrane {

void EditForwarder::forward()
{
	const std::vector<VeltraneHost::HandlerCall>& recorded = calls.calls();
	for (; next < recorded.size(); ++next)
	{
		const VeltraneHost::HandlerCall& call = recorded[next];
		if (call.kind == VeltraneHost::HandlerCall::Kind::performEdit && !processor.post({call.id, call.value}))
			return;
	}
	// Everything is on its way; the record need not grow for as long as the session lasts.
	calls.clear();
	next = 0;
}

} // namespace Veltrane
