// A meter with ballistics, in one of two faces: an LED bar (the on picture
// over the lit part, the off picture over the rest, as the stock CVuMeter)
// or an analog needle that shows one image of a vertical filmstrip. The
// shown level follows the value through an envelope follower stepped once
// per drawing, i.e. at the editor's refresh rate.
#pragma once

#include "EnvelopeFollower.h"

#include "vstgui/lib/controls/cvumeter.h"

namespace VSTGUI {

class CVuMeterJT : public CVuMeter
{
public:
	CVuMeterJT(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed, bool inverted, bool analog,
	           int32_t style = kVertical);
	~CVuMeterJT() noexcept override;

	void draw(CDrawContext* context) override;

	// LED: the bar grows from the other end; analog: the needle rests at
	// zeroFrame and falls toward image 0 as the level rises.
	bool inverted;
	bool analog;
	// Analog filmstrip: the stock "medanalogvumeter" layout unless the factory says otherwise.
	double zeroFrame = 52.0;
	double frameHeight = 65.0;
	double frameCount = 80.0;
	EnvelopeFollower follower;

private:
	// The peak-held value stepped through the follower.
	float followedLevel();
	void drawNeedle(CDrawContext* context, CBitmap* strip);
	void drawLeds(CDrawContext* context, CBitmap* onBitmap);
};

} // namespace VSTGUI
