// The editor's description and the pictures the build puts beside it in the
// bundle: what a host-side VSTGUI reads when the editor opens.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kResources = VELTRANE_RESOURCES_DIR;

struct PngHeader {
    bool valid = false;
    unsigned width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
};

PngHeader readPngHeader(const fs::path& file) {
    unsigned char b[26] = {};
    std::ifstream in(file, std::ios::binary);
    PngHeader h;
    if (!in.read(reinterpret_cast<char*>(b), sizeof b)) return h;
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature, signature + 8, b) || std::string(reinterpret_cast<char*>(b + 12), 4) != "IHDR")
        return h;
    auto be32 = [&](int at) { return unsigned(b[at]) << 24 | unsigned(b[at + 1]) << 16 | unsigned(b[at + 2]) << 8 | b[at + 3]; };
    h = {true, be32(16), be32(20), b[24], b[25]};
    return h;
}

pugi::xml_node loadDescription(pugi::xml_document& doc) {
    pugi::xml_parse_result parsed = doc.load_file((kResources / "plinth.uidesc").c_str());
    EXPECT_TRUE(parsed) << parsed.description();
    return doc.child("vstgui-ui-description");
}

pugi::xml_node templateNamed(pugi::xml_node root, const char* name) {
    return root.find_child_by_attribute("template", "name", name);
}

TEST(EditorResources, EveryBitmapTheDescriptionNamesIsInTheBundleWithItsLayout) {
    pugi::xml_document doc;
    pugi::xml_node root = loadDescription(doc);
    ASSERT_TRUE(root);
    EXPECT_STREQ(root.attribute("version").value(), "1");

    std::vector<std::string> sections;
    for (pugi::xml_node n : root.children()) sections.push_back(n.name());
    EXPECT_EQ(sections, (std::vector<std::string>{"fonts", "colors", "template", "custom", "bitmaps", "control-tags",
                                                  "gradients", "template"}));

    // Exact sizes where the editor or the meters depend on them.
    const std::map<std::string, std::pair<unsigned, unsigned>> sizes = {
        {"codeback", {485, 270}},        {"delaystate", {96, 98}},       {"active", {80, 104}},
        {"cutk", {78, 10530}},           {"offsetk", {80, 10800}},       {"ratiok", {87, 11745}},
        {"resk", {76, 10260}},           {"timek", {87, 11745}},         {"fdbk", {84, 11340}},
        {"wdk", {79, 10665}},            {"gaink", {78, 10530}},         {"analogvumeter", {147, 6240}},
        {"smallanalogvumeter", {60, 2560}}, {"medanalogvumeter", {122, 5200}}, {"biganalogvumeter", {177, 7520}},
        {"vuledon", {17, 85}},           {"vuledoff", {17, 85}},         {"vuledoninv", {17, 85}},
        {"vuledoffinv", {17, 85}},       {"vuledonhoriz", {85, 17}},     {"vuledoffhoriz", {85, 17}},
        {"vuledoninvhoriz", {85, 17}},   {"vuledoffinvhoriz", {85, 17}},
    };
    const std::set<std::string> knobKinds = {"knob", "alphaknob270", "otherknob", "userimage"};

    std::map<std::string, int> kinds;
    std::set<std::string> files;
    std::map<std::string, std::string> larger;  // "name#2x" entries by the name they enlarge
    int entries = 0, tiled = 0;
    for (pugi::xml_node b : root.child("bitmaps").children("bitmap")) {
        const std::string name = b.attribute("name").value();
        if (name.size() > 3 && name.compare(name.size() - 3, 3, "#2x") == 0) {
            larger[name.substr(0, name.size() - 3)] = b.attribute("path").value();
            continue;
        }
        ++entries;
        const std::string kind = b.attribute("plinthtype").value();
        ++kinds[kind];
        tiled += !b.attribute("nineparttiled-offsets").empty();
        EXPECT_EQ(std::string(b.attribute("path").value()), name + ".png");
        files.insert(name + ".png");
        if (name == "onoff") continue;  // named, but no picture ships

        SCOPED_TRACE(name);
        PngHeader png = readPngHeader(kResources / (name + ".png"));
        ASSERT_TRUE(png.valid);
        EXPECT_EQ(png.bitDepth, 8);
        EXPECT_EQ(png.colourType, 6);  // RGBA
        if (auto it = sizes.find(name); it != sizes.end()) {
            EXPECT_EQ(std::make_pair(png.width, png.height), it->second);
        }
        if (knobKinds.count(kind) || name == "knobvst") {
            EXPECT_EQ(png.height, 135 * png.width);
        }
    }
    EXPECT_EQ(entries, 145);
    EXPECT_EQ(files.size(), 144u);  // "whitedust" is named twice
    EXPECT_EQ(tiled, 8);
    EXPECT_EQ(kinds, (std::map<std::string, int>{
                         {"knob", 41}, {"onoffbtn", 24}, {"radiobtn", 21}, {"alphaknob270", 20}, {"backgnd", 8},
                         {"analogvu", 4}, {"vuon", 2}, {"vuoff", 2}, {"vuoninv", 2}, {"vuoffinv", 2},
                         {"vsliderback", 3}, {"hsliderback", 3}, {"vsliderhand", 2}, {"hsliderhand", 3},
                         {"otherknob", 2}, {"groupframe", 1}, {"userimage", 1}, {"assignbtn", 1},
                         {"vertswitch", 1}, {"horizswitch", 1}, {"", 1}}));

    EXPECT_FALSE(fs::exists(kResources / "onoff.png"));
    int pngs = 0;
    for (const auto& entry : fs::directory_iterator(kResources)) pngs += entry.path().extension() == ".png";
    EXPECT_EQ(pngs, 143 + 142);

    // Every picture also at twice the size for HiDPI screens, VSTGUI's way:
    // an entry "name#2x" naming "name#2x.png", the same layout at twice the
    // pixels. Only "hugeknob" has none: 2 x 17280 pixels is past cairo's 32767.
    EXPECT_EQ(larger.size(), 142u);
    for (const std::string& name : files) {
        const std::string base = name.substr(0, name.size() - 4);
        if (base == "onoff" || base == "hugeknob") continue;
        SCOPED_TRACE(base);
        ASSERT_EQ(larger[base], base + "#2x.png");
        const PngHeader own = readPngHeader(kResources / name);
        const PngHeader twice = readPngHeader(kResources / larger[base]);
        ASSERT_TRUE(twice.valid);
        EXPECT_EQ(std::make_pair(twice.width, twice.height), std::make_pair(2 * own.width, 2 * own.height));
        EXPECT_EQ(std::make_pair(twice.bitDepth, twice.colourType), std::make_pair(8, 6));
    }
    EXPECT_EQ(larger.count("hugeknob"), 0u);
}

