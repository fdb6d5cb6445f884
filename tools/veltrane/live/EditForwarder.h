#pragma once

#include "host/ComponentHandler.h"
#include "live/LiveProcessor.h"

#include <cstddef>

namespace Veltrane {

// Carries what the editor sent its host (IComponentHandler::performEdit,
// recorded on the main thread) to the audio thread, as a host turns edits
// into parameter changes of the next process call.
class EditForwarder
{
public:
	EditForwarder(VeltraneHost::ComponentHandler& editorCalls, LiveProcessor& processor)
	: calls(editorCalls), processor(processor)
	{
	}

	// Main thread, once a turn of the loop. What does not fit the queue now
	// goes on a later turn, in order.
	void forward();

private:
	VeltraneHost::ComponentHandler& calls;
	LiveProcessor& processor;
	size_t next = 0;
};

} // namespace Veltrane
