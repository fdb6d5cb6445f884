#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace Veltrane {

// A parameter value an editor sent, on its way to the audio thread.
struct ParameterEdit
{
	std::uint32_t id = 0;
	double normalized = 0.0;
};

// A fixed ring from one writer thread to one reader thread, without locks
// or allocation, so the real-time side may read it.
class EditQueue
{
public:
	// Writer. False when full: the edit is to be offered again later.
	bool push(const ParameterEdit& edit)
	{
		const size_t write = writeIndex.load(std::memory_order_relaxed);
		if (write - readIndex.load(std::memory_order_acquire) == kCapacity)
			return false;
		slots[write % kCapacity] = edit;
		writeIndex.store(write + 1, std::memory_order_release);
		return true;
	}

	// Reader. False when empty.
	bool pop(ParameterEdit& edit)
	{
		const size_t read = readIndex.load(std::memory_order_relaxed);
		if (read == writeIndex.load(std::memory_order_acquire))
			return false;
		edit = slots[read % kCapacity];
		readIndex.store(read + 1, std::memory_order_release);
		return true;
	}

private:
	static constexpr size_t kCapacity = 1024; // far more than a hand moves knobs between two blocks
	std::array<ParameterEdit, kCapacity> slots{};
	std::atomic<size_t> writeIndex{0};
	std::atomic<size_t> readIndex{0};
};

} // namespace Veltrane
