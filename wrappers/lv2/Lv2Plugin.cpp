// The LV2 instance: lifecycle, ports and the audio path.
#include "Lv2Plugin.h"

#include "lv2/buf-size/buf-size.h"
#include "lv2/midi/midi.h"
#include "lv2/options/options.h"
#include "lv2/time/time.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

namespace {

// Bounds on what instantiate accepts; longer host blocks are run in pieces.
constexpr double kMinSampleRate = 1.0;
constexpr double kMaxSampleRate = 3072000.0;
constexpr int32 kDefaultBlock = 4096;
constexpr int32 kMaxBlock = 8192;

const void* feature(const LV2_Feature* const* features, const char* uri)
{
	for (const LV2_Feature* const* f = features; f && *f; ++f)
		if ((*f)->URI && std::strcmp((*f)->URI, uri) == 0)
			return (*f)->data;
	return nullptr;
}

// The longest block the host promises, if it says.
int32 blockLength(const LV2_Options_Option* options, LV2_URID_Map* map)
{
	const LV2_URID maxLength = map->map(map->handle, LV2_BUF_SIZE__maxBlockLength);
	const LV2_URID intType = map->map(map->handle, LV2_ATOM__Int);
	for (const LV2_Options_Option* o = options; o && o->key; ++o)
		if (o->key == maxLength && o->type == intType && o->size == sizeof(int32_t) && o->value)
			return std::clamp(*static_cast<const int32_t*>(o->value), 1, kMaxBlock);
	return kDefaultBlock;
}

} // namespace

Plugin* Plugin::create(IPluginFactory* factory, const TUID classId, double sampleRate,
	const LV2_Feature* const* features)
{
	std::unique_ptr<Plugin> plugin(new Plugin);
	if (!plugin->init(factory, classId, sampleRate, features))
		return nullptr;
	return plugin.release();
}

bool Plugin::init(IPluginFactory* factory, const TUID classId, double rate, const LV2_Feature* const* features)
{
	auto* map = static_cast<LV2_URID_Map*>(const_cast<void*>(feature(features, LV2_URID__map)));
	if (!map || !map->map || !(rate >= kMinSampleRate && rate <= kMaxSampleRate))
		return false;
	const auto id = [map](const char* uri) { return map->map(map->handle, uri); };
	urids = {id(LV2_ATOM__Sequence), id(LV2_ATOM__Object), id(LV2_ATOM__Blank), id(LV2_ATOM__Float),
		id(LV2_ATOM__Double), id(LV2_ATOM__Int), id(LV2_ATOM__Long), id(LV2_MIDI__MidiEvent), id(LV2_TIME__Position),
		id(LV2_TIME__beatsPerMinute), id(LV2_TIME__barBeat), id(LV2_TIME__beatUnit), id(LV2_TIME__beatsPerBar),
		id(LV2_TIME__speed), id(LV2_TIME__frame), id(LV2_TIME__beat)};
	sampleRate = rate;
	maxBlock = blockLength(static_cast<const LV2_Options_Option*>(feature(features, LV2_OPTIONS__options)), map);

	hosted = Wrappers::HostedComponent::create(factory, classId, "LV2 host", this);
	if (!hosted || !hosted->setup(sampleRate, maxBlock))
		return false;
	table = std::make_unique<Wrappers::ParameterTable>(hosted->controller(), hosted->midiMapping(), hosted->unitInfo());
	layout = std::make_unique<PortLayout>(*table, hosted->inputChannels(), hosted->outputChannels());

	audio.assign(layout->audioInputs() + layout->audioOutputs(), nullptr);
	inPieces.assign(layout->audioInputs(), nullptr);
	outPieces.assign(layout->audioOutputs(), nullptr);
	controlValues.assign(layout->controls().size(), nullptr);
	// What the component holds now counts as seen: a port the host leaves at it changes nothing.
	for (const ControlPort& port : layout->controls())
	{
		const ParamID parameter = table->at(port.parameter).id;
		const double plain = table->toPlain(port.parameter, hosted->controller().getParamNormalized(parameter));
		lastSeen.push_back(static_cast<float>(PortLayout::portValue(port, plain)));
	}
	return true;
}

Plugin::~Plugin()
{
	hosted.reset(); // deactivates and terminates the component
}

void Plugin::connect(uint32_t port, void* data)
{
	if (!layout)
		return;
	if (port < layout->eventPort())
		audio[port] = static_cast<float*>(data);
	else if (port == layout->eventPort())
		events = static_cast<const LV2_Atom_Sequence*>(data);
	else if (port < layout->portCount())
		controlValues[port - layout->eventPort() - 1] = static_cast<const float*>(data);
}

void Plugin::activate()
{
	if (!hosted->activate())
		return;
	context = ProcessContext {};
	context.sampleRate = sampleRate;
	hasTransport = false;
	speed = 0.0;
}

void Plugin::deactivate()
{
	hosted->deactivate();
}

void Plugin::takeControlPorts()
{
	const std::vector<ControlPort>& ports = layout->controls();
	for (size_t p = 0; p < ports.size(); ++p)
	{
		if (!controlValues[p])
			continue;
		const float value = *controlValues[p];
		if (std::memcmp(&value, &lastSeen[p], sizeof(float)) == 0)
			continue;
		const ControlPort& port = ports[p];
		double plain = PortLayout::plainValue(port, value);
		if (port.integer && std::isfinite(plain))
			plain = std::round(plain);
		const ParamID id = table->at(port.parameter).id;
		if (!hosted->inputChanges().addPoint(id, 0, table->toNormalized(port.parameter, plain)))
			continue; // no room this time: the next run tries again
		lastSeen[p] = value;
	}
}

void Plugin::silenceOutputs(uint32_t frames)
{
	for (uint32 c = 0; c < layout->audioOutputs(); ++c)
		if (float* out = audio[layout->audioOutputPort(c)])
			std::fill(out, out + frames, 0.0f);
}

void Plugin::run(uint32_t frames)
{
	if (!hosted->isActive())
	{
		silenceOutputs(frames);
		return;
	}
	takeControlPorts();
	const bool connected = std::none_of(audio.begin(), audio.end(), [](const float* p) { return !p; });
	if (frames == 0 || !connected)
	{
		readEvents(0, 0, frames);
		hosted->flush();
		hosted->events().clear(); // notes need audio to play in
		silenceOutputs(frames);
		return;
	}
	for (uint32_t start = 0; start < frames; start += static_cast<uint32_t>(maxBlock))
	{
		const uint32_t length = std::min<uint32_t>(static_cast<uint32_t>(maxBlock), frames - start);
		readEvents(start, length, frames);
		for (uint32 c = 0; c < layout->audioInputs(); ++c)
			inPieces[c] = audio[layout->audioInputPort(c)] + start;
		for (uint32 c = 0; c < layout->audioOutputs(); ++c)
			outPieces[c] = audio[layout->audioOutputPort(c)] + start;
		hosted->setContext(hasTransport ? &context : nullptr);
		hosted->process(inPieces.data(), outPieces.data(), static_cast<int32>(length));
		hosted->outputChanges().clearQueue(); // meters: no LV2 port shows them
		if (hasTransport && speed != 0.0)
		{
			context.projectTimeSamples += length;
			context.projectTimeMusic += length * speed * context.tempo / (60.0 * sampleRate);
		}
	}
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
