// The LV2 face's X11 UI, found and loaded through lilv as LV2 hosts load it,
// in a host window under Xvfb, driven only by ui:idleInterface.
#include "host/lv2/Lv2Host.h"

#include "host/x11/HostWindow.h"
#include "host/x11/Pointer.h"
#include "host/x11/WindowQuery.h"
#include "host/x11/X11Connection.h"

#include "lv2/ui/ui.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <thread>
#include <vector>

using namespace VeltraneHost;

namespace {

namespace fs = std::filesystem;

constexpr const char* kUri = "urn:tallowridge:veltranefree";
constexpr uint32_t kFeedbackPort = 6;
constexpr int kFeedbackKnobX = 139 + 42, kFeedbackKnobY = 173 + 42; // the knob's centre in the editor

std::string privatePath()
{
	const fs::path folder = fs::temp_directory_path() / ("veltrane-lv2-ui-" + std::to_string(::getpid()));
	fs::create_directories(folder);
	fs::remove(folder / "VeltraneFree.lv2");
	fs::create_directory_symlink(VELTRANE_LV2_BUNDLE, folder / "VeltraneFree.lv2");
	return folder.string();
}

size_t openDescriptors()
{
	return static_cast<size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

// What a host hands a UI, and what the UI hands back.
struct UiHost
{
	Lv2World world {Lv2World::Source::path, privatePath()};
	UridMap urids;
	void* library = nullptr;
	const LV2UI_Descriptor* descriptor = nullptr;
	std::string bundle;

	std::vector<std::pair<uint32_t, float>> writes;
	std::vector<std::pair<uint32_t, bool>> touches;
	std::vector<std::pair<int, int>> sizes;
	LV2UI_Resize resize {this, [](LV2UI_Feature_Handle self, int w, int h) {
		static_cast<UiHost*>(self)->sizes.emplace_back(w, h);
		return 0;
	}};
	LV2UI_Touch touch {this, [](LV2UI_Feature_Handle self, uint32_t port, bool grabbed) {
		static_cast<UiHost*>(self)->touches.emplace_back(port, grabbed);
	}};

	UiHost()
	{
		const LilvPlugin* plugin = world.plugin(kUri);
		LilvUIs* uis = lilv_plugin_get_uis(plugin);
		LILV_FOREACH (uis, i, uis)
		{
			const LilvUI* ui = lilv_uis_get(uis, i);
			char* binary = lilv_file_uri_parse(lilv_node_as_uri(lilv_ui_get_binary_uri(ui)), nullptr);
			char* folder = lilv_file_uri_parse(lilv_node_as_uri(lilv_ui_get_bundle_uri(ui)), nullptr);
			bundle = folder;
			library = dlopen(binary, RTLD_NOW | RTLD_LOCAL);
			lilv_free(binary);
			lilv_free(folder);
			auto* entry = library ? reinterpret_cast<LV2UI_DescriptorFunction>(dlsym(library, "lv2ui_descriptor")) : nullptr;
			for (uint32_t d = 0; entry && entry(d); ++d)
				if (std::strcmp(entry(d)->URI, lilv_node_as_uri(lilv_ui_get_uri(ui))) == 0)
					descriptor = entry(d);
		}
		lilv_uis_free(uis);
	}
	~UiHost()
	{
		if (library)
			dlclose(library);
	}

	LV2UI_Handle open(const HostWindow& window, LV2UI_Widget* widget)
	{
		const LV2_Feature parent {LV2_UI__parent, window.parentHandle()};
		const LV2_Feature resizeFeature {LV2_UI__resize, &resize};
		const LV2_Feature touchFeature {LV2_UI__touch, &touch};
		const LV2_Feature map {LV2_URID__map, urids.mapFeature()};
		const LV2_Feature* features[] = {&parent, &resizeFeature, &touchFeature, &map, nullptr};
		return descriptor->instantiate(descriptor, kUri, bundle.c_str(),
			[](LV2UI_Controller self, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
				if (size == sizeof(float) && format == 0)
					static_cast<UiHost*>(self)->writes.emplace_back(port, *static_cast<const float*>(buffer));
			},
			this, widget, features);
	}

	bool pumpUntil(LV2UI_Handle ui, const std::function<bool()>& done, int timeoutMs = 5000)
	{
		const auto* idle = static_cast<const LV2UI_Idle_Interface*>(descriptor->extension_data(LV2_UI__idleInterface));
		for (int waited = 0; waited < timeoutMs; waited += 10)
		{
			if (done())
				return true;
			idle->idle(ui);
			std::this_thread::sleep_for(std::chrono::milliseconds(10));
		}
		return done();
	}
};

} // namespace

TEST(Lv2Ui, EmbedsInTheHostWindowAndTalksThroughPortsOnly)
{
	X11Connection connection;
	WindowQuery query(connection);
	UiHost host;
	ASSERT_NE(host.descriptor, nullptr);
	ASSERT_NE(host.descriptor->extension_data(LV2_UI__idleInterface), nullptr);

	HostWindow window(connection, 485, 270, "LV2 host");
	LV2UI_Widget widget = nullptr;
	LV2UI_Handle ui = host.open(window, &widget);
	ASSERT_NE(ui, nullptr);
	EXPECT_NE(widget, nullptr);
	ASSERT_FALSE(host.sizes.empty());
	EXPECT_EQ(host.sizes.back(), std::make_pair(485, 270));

	WindowId editor = 0;
	ASSERT_TRUE(host.pumpUntil(ui, [&] {
		const std::vector<WindowId> children = query.children(window.id());
		editor = children.size() == 1 && query.isMapped(children[0]) ? children[0] : 0;
		return editor != 0 && query.grab(editor).distinctColours() > 16;
	}));
	EXPECT_EQ(reinterpret_cast<std::uintptr_t>(widget), editor); // the UI's widget is the editor's own window
	if (const char* picture = std::getenv("LV2_UI_PICTURE"))
	{
		const WindowImage image = query.grab(editor);
		if (FILE* file = std::fopen(picture, "wb"))
		{
			std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
			for (const uint32_t pixel : image.pixels)
			{
				const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
					static_cast<unsigned char>(pixel >> 8), static_cast<unsigned char>(pixel)};
				std::fwrite(rgb, 1, 3, file);
			}
			std::fclose(file);
		}
	}

