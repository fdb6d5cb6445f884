#include "CVuMeterJT.h"
#include "Pictures.h"

#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;
using namespace VSTGUI::Test;
using namespace CustomViewTest;

TEST(EnvelopeFollower, CoefficientsDetectionModesAndDecibelScale)
{
	EnvelopeFollower f;
	f.init(20, 10, 500, true, EnvelopeFollower::kRootMeanSquare, false);
	EXPECT_NEAR(f.attackCoeff, 0.00666, 1e-5);
	EXPECT_NEAR(f.releaseCoeff, 0.9046, 1e-4);
	const float attacked = f.process(1.f);
	EXPECT_FLOAT_EQ(attacked, 1.f - f.attackCoeff);
	EXPECT_FLOAT_EQ(f.process(0.f), f.releaseCoeff * attacked);

	EnvelopeFollower peak; // default coefficients: the envelope jumps to its input
	EXPECT_FLOAT_EQ(peak.process(-0.5f), 0.5f);
	EXPECT_FLOAT_EQ(peak.process(0.f), 0.f);

	EnvelopeFollower rms;
	rms.mode = EnvelopeFollower::kRootMeanSquare;
	EXPECT_FLOAT_EQ(rms.process(0.5f), 0.25f) << "linear output is the mean square";
	rms.logOutput = true;
	EXPECT_NEAR(rms.process(0.5f), (20 * std::log10(0.5) + 60) / 60, 1e-5);
	EXPECT_FLOAT_EQ(rms.process(1.f), 1.f);
	EXPECT_EQ(rms.process(0.0009f), 0.f) << "below -60 dB";
}

namespace {

constexpr uint32_t kOn = 0xFF00FF00u;
constexpr uint32_t kOff = 0xFFFF0000u;

std::vector<uint32_t> column(Canvas& canvas, int x, int height)
{
	std::vector<uint32_t> line;
	for (int y = 0; y < height; ++y)
		line.push_back(canvas.pixel(x, y));
	return line;
}

// Draws a fresh LED meter of the pictures' size once at value v and answers
// its pixels along the middle line, top to bottom (or left to right).
std::vector<uint32_t> ledLine(int width, int height, int32_t leds, bool inverted, int32_t style, float v)
{
	auto meter = makeOwned<CVuMeterJT>(CRect(0, 0, width, height), filled(width, height, 0x00FF00),
	                                   filled(width, height, 0xFF0000), leds, inverted, false, style);
	meter->setValue(v);
	Canvas canvas(width, height);
	meter->draw(canvas.context);
	if (style == kVertical)
		return column(canvas, width / 2, height);
	std::vector<uint32_t> line;
	for (int x = 0; x < width; ++x)
		line.push_back(canvas.pixel(x, height / 2));
	return line;
}

// How many leading pixels have the colour of the first one.
int run(const std::vector<uint32_t>& line)
{
	int n = 0;
	while (n < static_cast<int>(line.size()) && line[n] == line.front())
		++n;
	return n;
}

} // namespace

TEST(LedMeter, LightsWholeLedsFromEitherEndAndTwoLedsMakeALamp)
{
	auto up = ledLine(10, 85, 10, false, kVertical, 0.55f);
	EXPECT_EQ(up.front(), kOff);
	EXPECT_EQ(run(up), 43) << "t = 0.45 gives 5 dark LEDs, 43 pixels";
	EXPECT_EQ(up.back(), kOn);

	auto down = ledLine(10, 85, 10, true, kVertical, 0.55f);
	EXPECT_EQ(down.front(), kOn);
	EXPECT_EQ(run(down), 51) << "6 lit LEDs from the top";
	EXPECT_EQ(down.back(), kOff);

	auto right = ledLine(100, 10, 10, false, kHorizontal, 0.3f);
	EXPECT_EQ(right.front(), kOn);
	EXPECT_EQ(run(right), 30);
	auto left = ledLine(100, 10, 10, true, kHorizontal, 0.3f);
	EXPECT_EQ(left.front(), kOff);
	EXPECT_EQ(run(left), 70);

	auto lampOff = ledLine(10, 40, 2, false, kVertical, 0.49f);
	EXPECT_EQ(run(lampOff), 40);
	EXPECT_EQ(lampOff.front(), kOff);
	auto lampOn = ledLine(10, 40, 2, false, kVertical, 0.5f);
	EXPECT_EQ(run(lampOn), 40);
	EXPECT_EQ(lampOn.front(), kOn);
}

namespace {

// The filmstrip image an analog meter shows at value v: 80 images of 65
// pixels, image i coloured i; -1 when the view is not one whole image.
int analogImage(float v, bool inverted, double frameHeight = 65.0)
{
	auto meter = makeOwned<CVuMeterJT>(CRect(0, 0, 4, 65), strip(4, 65, 80, [](int i) { return i; }), nullptr, 80,
	                                   inverted, true);
	meter->frameHeight = frameHeight;
	meter->setValue(v);
	Canvas canvas(4, 65);
	meter->draw(canvas.context);
	const uint32_t top = canvas.pixel(1, 0);
	return top == canvas.pixel(1, 64) ? static_cast<int>(top & 0xFF) : -1;
}

} // namespace

TEST(AnalogMeter, PicksTheFilmstripImageOfTheLevel)
{
	EXPECT_EQ(analogImage(1.f, false), 79) << "offset 5135";
	EXPECT_EQ(analogImage(0.5f, false), 39);
	EXPECT_EQ(analogImage(0.f, true), 51) << "the inverted needle rests at zero frame 52: offset 3315";
	EXPECT_EQ(analogImage(1.f, true), 0);
	EXPECT_EQ(analogImage(1.f, false, 0.0), 0) << "no frame height: always image 0";
}

TEST(Meter, StepsTheFollowerOncePerDrawing)
{
	auto meter = makeOwned<CVuMeterJT>(CRect(0, 0, 4, 100), filled(4, 100, 0x00FF00), filled(4, 100, 0xFF0000), 100,
	                                   false, false);
	// To 1 % in 100 ms at 20 steps per second: a coefficient of 0.1.
	meter->follower.init(20, 100, 100, false, EnvelopeFollower::kPeak, false);
	meter->setValue(1.f);
	Canvas canvas(4, 100);
	meter->draw(canvas.context);
	EXPECT_EQ(run(column(canvas, 2, 100)), 10) << "level 0.9";
	meter->draw(canvas.context);
	EXPECT_EQ(run(column(canvas, 2, 100)), 1) << "level 0.99";
	EXPECT_FALSE(meter->isDirty());
}
