#include "host/SharedLibrary.h"

#include "host/HostError.h"

#include <dlfcn.h>
#include <utility>

namespace VeltraneHost {

SharedLibrary SharedLibrary::open(const std::string& path)
{
	void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!handle)
	{
		const char* reason = dlerror();
		throw HostError("cannot load " + path + ": " + (reason ? reason : "unknown loader error"));
	}
	return SharedLibrary(handle, path);
}

SharedLibrary::SharedLibrary(void* handle, std::string path)
: libraryHandle(handle), libraryPath(std::move(path))
{
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
: libraryHandle(std::exchange(other.libraryHandle, nullptr)), libraryPath(std::move(other.libraryPath))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
	if (this != &other)
	{
		close();
		libraryHandle = std::exchange(other.libraryHandle, nullptr);
		libraryPath = std::move(other.libraryPath);
	}
	return *this;
}

SharedLibrary::~SharedLibrary()
{
	close();
}

void SharedLibrary::close()
{
	if (libraryHandle)
		dlclose(libraryHandle);
	libraryHandle = nullptr;
}

void* SharedLibrary::symbol(const char* name) const
{
	return libraryHandle ? dlsym(libraryHandle, name) : nullptr;
}

} // namespace VeltraneHost
