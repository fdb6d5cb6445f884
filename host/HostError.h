#pragma once

#include <stdexcept>

namespace VeltraneHost {

// Thrown when a module or plug-in instance cannot be brought up; the text
// names the file and the step that failed.
class HostError : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

} // namespace VeltraneHost
