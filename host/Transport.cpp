#include "host/Transport.h"

#include <cmath>

namespace VeltraneHost {

using Steinberg::Vst::ProcessContext;

ProcessContext Transport::context() const
{
	ProcessContext context{};
	context.state = ProcessContext::kTempoValid | ProcessContext::kTimeSigValid
		| ProcessContext::kProjectTimeMusicValid | ProcessContext::kBarPositionValid
		| ProcessContext::kContTimeValid | (playing ? ProcessContext::kPlaying : 0);
	context.sampleRate = sampleRate;
	context.projectTimeSamples = positionSamples;
	context.continousTimeSamples = positionSamples;
	context.tempo = tempo;
	context.timeSigNumerator = timeSigNumerator;
	context.timeSigDenominator = timeSigDenominator;

	const double quarterNotes = static_cast<double>(positionSamples) / sampleRate * tempo / 60.0;
	const double quartersPerBar = timeSigNumerator * 4.0 / timeSigDenominator;
	context.projectTimeMusic = quarterNotes;
	context.barPositionMusic = std::floor(quarterNotes / quartersPerBar) * quartersPerBar;
	return context;
}

} // namespace VeltraneHost
