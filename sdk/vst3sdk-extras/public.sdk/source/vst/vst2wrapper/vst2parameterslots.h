// The VST 2 face's view of each parameter's normalized value, and the
// changes still owed to the audio processor and to the edit controller.
//
// Any thread may write (VST 2 hosts call setParameter from the user
// interface and from the audio thread alike), none waits, nothing
// allocates after construction. A change owed twice before it is taken is
// delivered once, with the later value: the processor and the controller
// want the latest value, not the path to it.
#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <atomic>
#include <memory>

namespace Steinberg {
namespace Vst {
namespace Vst2 {

class ParameterSlots
{
public:
	explicit ParameterSlots(int32 count);

	int32 size() const { return count; }
	float value(int32 index) const { return slots[index].value.load(std::memory_order_relaxed); }

	// A value that only updates what getParameter answers.
	void show(int32 index, float value) { slots[index].value.store(value, std::memory_order_relaxed); }
	// A value the processor and/or the controller still has to receive.
	void post(int32 index, float value, bool toProcessor, bool toController)
	{
		Slot& slot = slots[index];
		slot.value.store(value, std::memory_order_relaxed);
		if (toProcessor)
			slot.owedToProcessor.store(true, std::memory_order_release);
		if (toController)
			slot.owedToController.store(true, std::memory_order_release);
	}

	// Calls deliver(index, value) for every change owed, clearing it first so
	// that a change posted meanwhile is delivered next time.
	template <class Deliver>
	void takeForProcessor(Deliver&& deliver)
	{
		take(&Slot::owedToProcessor, deliver);
	}
	template <class Deliver>
	void takeForController(Deliver&& deliver)
	{
		take(&Slot::owedToController, deliver);
	}
	// Forgets the changes owed to the processor (a restored state supersedes them).
	void dropForProcessor()
	{
		for (int32 i = 0; i < count; ++i)
			slots[i].owedToProcessor.store(false, std::memory_order_relaxed);
	}

private:
	struct Slot
	{
		std::atomic<float> value {0.0f};
		std::atomic<bool> owedToProcessor {false};
		std::atomic<bool> owedToController {false};
	};
	static_assert(std::atomic<float>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
		"the audio thread must not wait");

	template <class Deliver>
	void take(std::atomic<bool> Slot::*owed, Deliver& deliver)
	{
		for (int32 i = 0; i < count; ++i)
			if ((slots[i].*owed).exchange(false, std::memory_order_acquire))
				deliver(i, slots[i].value.load(std::memory_order_relaxed));
	}

	int32 count;
	std::unique_ptr<Slot[]> slots;
};

inline ParameterSlots::ParameterSlots(int32 size)
: count(size > 0 ? size : 0), slots(std::make_unique<Slot[]>(static_cast<size_t>(count)))
{
}

} // namespace Vst2
} // namespace Vst
} // namespace Steinberg
