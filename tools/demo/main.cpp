// Pushes a short test signal through the effect with the "Crude Verb" preset
// and prints how loud each tenth of a second came out.
#include "PresetValues.h"
#include "ZuVurazOva.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int main()
{
	const int sampleRate = 48000;
	const int presetSlot = 5;
	CZuVurazOva effect;
	effect.m_sampleRate = sampleRate;
	effect.prepareToProcess();
	applyPreset(effect, presetSlot, true);

	std::printf("%s, preset \"%s\", %d Hz\n", effect.m_name, effect.m_presetNames[presetSlot], sampleRate);
	std::printf("input: a 50 ms 440 Hz burst, then silence\n\n  time    in peak   out L peak  out R peak\n");
	const int blockFrames = sampleRate / 10;
	for (int block = 0; block < 40; ++block)
	{
		float peakIn = 0, peakLeft = 0, peakRight = 0;
		for (int i = 0; i < blockFrames; ++i)
		{
			const int n = block * blockFrames + i;
			const float x = n < sampleRate / 20 ? 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * n / sampleRate) : 0.0f;
			const float in[2] = {x, x};
			float out[2] = {};
			effect.processFrame(in, out, 2, 2);
			peakIn = std::fmax(peakIn, std::fabs(x));
			peakLeft = std::fmax(peakLeft, std::fabs(out[0]));
			peakRight = std::fmax(peakRight, std::fabs(out[1]));
		}
		std::printf("%5.1f s  %9.4f  %10.4f  %10.4f\n", block / 10.0, peakIn, peakLeft, peakRight);
	}
	return 0;
}
