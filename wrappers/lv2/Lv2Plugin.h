// One VST 3 single-component instance offered to an LV2 host.
//
// Choices the LV2 face makes:
// - Ports as PortLayout lays them out. At the start of each run, a control
//   port whose value differs from the last one seen becomes one parameter
//   change at offset 0; an unchanged port produces none. Values outside the
//   range, and non-finite ones, land on the nearest end (NaN on the minimum);
//   integer ports take the nearest whole value.
// - MIDI on the atom port goes through the component's IMidiMapping, as a
//   VST 3 host routes it (wrappers/common/MidiRouting); time:Position objects
//   give the process context its tempo, time signature and song position.
//   Without them the component gets no context at all.
// - State: every setting the component stores is a control port, so the
//   host's own port values carry sessions and presets; no state:interface.
// - Host blocks longer than the block length given at instantiation run in
//   pieces; a run of 0 frames, or with an audio port unconnected, still
//   passes the changes on (as a flush) and writes silence where it can.
//
// Threads: instantiate, activate, deactivate and cleanup on the main thread;
// run on the audio thread fills preallocated lists only.
#pragma once

#include "Lv2PortLayout.h"

#include "common/HostedComponent.h"
#include "common/ParameterTable.h"

#include "lv2/atom/atom.h"
#include "lv2/core/lv2.h"
#include "lv2/urid/urid.h"

#include <memory>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

class Plugin final : private Wrappers::HostedComponent::Listener
{
public:
	// Null when the host lacks urid:map or the component will not come up.
	static Plugin* create(IPluginFactory* factory, const TUID classId, double sampleRate,
		const LV2_Feature* const* features);
	~Plugin();
	Plugin(const Plugin&) = delete;
	Plugin& operator=(const Plugin&) = delete;

	void connect(uint32_t port, void* data);
	void activate();
	void deactivate();
	void run(uint32_t frames);

private:
	struct Urids
	{
		LV2_URID sequence, object, blank, floatType, doubleType, intType, longType, midiEvent;
		LV2_URID position, bpm, barBeat, beatUnit, beatsPerBar, speed, frame, beat;
	};

	Plugin() = default;
	bool init(IPluginFactory* factory, const TUID classId, double rate, const LV2_Feature* const* features);

	// Lv2Plugin.cpp
	void takeControlPorts();
	void silenceOutputs(uint32_t frames);
	// Lv2PluginEvents.cpp
	void readEvents(uint32_t start, uint32_t length, uint32_t frames);
	void readPosition(const LV2_Atom* body, uint32_t size);

	// HostedComponent::Listener: edits come through the host's ports, not these.
	void onBeginEdit(ParamID) override {}
	void onPerformEdit(ParamID, ParamValue) override {}
	void onEndEdit(ParamID) override {}
	void onRestartComponent(int32) override {}

	std::unique_ptr<Wrappers::HostedComponent> hosted;
	std::unique_ptr<Wrappers::ParameterTable> table;
	std::unique_ptr<PortLayout> layout;
	Urids urids {};

	std::vector<float*> audio;               // inputs, then outputs
	const LV2_Atom_Sequence* events = nullptr;
	std::vector<const float*> controlValues; // as PortLayout::controls
	std::vector<float> lastSeen;             // what each control port held last run
	std::vector<float*> inPieces;
	std::vector<float*> outPieces;

	double sampleRate = 0.0;
	int32 maxBlock = 0;
	ProcessContext context {};
	bool hasTransport = false;
	double speed = 0.0;
};

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