TEST(EditorResources, EditorTemplateAndControlTags) {
    pugi::xml_document doc;
    pugi::xml_node root = loadDescription(doc);
    ASSERT_TRUE(root);

    pugi::xml_node editor = templateNamed(root, "Editor");
    ASSERT_TRUE(editor);
    for (const char* a : {"size", "minSize", "maxSize"}) EXPECT_STREQ(editor.attribute(a).value(), "485, 270") << a;
    EXPECT_STREQ(editor.attribute("class").value(), "CViewContainer");
    EXPECT_STREQ(editor.attribute("bitmap").value(), "codeback");

    struct View {
        const char* cls;
        const char* tag;
        const char* bitmap;
        const char* origin;
        const char* size;
        const char* imageHeight;
    };
    const View expected[] = {
        {"COnOffButton", "Delay State", "delaystate", "0 ,0", "96 ,48", "49"},
        {"COnOffButton", "Active", "active", "405 ,1", "80 ,52", "119"},
        {"CAnimKnob", "Cutoff", "cutk", "261 ,68", "78 ,78", "78"},
        {"CAnimKnob", "Offset", "offsetk", "143 ,67", "80 ,80", "80"},
        {"CAnimKnob", "Delay Ratio", "ratiok", "10 ,56", "87 ,87", "87"},
        {"CAnimKnob", "Resonance", "resk", "387 ,70", "76 ,76", "76"},
        {"CAnimKnob", "Delay", "timek", "10 ,172", "87 ,87", "87"},
        {"CAnimKnob", "Feedback", "fdbk", "160 ,190", "84,,84", "84"},
        {"CAnimKnob", "Feedback", "fdbk", "139 ,173", "84 ,84", "84"},
        {"CAnimKnob", "Wet/Dry", "wdk", "263 ,174", "79 ,79", "79"},
        {"CAnimKnob", "Volume", "gaink", "386 ,175", "78 ,78", "78"},
    };
    size_t i = 0;
    for (pugi::xml_node v : editor.children("view")) {
        ASSERT_LT(i, std::size(expected));
        const View& e = expected[i++];
        SCOPED_TRACE(i);
        EXPECT_STREQ(v.attribute("class").value(), e.cls);
        EXPECT_STREQ(v.attribute("control-tag").value(), e.tag);
        EXPECT_STREQ(v.attribute("bitmap").value(), e.bitmap);
        EXPECT_STREQ(v.attribute("origin").value(), e.origin);
        EXPECT_STREQ(v.attribute("size").value(), e.size);
        EXPECT_STREQ(v.attribute("height-of-one-image").value(), e.imageHeight);
        EXPECT_FALSE(v.attribute("custom-view-name").empty());
        EXPECT_STREQ(v.attribute("custom-view-name").value(), "");
        if (std::string(e.cls) == "CAnimKnob") {
            EXPECT_STREQ(v.attribute("sub-pixmaps").value(), "135");
            EXPECT_STREQ(v.attribute("angle-start").value(), "135");
            EXPECT_STREQ(v.attribute("angle-range").value(), "270");
        }
    }
    EXPECT_EQ(i, std::size(expected));

    std::vector<std::pair<std::string, long>> tags;
    for (pugi::xml_node t : root.child("control-tags").children("control-tag"))
        tags.emplace_back(t.attribute("name").value(), t.attribute("tag").as_llong(-1));
    std::vector<std::pair<std::string, long>> expectedTags = {
        {"Delay", 0},           {"Feedback", 1},        {"Cutoff", 2},          {"Resonance", 3},
        {"Delay Ratio", 4},     {"Offset", 5},          {"Wet/Dry", 6},         {"Volume", 7},
        {"Delay State", 8},     {"Active", 9},          {"ASSIGNBUTTON_1", 32768}, {"ASSIGNBUTTON_2", 32769},
        {"ASSIGNBUTTON_3", 32770}, {"JOYSTICK_X", 32773}, {"JOYSTICK_Y", 32774}, {"JOYSTICK", 32775},
        {"TRACKPAD", 32776},
    };
    for (long n = 0; n < 32; ++n) expectedTags.emplace_back("TAB_CTRL_" + std::to_string(n), 65536 + n);
    EXPECT_EQ(tags, expectedTags);

    pugi::xml_node offScreen = templateNamed(root, "Off Screen View 1");
    ASSERT_TRUE(offScreen);
    EXPECT_STREQ(offScreen.attribute("size").value(), "1024, 790");
    EXPECT_FALSE(offScreen.first_child());
}

}  // namespace
