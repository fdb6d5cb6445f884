#include "AtomicFile.h"

#include "ToolError.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Veltrane {

namespace {

// Temporaries a signal handler must remove. Plain arrays, since the
// handler may only make async-signal-safe calls.
constexpr int kCleanupSlots = 4;
char pendingPaths[kCleanupSlots][PATH_MAX];
volatile std::sig_atomic_t slotInUse[kCleanupSlots];

void removeTemporariesAndDie(int signalNumber)
{
	for (int slot = 0; slot < kCleanupSlots; ++slot)
		if (slotInUse[slot])
			::unlink(pendingPaths[slot]);
	std::signal(signalNumber, SIG_DFL);
	std::raise(signalNumber);
}

void installSignalCleanup()
{
	static bool installed = false;
	if (installed)
		return;
	installed = true;
	for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
	{
		struct sigaction action{};
		action.sa_handler = removeTemporariesAndDie;
		sigemptyset(&action.sa_mask);
		sigaction(signalNumber, &action, nullptr);
	}
}

int claimCleanupSlot(const std::string& path)
{
	if (path.size() >= PATH_MAX)
		return -1;
	for (int slot = 0; slot < kCleanupSlots; ++slot)
	{
		if (slotInUse[slot])
			continue;
		std::memcpy(pendingPaths[slot], path.c_str(), path.size() + 1);
		slotInUse[slot] = 1;
		return slot;
	}
	return -1;
}

void releaseCleanupSlot(int slot)
{
	if (slot >= 0)
		slotInUse[slot] = 0;
}

std::string folderOf(const std::string& path)
{
	const size_t slash = path.rfind('/');
	if (slash == std::string::npos)
		return ".";
	return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
	const size_t slash = path.rfind('/');
	return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What a freshly created file would get: 0666 less the umask.
mode_t newFileMode()
{
	const mode_t mask = ::umask(0);
	::umask(mask);
	return 0666 & ~mask;
}

[[noreturn]] void failWriting(const std::string& target, int error)
{
	throw ToolError("cannot write '" + target + "': " + std::strerror(error));
}

} // namespace

AtomicFile::AtomicFile(const std::string& target) : targetPath(target)
{
	if (target.empty() || target.back() == '/')
		failWriting(target, EISDIR);
	struct stat status{};
	const bool exists = ::stat(target.c_str(), &status) == 0;
	if (exists && S_ISDIR(status.st_mode))
		failWriting(target, EISDIR);
	if (exists && ::access(target.c_str(), W_OK) != 0)
		failWriting(target, errno);

	installSignalCleanup();
	std::string pattern = folderOf(target) + "/." + nameOf(target) + ".veltrane-XXXXXX";
	const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
	if (descriptor < 0)
		failWriting(target, errno);
	temporary = pattern;
	cleanupSlot = claimCleanupSlot(temporary);
	// Replacing a file keeps its permissions; a new one gets the usual ones.
	::fchmod(descriptor, exists ? (status.st_mode & 07777) : newFileMode());
	::close(descriptor);
}

AtomicFile::~AtomicFile()
{
	if (!committed)
		::unlink(temporary.c_str());
	releaseCleanupSlot(cleanupSlot);
}

void AtomicFile::commit()
{
	const int descriptor = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
	if (descriptor < 0 || ::fsync(descriptor) != 0)
	{
		const int error = errno;
		if (descriptor >= 0)
			::close(descriptor);
		failWriting(targetPath, error);
	}
	::close(descriptor);
	if (::rename(temporary.c_str(), targetPath.c_str()) != 0)
		failWriting(targetPath, errno);
	committed = true;
	releaseCleanupSlot(cleanupSlot);
	cleanupSlot = -1;
}

void writeBytes(const AtomicFile& file, const void* bytes, size_t size)
{
	const int descriptor = ::open(file.temporaryPath().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
	if (descriptor < 0)
		failWriting(file.target(), errno);
	const auto* next = static_cast<const char*>(bytes);
	while (size > 0)
	{
		const ssize_t written = ::write(descriptor, next, size);
		if (written < 0 && errno == EINTR)
			continue;
		if (written <= 0)
		{
			const int error = written < 0 ? errno : EIO;
			::close(descriptor);
			failWriting(file.target(), error);
		}
		next += written;
		size -= static_cast<size_t>(written);
	}
	if (::close(descriptor) != 0)
		failWriting(file.target(), errno);
}

} // namespace Veltrane
