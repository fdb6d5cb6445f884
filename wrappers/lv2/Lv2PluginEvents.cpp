// The atom port: MIDI through the component's mapping, and the host's
// transport from time:Position objects. The host's sequence is read with
// every size checked against the sequence's own, so a damaged one stops
// the reading rather than running past it.
#include "Lv2Plugin.h"

#include "common/MidiRouting.h"

#include "lv2/atom/util.h"

#include <algorithm>
#include <cmath>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

namespace {

// A number atom of any of the four types hosts use; NaN when it is none.
double number(const LV2_Atom* atom, const LV2_URID floatType, const LV2_URID doubleType, const LV2_URID intType,
	const LV2_URID longType)
{
	if (atom->type == floatType && atom->size >= sizeof(float))
		return reinterpret_cast<const LV2_Atom_Float*>(atom)->body;
	if (atom->type == doubleType && atom->size >= sizeof(double))
		return reinterpret_cast<const LV2_Atom_Double*>(atom)->body;
	if (atom->type == intType && atom->size >= sizeof(int32_t))
		return reinterpret_cast<const LV2_Atom_Int*>(atom)->body;
	if (atom->type == longType && atom->size >= sizeof(int64_t))
		return static_cast<double>(reinterpret_cast<const LV2_Atom_Long*>(atom)->body);
	return NAN;
}

} // namespace

void Plugin::readEvents(uint32_t start, uint32_t length, uint32_t frames)
{
	if (!events || events->atom.type != urids.sequence || events->atom.size < sizeof(LV2_Atom_Sequence_Body))
		return;
	// A run without frames takes every event at offset 0.
	const bool everything = length == 0;
	const int64_t last = frames > 0 ? frames - 1 : 0;
	int64_t latest = 0;
	const auto* body = reinterpret_cast<const uint8_t*>(&events->body);
	const uint32_t size = events->atom.size;
	for (uint32_t at = sizeof(LV2_Atom_Sequence_Body); at + sizeof(LV2_Atom_Event) <= size;)
	{
		const auto* event = reinterpret_cast<const LV2_Atom_Event*>(body + at);
		const uint32_t bodySize = event->body.size;
		if (bodySize > size - at - sizeof(LV2_Atom_Event))
			return;
		at += lv2_atom_pad_size(static_cast<uint32_t>(sizeof(LV2_Atom_Event)) + bodySize);
		// Out of order or out of the block: moved up to the latest time seen, or onto the last frame.
		const int64_t time = std::max(std::clamp<int64_t>(event->time.frames, 0, last), latest);
		latest = time;
		if (!everything && (time < start || time >= static_cast<int64_t>(start) + length))
			continue;
		const int32 offset = everything ? 0 : static_cast<int32>(time - start);
		if (event->body.type == urids.midiEvent)
			Wrappers::routeMidi(reinterpret_cast<const uint8_t*>(&event->body + 1), bodySize, offset, *table, *hosted);
		else if (event->body.type == urids.object || event->body.type == urids.blank)
			readPosition(&event->body, bodySize);
	}
}

void Plugin::readPosition(const LV2_Atom* atom, uint32_t size)
{
	if (size < sizeof(LV2_Atom_Object_Body))
		return;
	const auto* object = reinterpret_cast<const LV2_Atom_Object*>(atom);
	if (object->body.otype != urids.position)
		return;
	const auto* bytes = reinterpret_cast<const uint8_t*>(&object->body);
	double bpm = NAN, barBeat = NAN, beatUnit = NAN, beatsPerBar = NAN, newSpeed = NAN, frame = NAN, beat = NAN;
	for (uint32_t at = sizeof(LV2_Atom_Object_Body); at + sizeof(LV2_Atom_Property_Body) <= size;)
	{
		const auto* property = reinterpret_cast<const LV2_Atom_Property_Body*>(bytes + at);
		if (property->value.size > size - at - sizeof(LV2_Atom_Property_Body))
			return;
		at += lv2_atom_pad_size(static_cast<uint32_t>(sizeof(LV2_Atom_Property_Body)) + property->value.size);
		const double value = number(&property->value, urids.floatType, urids.doubleType, urids.intType, urids.longType);
		if (property->key == urids.bpm)
			bpm = value;
		else if (property->key == urids.barBeat)
			barBeat = value;
		else if (property->key == urids.beatUnit)
			beatUnit = value;
		else if (property->key == urids.beatsPerBar)
			beatsPerBar = value;
		else if (property->key == urids.speed)
			newSpeed = value;
		else if (property->key == urids.frame)
			frame = value;
		else if (property->key == urids.beat)
			beat = value;
	}
	// Each field the host gave, when it makes sense; the others keep what they had.
	hasTransport = true;
	if (bpm > 0.0 && bpm < 1.0e6)
	{
		context.tempo = bpm;
		context.state |= ProcessContext::kTempoValid;
	}
	if (beatsPerBar >= 1.0 && beatsPerBar < 1.0e6 && beatUnit >= 1.0 && beatUnit < 1.0e6)
	{
		context.timeSigNumerator = static_cast<int32>(beatsPerBar);
		context.timeSigDenominator = static_cast<int32>(beatUnit);
		context.state |= ProcessContext::kTimeSigValid;
	}
	if (std::isfinite(newSpeed))
	{
		speed = newSpeed;
		context.state = newSpeed != 0.0 ? context.state | ProcessContext::kPlaying : context.state & ~ProcessContext::kPlaying;
	}
	if (frame >= 0.0 && frame < 1.0e15)
		context.projectTimeSamples = static_cast<int64>(frame);
	// VST 3 counts the song and the bar in quarter notes, LV2 in the time signature's beats.
	const double quarter = (context.state & ProcessContext::kTimeSigValid) ? 4.0 / context.timeSigDenominator : 1.0;
	if (std::isfinite(beat) && std::fabs(beat) < 1.0e12)
	{
		context.projectTimeMusic = beat * quarter;
		context.state |= ProcessContext::kProjectTimeMusicValid;
	}
	if (barBeat >= 0.0 && barBeat < 1.0e6)
	{
		context.barPositionMusic = context.projectTimeMusic - barBeat * quarter;
		context.state |= ProcessContext::kBarPositionValid;
	}
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
