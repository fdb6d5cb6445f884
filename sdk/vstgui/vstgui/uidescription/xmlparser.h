// Where a description's XML text comes from when it is not a resource file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace VSTGUI {
namespace Xml {

class IContentProvider
{
public:
	virtual ~IContentProvider() noexcept = default;
	// Copies up to size bytes into buffer; answers how many, 0 at the end.
	virtual int32_t readRawXmlData(int8_t* buffer, int32_t size) = 0;
	virtual void rewind() = 0;
};

// XML text held in memory (a copy is taken).
class MemoryContentProvider : public IContentProvider
{
public:
	MemoryContentProvider(const void* data, int32_t dataSize)
	: bytes(static_cast<const int8_t*>(data), static_cast<const int8_t*>(data) + (dataSize > 0 ? dataSize : 0))
	{
	}
	int32_t readRawXmlData(int8_t* buffer, int32_t size) override
	{
		size_t count = size > 0 ? std::min(static_cast<size_t>(size), bytes.size() - position) : 0;
		if (count == 0)
			return 0;
		std::memcpy(buffer, bytes.data() + position, count);
		position += count;
		return static_cast<int32_t>(count);
	}
	void rewind() override { position = 0; }

private:
	std::vector<int8_t> bytes;
	size_t position = 0;
};

} // namespace Xml
} // namespace VSTGUI
