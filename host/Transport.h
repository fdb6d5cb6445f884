#pragma once

#include "pluginterfaces/vst/ivstprocesscontext.h"

namespace VeltraneHost {

// A steady song position a host would report: fixed tempo and time
// signature, advancing by whole blocks.
struct Transport
{
	double sampleRate = 48000.0;
	double tempo = 120.0;
	Steinberg::int32 timeSigNumerator = 4;
	Steinberg::int32 timeSigDenominator = 4;
	Steinberg::int64 positionSamples = 0;
	bool playing = true;

	// Tempo, time signature, project time in samples and in quarter notes,
	// bar start and transport state, each flagged valid.
	Steinberg::Vst::ProcessContext context() const;
	void advance(Steinberg::int32 samples) { positionSamples += samples; }
};

} // namespace VeltraneHost
