#include "AllocationCounter.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace AllocationCounter {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

} // namespace AllocationCounter

namespace {

void* allocate(std::size_t size, std::size_t alignment = alignof(std::max_align_t))
{
	if (AllocationCounter::counting.load(std::memory_order_relaxed))
		AllocationCounter::allocations.fetch_add(1, std::memory_order_relaxed);
	size = size ? size : 1;
	if (alignment <= alignof(std::max_align_t))
		return std::malloc(size);
	return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
}

void* allocateOrThrow(std::size_t size, std::size_t alignment = alignof(std::max_align_t))
{
	if (void* memory = allocate(size, alignment))
		return memory;
	throw std::bad_alloc();
}

} // namespace

// Every form is replaced, so that nothing allocated by one is freed by another.
void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment)
{
	return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
	return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }
