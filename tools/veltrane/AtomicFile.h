#pragma once

#include <string>

namespace Veltrane {

// A file written under a temporary name in the target's folder and renamed
// over the target only by commit(), so a failed or interrupted run never
// leaves the target truncated or half-overwritten. The temporary is
// removed unless committed, also on SIGINT, SIGTERM and SIGHUP.
class AtomicFile
{
public:
	// Throws ToolError ("cannot write 'target': <reason>") when the target
	// is a folder, is read-only, or its folder takes no new file.
	explicit AtomicFile(const std::string& target);
	AtomicFile(const AtomicFile&) = delete;
	AtomicFile& operator=(const AtomicFile&) = delete;
	~AtomicFile();

	const std::string& target() const { return targetPath; }
	// Where to write; it exists, empty, with the target's future permissions.
	const std::string& temporaryPath() const { return temporary; }
	// Flushes the temporary to disk and renames it over the target.
	void commit();

private:
	std::string targetPath;
	std::string temporary;
	int cleanupSlot = -1;
	bool committed = false;
};

// Writes bytes to an AtomicFile's temporary; throws ToolError naming the target.
void writeBytes(const AtomicFile& file, const void* bytes, size_t size);

} // namespace Veltrane
