// Hands the host's event list of one block to the effect, one sample offset
// at a time. Runs on the audio thread: no allocation, no locks.
#pragma once

#include "EngineInterfaces.h"
#include "PlugIn.h"

#include "pluginterfaces/vst/ivstevents.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class CVSTMidiEventList : public IMidiEventList
{
public:
	explicit CVSTMidiEventList(CPlugIn* effect);

	// Attaches the block's list (null for none) and restarts from its first event.
	void bind(IEventList* hostEvents);
	void setHostEvents(IEventList* hostEvents);
	void resetReadPosition();

	int32 eventCount() override;
	// Delivers every consecutive event at sampleOffset; true if any was a note
	// on, note off or poly pressure.
	bool dispatchAt(uint32 sampleOffset) override;

	// Delivers one event; true for the three types the effect understands.
	static bool deliver(CPlugIn* effect, const Event& event);

private:
	bool readAt(int32 index, uint32 sampleOffset, Event& event);

	CPlugIn* m_effect;
	IEventList* m_hostEvents = nullptr;
	int32 m_readPosition = 0;
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
