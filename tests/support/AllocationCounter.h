// Counts heap allocations, to prove that audio paths allocate nothing.
// Linking AllocationCounter.cpp into a test executable replaces the global
// operator new and delete. A plug-in module loaded into that process resolves
// operator new to the process's at load time, so its allocations count too.
#pragma once

#include <atomic>

namespace AllocationCounter {

extern std::atomic<bool> counting;
extern std::atomic<long> allocations;

// Counts the allocations made while it lives.
class Window
{
public:
	Window()
	{
		allocations = 0;
		counting = true;
	}
	~Window() { counting = false; }
	Window(const Window&) = delete;
	Window& operator=(const Window&) = delete;

	long count() const { return allocations.load(); }
};

} // namespace AllocationCounter
