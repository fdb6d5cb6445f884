// Pictures as the tests compare them: 0xRRGGBB pixels, read from PNG files
// or grabbed from a window, and what the visible Feedback knob should show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace EditorTest {

struct Pixels
{
	int width = 0;
	int height = 0;
	std::vector<uint32_t> rgb;

	uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)]; }
	// Empty when the rectangle does not lie inside the picture.
	Pixels crop(int x, int y, int w, int h) const;
};

// The visible Feedback knob: origin and side.
constexpr int kFeedbackX = 139;
constexpr int kFeedbackY = 173;
constexpr int kFeedbackSide = 84;
constexpr int kLastKnobFrame = 134;

Pixels readPng(const std::string& path);
// The visible Feedback knob's square in a picture of the whole editor.
inline Pixels feedbackKnobIn(const Pixels& editor)
{
	return editor.crop(kFeedbackX, kFeedbackY, kFeedbackSide, kFeedbackSide);
}
// The knob's square as the editor draws it at `frame`: the window's
// background with that image of the knob's filmstrip over it; at scale 2,
// from the pictures drawn at twice the size ("name#2x.png").
Pixels expectedFeedbackKnob(int frame, int scale = 1);
// The largest difference of any colour channel; the pictures must be equal in size.
int largestDifference(const Pixels& a, const Pixels& b);

} // namespace EditorTest
