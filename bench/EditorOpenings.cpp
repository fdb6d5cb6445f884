#include "EditorOpenings.h"

#include "Processor.h"

#include "host/Module.h"
#include "host/PlugInstance.h"
#include "host/x11/HostWindow.h"
#include "host/x11/PlugFrame.h"
#include "host/x11/RunLoop.h"
#include "host/x11/WindowQuery.h"
#include "host/x11/X11Connection.h"

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/cresourcedescription.h"
#include "vstgui/plugin-bindings/vst3editor.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace EditorBench {

using namespace Steinberg;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 485;
constexpr int kHeight = 270;
constexpr int kWaitMs = 5000;

double secondsSince(Clock::time_point start)
{
	return std::chrono::duration<double>(Clock::now() - start).count();
}

void setScale(IPlugView& view, double scale)
{
	if (scale == 1.0)
		return;
	if (FUnknownPtr<IPlugViewContentScaleSupport> scaling(&view); scaling)
		scaling->setContentScaleFactor(static_cast<IPlugViewContentScaleSupport::ScaleFactor>(scale));
}

} // namespace

size_t residentBytes()
{
	std::ifstream statm("/proc/self/statm");
	size_t pages = 0, resident = 0;
	statm >> pages >> resident;
	return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

//------------------------------------------------------------------------ offscreen

struct OffscreenEditorHost::Impl
{
	Vst::HostApplication hostContext;
	IPtr<Vst::Doru2VST3::Processor> processor = Steinberg::owned(new Vst::Doru2VST3::Processor());
};

OffscreenEditorHost::OffscreenEditorHost() : impl(std::make_unique<Impl>())
{
	VSTGUI::setResourceFolder(VELTRANE_BUNDLE "/Contents/Resources");
	if (impl->processor->initialize(&impl->hostContext) != kResultOk)
		throw std::runtime_error("the processor does not initialize");
}

OffscreenEditorHost::~OffscreenEditorHost()
{
	impl->processor->terminate();
}

Opening OffscreenEditorHost::open(double scale)
{
	Opening opening;
	const size_t before = residentBytes();
	const Clock::time_point start = Clock::now();
	IPtr<IPlugView> view = Steinberg::owned(impl->processor->createView(Vst::ViewType::kEditor));
	auto* editor = dynamic_cast<VSTGUI::VST3Editor*>(view.get());
	if (!editor)
		throw std::runtime_error("the processor offers no editor");
	setScale(*view, scale);
	if (!editor->open(nullptr, VSTGUI::PlatformType::kX11EmbedWindowID))
		throw std::runtime_error("the editor does not open offscreen");
	VSTGUI::CFrame& frame = *editor->getFrame();
	const int width = static_cast<int>(std::lround(frame.getViewSize().getWidth() * frame.getZoom()));
	const int height = static_cast<int>(std::lround(frame.getViewSize().getHeight() * frame.getZoom()));
	cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
	cairo_t* cr = cairo_create(image);
	{
		VSTGUI::CDrawContext context(cr, VSTGUI::CRect(0, 0, width, height));
		frame.drawRect(&context, frame.getViewSize());
	}
	cairo_destroy(cr);
	cairo_surface_flush(image);
	opening.seconds = secondsSince(start);
	opening.addedBytes = residentBytes() - before;
	cairo_surface_destroy(image);
	editor->close();
	return opening;
}

//------------------------------------------------------------------------ in a window

struct WindowEditorHost::Impl
{
	VeltraneHost::Module module = VeltraneHost::Module::load(VELTRANE_BUNDLE);
	VeltraneHost::PlugInstance instance = module.createInstance();
	VeltraneHost::X11Connection connection;
	VeltraneHost::HostWindow window{connection, kWidth, kHeight, "Editor bench"};
	VeltraneHost::RunLoop runLoop;
	VeltraneHost::PlugFrame frame{&runLoop, &window};
	VeltraneHost::WindowQuery inspector{connection};

	VeltraneHost::WindowId editorWindow() const
	{
		const auto children = inspector.children(window.id());
		return children.size() == 1 && inspector.isMapped(children[0]) ? children[0] : 0;
	}

	// The editor window shows something other than the host window's black
	// at its centre: the editor's first frame has reached the server.
	bool drawn() const
	{
		const VeltraneHost::WindowId editor = editorWindow();
		const auto geometry = editor ? inspector.geometry(editor) : std::nullopt;
		if (!geometry)
			return false;
		constexpr int kProbe = 8;
		XImage* probe = XGetImage(connection.display(), editor, geometry->width / 2 - kProbe / 2,
			geometry->height / 2 - kProbe / 2, kProbe, kProbe, AllPlanes, ZPixmap);
		if (!probe)
			return false;
		bool any = false;
		for (int y = 0; y < kProbe && !any; ++y)
			for (int x = 0; x < kProbe && !any; ++x)
				any = (XGetPixel(probe, x, y) & 0xFFFFFF) != 0;
		XDestroyImage(probe);
		return any;
	}
};

WindowEditorHost::WindowEditorHost() : impl(std::make_unique<Impl>()) {}

WindowEditorHost::~WindowEditorHost() = default;

Opening WindowEditorHost::open(double scale)
{
	Opening opening;
	const size_t before = residentBytes();
	const Clock::time_point start = Clock::now();
	IPtr<IPlugView> view = Steinberg::owned(impl->instance.controller().createView(Vst::ViewType::kEditor));
	if (!view)
		throw std::runtime_error("the plug-in offers no editor");
	setScale(*view, scale);
	view->setFrame(&impl->frame);
	if (view->attached(impl->window.parentHandle(), kPlatformTypeX11EmbedWindowID) != kResultTrue)
		throw std::runtime_error("the editor does not attach");
	if (!impl->runLoop.pumpUntil([this] { return impl->drawn(); }, kWaitMs))
		throw std::runtime_error("the editor shows nothing");
	opening.seconds = secondsSince(start);
	opening.addedBytes = residentBytes() - before;
	view->removed();
	view->setFrame(nullptr);
	view = nullptr;
	impl->runLoop.pumpUntil([this] { return impl->inspector.children(impl->window.id()).empty(); }, kWaitMs);
	return opening;
}

} // namespace EditorBench
