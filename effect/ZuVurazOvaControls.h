// The stereo effect's control table and factory presets.
#pragma once

class CZuVurazOva;

constexpr int kZuVurazOvaControlCount = 10;
constexpr int kFactoryPresetCount = 11;

// Appends the ten controls (with their preset values), names the presets and
// sets the joystick records and the requests the effect makes of its host.
void appendZuVurazOvaControls(CZuVurazOva& effect);
