// One picture of the bundle: its file name, what it shows, its pixel size and
// how many frames it stacks from top to bottom.
#pragma once

#include <cstdint>
#include <string>

namespace artwork {

enum class Art {
    EditorFace,      // the editor's background, "codeback"
    EditorKnob,      // the knobs the editor shows
    ModeSwitch,      // Comb / Delay
    PowerSwitch,     // On / Off
    StockKnob,       // opaque knob strip
    AlphaKnob,       // knob strip on a transparent ground
    LedButton,       // round lamp, off above on
    PushButton,      // round cap, off above on
    CaptionButton,   // rectangular key with a word on it
    ToggleSwitch,    // bat toggle or rocker, off above on
    RadioStrip,      // one frame per selected position
    AnalogMeter,     // needle meter, one frame per needle position
    LedMeter,        // LED bar, all lit or all dark
    Texture,         // tileable surface
    Panel,           // nine-part tiled panel
    GroupFrame,      // nine-part tiled frame
    SliderTrack,
    SliderHandle,
    AssignButton,
    MultiSwitch,     // three-position lever
};

// Variation within a kind of art.
struct Look {
    uint32_t colour = 0xf0a030;  // main colour, 0xRRGGBB
    int variant = 0;             // shape family within the kind
    bool horizontal = false;
    bool inverted = false;
    bool lit = false;
    const char* caption = "";
};

struct Picture {
    std::string name;  // file is name + ".png"
    Art art;
    int width;
    int height;
    int frames;  // stacked vertically, each height / frames tall
    Look look;

    int frameHeight() const { return height / frames; }
};

}  // namespace artwork
