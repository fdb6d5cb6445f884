#pragma once

#include <string>

namespace VeltraneHost {

// Owns one dlopen handle (RTLD_NOW | RTLD_LOCAL) and closes it on destruction.
class SharedLibrary
{
public:
	// Throws HostError carrying the loader's message when dlopen fails.
	static SharedLibrary open(const std::string& path);

	SharedLibrary(SharedLibrary&& other) noexcept;
	SharedLibrary& operator=(SharedLibrary&& other) noexcept;
	SharedLibrary(const SharedLibrary&) = delete;
	SharedLibrary& operator=(const SharedLibrary&) = delete;
	~SharedLibrary();

	// nullptr when the library does not export the name.
	void* symbol(const char* name) const;
	void* handle() const { return libraryHandle; }
	const std::string& path() const { return libraryPath; }

private:
	SharedLibrary(void* handle, std::string path);
	void close();

	void* libraryHandle = nullptr;
	std::string libraryPath;
};

} // namespace VeltraneHost
