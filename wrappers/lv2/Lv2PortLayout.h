// How a hosted VST 3 component appears as LV2 ports: the audio channels of
// its main buses, one atom input for MIDI and the transport, one control
// input per automatable parameter in plain values, and the bypass last as
// an inverted lv2:enabled port. The plug-in and the tool that writes its
// Turtle both take the layout from here, so the two cannot disagree.
//
// Not ports: read-only parameters (meters), the program change (programs
// are LV2 presets) and parameters a MIDI controller moves (MIDI arrives as
// MIDI on the atom port).
#pragma once

#include "common/ParameterTable.h"

#include <string>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

struct ControlPort
{
	uint32 index = 0;       // the LV2 port index
	int32 parameter = -1;   // ParameterTable index
	std::string symbol;     // unique, a C identifier; hosts store it in sessions
	bool enabled = false;   // the bypass, as lv2:enabled: 1 = processing
	bool integer = false;   // lists and stepped ranges take whole values
};

class PortLayout
{
public:
	PortLayout(const Wrappers::ParameterTable& table, int32 inputChannels, int32 outputChannels);

	uint32 audioInputs() const { return inputs; }
	uint32 audioOutputs() const { return outputs; }
	// Audio inputs come first, then the outputs, then the atom port.
	uint32 audioInputPort(uint32 channel) const { return channel; }
	uint32 audioOutputPort(uint32 channel) const { return inputs + channel; }
	uint32 eventPort() const { return inputs + outputs; }
	const std::vector<ControlPort>& controls() const { return controlPorts; }
	uint32 portCount() const { return eventPort() + 1 + static_cast<uint32>(controlPorts.size()); }

	// The port's value for a plain parameter value, and back (the bypass is inverted).
	static double portValue(const ControlPort& port, double plain) { return port.enabled ? 1.0 - plain : plain; }
	static double plainValue(const ControlPort& port, double value) { return port.enabled ? 1.0 - value : value; }

private:
	uint32 inputs;
	uint32 outputs;
	std::vector<ControlPort> controlPorts;
};

// Whether some MIDI controller on some channel moves the parameter.
bool isMidiTarget(const Wrappers::ParameterTable& table, ParamID id);

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
