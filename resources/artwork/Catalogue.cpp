#include "Catalogue.h"

namespace artwork {

namespace {

constexpr int kKnobFrames = 135;  // 270 degrees of travel, two degrees a frame
constexpr int kMeterFrames = 80;  // needle positions of the analog meters

Picture knobStrip(const char* name, Art art, int side, Look look = {}) {
    return {name, art, side, side * kKnobFrames, kKnobFrames, look};
}

Picture twoImages(const char* name, Art art, int width, int imageHeight, Look look = {}) {
    return {name, art, width, 2 * imageHeight, 2, look};
}

Picture single(const char* name, Art art, int width, int height, Look look = {}) {
    return {name, art, width, height, 1, look};
}

Look colour(uint32_t rgb, int variant = 0) {
    Look l;
    l.colour = rgb;
    l.variant = variant;
    return l;
}

Look captioned(const char* caption, uint32_t rgb) {
    Look l = colour(rgb);
    l.caption = caption;
    return l;
}

Look led(bool lit, bool inverted, bool horizontal) {
    Look l;
    l.lit = lit;
    l.inverted = inverted;
    l.horizontal = horizontal;
    return l;
}

Look oriented(bool horizontal, uint32_t rgb = 0xf0a030, int variant = 0) {
    Look l = colour(rgb, variant);
    l.horizontal = horizontal;
    return l;
}

struct Hue {
    const char* name;
    uint32_t rgb;
};

void addStockKnobs(std::vector<Picture>& all) {
    static const Hue hues[] = {
        {"black", 0x2a2c30}, {"silver", 0xb8bcc2}, {"red", 0xb3302a},   {"blue", 0x2f5fa8},
        {"green", 0x3c8a4a}, {"amber", 0xd98a1c},  {"cream", 0xe6dcc4}, {"steel", 0x6c7684},
        {"purple", 0x6a4a9c}, {"teal", 0x2a8f8c},  {"white", 0xeeeeee},
    };
    static const int sides[] = {32, 44, 56};
    for (const Hue& h : hues)
        for (int side : sides) {
            all.push_back(knobStrip((std::string(h.name) + "knob" + std::to_string(side)).c_str(),
                                    Art::StockKnob, side, colour(h.rgb)));
        }
}

void addAlphaKnobs(std::vector<Picture>& all) {
    static const Hue hues[] = {
        {"amber", 0xf0a030}, {"blue", 0x4a90e2},   {"green", 0x5cc46a}, {"red", 0xe0483e},
        {"white", 0xf2f2f2}, {"teal", 0x38c0b8},   {"purple", 0x9a6ae0}, {"orange", 0xf07a2a},
        {"pink", 0xe86aa8},  {"yellow", 0xe8d44a},
    };
    static const int sides[] = {40, 60};
    for (const Hue& h : hues)
        for (int side : sides)
            all.push_back(knobStrip((std::string("alpha") + h.name + std::to_string(side)).c_str(),
                                    Art::AlphaKnob, side, colour(h.rgb)));
}

void addRadioStrips(std::vector<Picture>& all) {
    static const Hue hues[] = {{"amber", 0xf0a030}, {"teal", 0x38c0b8}, {"silver", 0xd0d4da}};
    const int cell = 16;
    for (const Hue& h : hues)
        for (int n = 2; n <= 8; ++n)
            all.push_back({std::string("radio") + std::to_string(n) + h.name, Art::RadioStrip, n * cell, n * cell, n,
                           colour(h.rgb)});
}

std::vector<Picture> build() {
    std::vector<Picture> all;

    // What the editor shows.
    all.push_back(single("codeback", Art::EditorFace, 485, 270));
    all.push_back(twoImages("delaystate", Art::ModeSwitch, 96, 49));
    all.push_back(twoImages("active", Art::PowerSwitch, 80, 52));
    all.push_back(knobStrip("cutk", Art::EditorKnob, 78));
    all.push_back(knobStrip("offsetk", Art::EditorKnob, 80));
    all.push_back(knobStrip("ratiok", Art::EditorKnob, 87));
    all.push_back(knobStrip("resk", Art::EditorKnob, 76));
    all.push_back(knobStrip("timek", Art::EditorKnob, 87));
    all.push_back(knobStrip("fdbk", Art::EditorKnob, 84));
    all.push_back(knobStrip("wdk", Art::EditorKnob, 79));
    all.push_back(knobStrip("gaink", Art::EditorKnob, 78));

    // The stock library a description may draw on.
    addStockKnobs(all);
    addAlphaKnobs(all);
    all.push_back(knobStrip("bigknob", Art::StockKnob, 112, colour(0x34373c)));
    all.push_back(knobStrip("hugeknob", Art::StockKnob, 128, colour(0xb8bcc2)));
    all.push_back(knobStrip("userknob", Art::AlphaKnob, 64, colour(0xf0a030)));
    all.push_back(knobStrip("knobvst", Art::StockKnob, 50, colour(0x3a3d42)));

    all.push_back(twoImages("ledred", Art::LedButton, 18, 18, colour(0xe0483e)));
    all.push_back(twoImages("ledgreen", Art::LedButton, 18, 18, colour(0x5cc46a)));
    all.push_back(twoImages("ledblue", Art::LedButton, 18, 18, colour(0x4a90e2)));
    all.push_back(twoImages("ledamber", Art::LedButton, 18, 18, colour(0xf0a030)));
    all.push_back(twoImages("ledwhite", Art::LedButton, 18, 18, colour(0xf2f2f2)));
    all.push_back(twoImages("pushgrey", Art::PushButton, 32, 32, colour(0x8a9098)));
    all.push_back(twoImages("pushred", Art::PushButton, 32, 32, colour(0xe0483e)));
    all.push_back(twoImages("pushblue", Art::PushButton, 32, 32, colour(0x4a90e2)));
    all.push_back(twoImages("pushgreen", Art::PushButton, 32, 32, colour(0x5cc46a)));
    all.push_back(twoImages("roundblack", Art::PushButton, 24, 24, colour(0x2a2c30, 1)));
    all.push_back(twoImages("roundsilver", Art::PushButton, 24, 24, colour(0xb8bcc2, 1)));
    all.push_back(twoImages("bypassbtn", Art::CaptionButton, 64, 24, captioned("BYPASS", 0xe0483e)));
    all.push_back(twoImages("mutebtn", Art::CaptionButton, 48, 24, captioned("MUTE", 0xe0483e)));
    all.push_back(twoImages("solobtn", Art::CaptionButton, 48, 24, captioned("SOLO", 0xe8d44a)));
    all.push_back(twoImages("powerbtn", Art::CaptionButton, 48, 24, captioned("POWER", 0x5cc46a)));
    all.push_back(twoImages("squareamber", Art::CaptionButton, 32, 24, captioned("", 0xf0a030)));
    all.push_back(twoImages("squareteal", Art::CaptionButton, 32, 24, captioned("", 0x38c0b8)));
    all.push_back(twoImages("toggleswitch", Art::ToggleSwitch, 24, 40, colour(0xc8ccd2, 0)));
    all.push_back(twoImages("togglesmall", Art::ToggleSwitch, 16, 28, colour(0xc8ccd2, 0)));
    all.push_back(twoImages("rockerswitch", Art::ToggleSwitch, 28, 48, colour(0x2a2c30, 1)));
    all.push_back(twoImages("slideswitch", Art::ToggleSwitch, 44, 22, oriented(true, 0xc8ccd2, 2)));

    addRadioStrips(all);

    all.push_back({"analogvumeter", Art::AnalogMeter, 147, 6240, kMeterFrames, {}});
    all.push_back({"smallanalogvumeter", Art::AnalogMeter, 60, 2560, kMeterFrames, {}});
    all.push_back({"medanalogvumeter", Art::AnalogMeter, 122, 5200, kMeterFrames, {}});
    all.push_back({"biganalogvumeter", Art::AnalogMeter, 177, 7520, kMeterFrames, {}});

    all.push_back(single("vuledon", Art::LedMeter, 17, 85, led(true, false, false)));
    all.push_back(single("vuledoff", Art::LedMeter, 17, 85, led(false, false, false)));
    all.push_back(single("vuledoninv", Art::LedMeter, 17, 85, led(true, true, false)));
    all.push_back(single("vuledoffinv", Art::LedMeter, 17, 85, led(false, true, false)));
    all.push_back(single("vuledonhoriz", Art::LedMeter, 85, 17, led(true, false, true)));
    all.push_back(single("vuledoffhoriz", Art::LedMeter, 85, 17, led(false, false, true)));
    all.push_back(single("vuledoninvhoriz", Art::LedMeter, 85, 17, led(true, true, true)));
    all.push_back(single("vuledoffinvhoriz", Art::LedMeter, 85, 17, led(false, true, true)));

    all.push_back(single("background", Art::Panel, 400, 420));
    all.push_back(single("darkgreyvinyl", Art::Texture, 256, 256, colour(0x2b2d30, 0)));
    all.push_back(single("brushedmetal", Art::Texture, 256, 256, colour(0xa8adb4, 1)));
    all.push_back(single("bluemetal", Art::Texture, 256, 256, colour(0x4a6a92, 1)));
    all.push_back(single("goldmetal", Art::Texture, 256, 256, colour(0xb8923e, 1)));
    all.push_back(single("coppermetal", Art::Texture, 256, 256, colour(0xa8643a, 1)));
    all.push_back(single("blackmetal", Art::Texture, 256, 256, colour(0x303236, 1)));
    all.push_back(single("whitedust", Art::Texture, 256, 256, colour(0xe8e6e0, 2)));
    all.push_back(single("groupframe", Art::GroupFrame, 160, 120));

    all.push_back(single("vsliderback", Art::SliderTrack, 20, 140, oriented(false, 0x1a1c1f)));
    all.push_back(single("vsliderbackdark", Art::SliderTrack, 20, 140, oriented(false, 0x0e0f11, 1)));
    all.push_back(single("hsliderback", Art::SliderTrack, 140, 20, oriented(true, 0x1a1c1f)));
    all.push_back(single("hsliderbackdark", Art::SliderTrack, 140, 20, oriented(true, 0x0e0f11, 1)));
    all.push_back(single("vsliderhand", Art::SliderHandle, 28, 14, oriented(false, 0xd0d4da)));
    all.push_back(single("vsliderhandamber", Art::SliderHandle, 28, 14, oriented(false, 0xf0a030)));
    all.push_back(single("hsliderhand", Art::SliderHandle, 14, 28, oriented(true, 0xd0d4da)));
    all.push_back(single("hsliderhandamber", Art::SliderHandle, 14, 28, oriented(true, 0xf0a030)));
    all.push_back(single("hsliderhandteal", Art::SliderHandle, 14, 28, oriented(true, 0x38c0b8)));

    all.push_back(twoImages("assignbutton", Art::AssignButton, 48, 24, captioned("ASSIGN", 0xf0a030)));
    all.push_back({"vertswitch", Art::MultiSwitch, 24, 144, 3, oriented(false)});
    all.push_back({"horizswitch", Art::MultiSwitch, 48, 72, 3, oriented(true)});
    return all;
}

}  // namespace

const std::vector<Picture>& catalogue() {
    static const std::vector<Picture> all = build();
    return all;
}

}  // namespace artwork