	// 40 px up: a fifth of the Feedback range, written to the Feedback port inside a touch gesture.
	Pointer pointer(connection);
	pointer.moveTo(editor, kFeedbackKnobX, kFeedbackKnobY);
	pointer.press();
	pointer.moveTo(editor, kFeedbackKnobX, kFeedbackKnobY - 40);
	pointer.release();
	connection.sync();
	ASSERT_TRUE(host.pumpUntil(ui, [&] { return host.touches.size() >= 2; }));
	ASSERT_FALSE(host.writes.empty());
	EXPECT_EQ(host.writes.back().first, kFeedbackPort);
	EXPECT_NEAR(host.writes.back().second, 20.0f, 0.5f);
	EXPECT_EQ(host.touches.front(), std::make_pair(kFeedbackPort, true));
	EXPECT_EQ(host.touches.back(), std::make_pair(kFeedbackPort, false));

	// The host moves the port: the knob follows, and nothing is written back.
	const WindowImage before = query.grab(editor);
	const size_t written = host.writes.size();
	const float value = 90.0f;
	host.descriptor->port_event(ui, kFeedbackPort, sizeof(float), 0, &value);
	ASSERT_TRUE(host.pumpUntil(ui, [&] { return query.grab(editor).pixels != before.pixels; }));
	EXPECT_EQ(host.writes.size(), written);
	const float bad = std::numeric_limits<float>::quiet_NaN();
	host.descriptor->port_event(ui, kFeedbackPort, sizeof(float), 0, &bad);
	host.descriptor->port_event(ui, 9999, sizeof(float), 0, &value);
	host.descriptor->port_event(ui, kFeedbackPort, 2, 0, &value);

	host.descriptor->cleanup(ui);
	connection.sync();
	EXPECT_TRUE(query.children(window.id()).empty());
}

TEST(Lv2Ui, OpensAndClosesManyTimesAndLeavesNothingBehind)
{
	X11Connection connection;
	WindowQuery query(connection);
	UiHost host;
	ASSERT_NE(host.descriptor, nullptr);
	HostWindow window(connection, 485, 270, "LV2 host");
	size_t descriptors = 0;
	for (int cycle = 0; cycle < 25; ++cycle)
	{
		LV2UI_Widget widget = nullptr;
		LV2UI_Handle ui = host.open(window, &widget);
		ASSERT_NE(ui, nullptr) << "cycle " << cycle;
		host.pumpUntil(ui, [] { return false; }, 30);
		host.descriptor->cleanup(ui);
		connection.sync();
		EXPECT_TRUE(query.children(window.id()).empty()) << "cycle " << cycle;
		if (cycle == 1)
			descriptors = openDescriptors();
		if (cycle > 1)
		{
			EXPECT_EQ(openDescriptors(), descriptors) << "cycle " << cycle;
		}
	}

	// Without ui:parent there is nothing to embed in.
	const LV2_Feature* none[] = {nullptr};
	LV2UI_Widget widget = nullptr;
	EXPECT_EQ(host.descriptor->instantiate(host.descriptor, kUri, host.bundle.c_str(),
				  [](LV2UI_Controller, uint32_t, uint32_t, uint32_t, const void*) {}, &host, &widget, none),
		nullptr);
}
