// The state extension: exactly the component state stream.
#include "ClapPlugin.h"

#include <algorithm>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

constexpr size_t kMaxStateBytes = 64u << 20; // a stream longer than this is no state of ours

} // namespace

bool Plugin::saveState(const clap_ostream_t* stream)
{
	if (!hosted || !stream || !stream->write || !onMainThreadNow())
		return false;
	if (!hosted->isActive())
	{
		// Edits the processor has not had yet belong in the state.
		takeEdits(nullptr);
		hosted->flush();
	}
	std::vector<std::uint8_t> bytes;
	if (!hosted->getState(bytes))
		return false;
	for (size_t done = 0; done < bytes.size();)
	{
		const int64_t written = stream->write(stream, bytes.data() + done, bytes.size() - done);
		if (written <= 0)
			return false;
		done += static_cast<size_t>(written);
	}
	return true;
}

bool Plugin::loadState(const clap_istream_t* stream)
{
	if (!hosted || !stream || !stream->read || !onMainThreadNow())
		return false;
	std::vector<std::uint8_t> bytes;
	std::uint8_t buffer[4096];
	for (;;)
	{
		const int64_t read = stream->read(stream, buffer, sizeof(buffer));
		if (read < 0 || bytes.size() + static_cast<size_t>(std::max<int64_t>(read, 0)) > kMaxStateBytes)
			return false;
		if (read == 0)
			break;
		bytes.insert(bytes.end(), buffer, buffer + std::min<int64_t>(read, sizeof(buffer)));
	}
	// A stream the component refuses may have been applied in part: put back what was there.
	std::vector<std::uint8_t> previous;
	const bool hadState = hosted->getState(previous);
	if (!hosted->setState(bytes.data(), bytes.size()))
	{
		if (hadState)
			hosted->setState(previous.data(), previous.size());
		return false;
	}
	// Values the processor was still owed are superseded by the state.
	for (int32 i = 0; i < table->size(); ++i)
		slots[static_cast<size_t>(i)].owed.fetch_and(~uint32_t(Slot::toProcessor));
	refreshFromController(true);
	return true;
}

const clap_plugin_state_t Plugin::state = {
	[](const clap_plugin_t* p, const clap_ostream_t* stream) { return self(p)->saveState(stream); },
	[](const clap_plugin_t* p, const clap_istream_t* stream) { return self(p)->loadState(stream); },
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
