// Changes the controller side makes to the effect (factory presets, restored
// states) while the host may be processing on its audio thread.
//
// While processing is active they are recorded here, the latest value per
// control winning, and the audio thread applies them at the start of its next
// block. The audio thread never waits: it only tries the lock, and a block
// that finds it taken leaves the changes to the next one. While processing is
// inactive (the host guarantees that no process call runs) changes go to the
// effect at once. At the end of each block the audio thread also leaves a
// copy of the values here, so that saving a state reads one consistent set.
#pragma once

#include "PlugIn.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

// What a state stream carries for the effect.
struct EffectValues
{
	std::vector<float> controls; // plain value per control index (0 where there is none)
	bool bypassed = false;
	float joystickX = 0;
	float joystickY = 0;
};

class ControllerChanges
{
public:
	// Sizes the records for the effect's controls; call before any use.
	void attach(CPlugIn& effect);

	// Host call order: while inactive, no process call runs.
	void setActive(bool active, bool& bypassed);

	// Controller side (user-interface thread).
	void glideControl(uint32_t index, float normalized);  // a preset value: smoothed controls glide
	void restore(const EffectValues& values, bool hasJoystick, bool& bypassed); // a saved state: lands at once
	void setJoystick(float x, float y);
	EffectValues currentValues(const bool& bypassed);

	// Audio thread, at the start and at the end of every block.
	void applyPending(bool& bypassed);
	void publish(bool bypassed);

private:
	enum class Pending : uint8_t { none, glide, restore };
	struct ControlChange
	{
		Pending kind = Pending::none;
		float value = 0; // normalized for a glide, plain for a restore
	};

	void applyControl(uint32_t index, const ControlChange& change);
	void applyAllPending(bool& bypassed);
	void readEffect(EffectValues& values, bool bypassed) const;
	float valueAfter(uint32_t index, const ControlChange& change) const;

	CPlugIn* effect = nullptr;
	std::mutex mutex;
	bool active = false;
	bool anyPending = false;
	std::vector<ControlChange> controls;
	bool bypassPending = false;
	bool pendingBypass = false;
	bool joystickPending = false;
	float pendingX = 0, pendingY = 0;
	EffectValues published; // the values at the end of the last block
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
