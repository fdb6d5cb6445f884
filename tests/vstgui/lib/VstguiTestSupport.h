// Offscreen frames, canvases, pictures and recording listeners for the
// VSTGUI subset's tests.
#pragma once

#include "vstgui/vstgui.h"

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace VSTGUI::Test {

// An editor whose knob mode the test chooses; it logs edits by tag.
struct EditorStub : VSTGUIEditorInterface
{
	int32_t knobMode = -1;
	std::vector<std::string> log;
	int32_t getKnobMode() const override { return knobMode; }
	void beginEdit(int32_t index) override { log.push_back("editor begin " + std::to_string(index)); }
	void endEdit(int32_t index) override { log.push_back("editor end " + std::to_string(index)); }
};

// Logs what a control reports, with the value it reports.
struct RecordingListener : IControlListener
{
	std::vector<std::string> log;
	std::vector<float> values;
	void valueChanged(CControl* c) override
	{
		log.push_back("changed");
		values.push_back(c->getValue());
	}
	void controlBeginEdit(CControl*) override { log.push_back("begin"); }
	void controlEndEdit(CControl*) override { log.push_back("end"); }
};

// A frame opened without a window; closed (and released) at scope end.
struct OffscreenFrame
{
	explicit OffscreenFrame(const CRect& size, VSTGUIEditorInterface* editor = nullptr)
	: frame(new CFrame(size, editor))
	{
		frame->open(nullptr);
	}
	~OffscreenFrame() { frame->close(); }
	CFrame* operator->() const { return frame; }
	CFrame* frame;
};

// An ARGB image with a drawing context over it.
struct Canvas
{
	Canvas(int width, int height)
	: surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
	, cr(cairo_create(surface))
	, context(new CDrawContext(cr, CRect(0, 0, width, height)))
	{
	}
	~Canvas()
	{
		context->forget();
		cairo_destroy(cr);
		cairo_surface_destroy(surface);
	}
	// 0xAARRGGBB (premultiplied) at x, y.
	uint32_t pixel(int x, int y)
	{
		cairo_surface_flush(surface);
		auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
		return reinterpret_cast<uint32_t*>(row)[x];
	}
	cairo_surface_t* surface;
	cairo_t* cr;
	CDrawContext* context;
};

// Writes a PNG of width × (height × count) whose image i is filled with colour(i).
inline void writeStrip(const std::string& path, int width, int height, int count,
                       const std::function<uint32_t(int)>& colour)
{
	cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height * count);
	cairo_t* cr = cairo_create(s);
	for (int i = 0; i < count; ++i)
	{
		const uint32_t c = colour(i);
		cairo_set_source_rgba(cr, ((c >> 16) & 255) / 255., ((c >> 8) & 255) / 255., (c & 255) / 255., 1.);
		cairo_rectangle(cr, 0, i * height, width, height);
		cairo_fill(cr);
	}
	cairo_destroy(cr);
	cairo_surface_write_to_png(s, path.c_str());
	cairo_surface_destroy(s);
}

// A fresh resource folder for pictures, removed at scope end.
struct TemporaryResourceFolder
{
	TemporaryResourceFolder()
	{
		char pattern[] = "/tmp/vstgui-test-XXXXXX";
		path = mkdtemp(pattern);
		setResourceFolder(path);
	}
	~TemporaryResourceFolder()
	{
		std::filesystem::remove_all(path);
		setResourceFolder("");
	}
	std::string file(const std::string& name) const { return path + "/" + name; }
	std::string path;
};

inline CMouseEventResult mouseDown(CFrame* f, CPoint p, int32_t buttons = kLButton)
{
	return f->onMouseDown(p, CButtonState(buttons));
}
inline CMouseEventResult mouseMoved(CFrame* f, CPoint p, int32_t buttons = kLButton)
{
	return f->onMouseMoved(p, CButtonState(buttons));
}
inline CMouseEventResult mouseUp(CFrame* f, CPoint p, int32_t buttons = kLButton)
{
	return f->onMouseUp(p, CButtonState(buttons));
}

} // namespace VSTGUI::Test
