// The gui and timer-support extensions: the controller's editor view,
// embedded in the host's X11 window, living on the host's timers.
#include "ClapPlugin.h"

#include "ClapEditorFrame.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Clap {

namespace {

bool isX11(const char* api)
{
	return api && std::strcmp(api, CLAP_WINDOW_API_X11) == 0;
}

} // namespace

bool Plugin::guiApiSupported(const char* api, bool floating) const
{
	return isX11(api) && !floating && hosted && hosted->hasEditor() && hostTimers;
}

bool Plugin::guiCreate(const char* api, bool floating)
{
	if (!guiApiSupported(api, floating) || !onMainThreadNow())
		return false;
	if (editorView)
		return true;
	editorView = owned(hosted->controller().createView(ViewType::kEditor));
	if (!editorView || editorView->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
	{
		editorView = nullptr;
		return false;
	}
	editorFrame = owned(new EditorFrame(host, hostTimers, hostGui));
	editorView->setFrame(editorFrame);
	if (pendingScale > 0.0)
		guiSetScale(pendingScale);
	return true;
}

void Plugin::guiDestroy()
{
	// Held here: the host may destroy the editor from inside one of its timers.
	IPtr<IPlugView> view = editorView;
	IPtr<EditorFrame> frame = editorFrame;
	editorView = nullptr;
	editorFrame = nullptr;
	if (view)
	{
		if (attached)
			view->removed();
		view->setFrame(nullptr);
	}
	if (frame)
		frame->close();
	attached = false;
	parentWindow = 0;
}

bool Plugin::guiSetScale(double scale)
{
	if (!std::isfinite(scale) || scale <= 0.0)
		return false;
	pendingScale = scale;
	FUnknownPtr<IPlugViewContentScaleSupport> scaling(editorView);
	return scaling && scaling->setContentScaleFactor(static_cast<IPlugViewContentScaleSupport::ScaleFactor>(scale)) ==
		kResultTrue;
}

bool Plugin::guiSize(uint32_t* width, uint32_t* height) const
{
	ViewRect size;
	if (!editorView || !width || !height || editorView->getSize(&size) != kResultTrue || size.getWidth() <= 0 ||
		size.getHeight() <= 0)
		return false;
	*width = static_cast<uint32_t>(size.getWidth());
	*height = static_cast<uint32_t>(size.getHeight());
	return true;
}

bool Plugin::guiSetSize(uint32_t width, uint32_t height)
{
	// Not resizable: only the size it has is accepted.
	uint32_t currentWidth = 0, currentHeight = 0;
	return guiSize(&currentWidth, &currentHeight) && width == currentWidth && height == currentHeight;
}

bool Plugin::guiSetParent(const clap_window_t* window)
{
	if (!editorView || !window || !isX11(window->api) || window->x11 == 0 || attached || !onMainThreadNow())
		return false;
	parentWindow = window->x11;
	return guiShow();
}

bool Plugin::guiShow()
{
	if (!editorView || parentWindow == 0)
		return false;
	if (attached)
		return true;
	attached = editorView->attached(reinterpret_cast<void*>(parentWindow), kPlatformTypeX11EmbedWindowID) == kResultTrue;
	return attached;
}

bool Plugin::guiHide()
{
	// The view has no hidden state of its own: it leaves the window, and its timers stop.
	if (!editorView || !attached)
		return false;
	editorView->removed();
	attached = false;
	return true;
}

void Plugin::onTimer(clap_id timerId)
{
	if (IPtr<EditorFrame> frame = editorFrame)
		frame->onTimer(timerId);
}

const clap_plugin_gui_t Plugin::gui = {
	[](const clap_plugin_t* p, const char* api, bool floating) { return self(p)->guiApiSupported(api, floating); },
	[](const clap_plugin_t*, const char** api, bool* floating) {
		if (!api || !floating)
			return false;
		*api = CLAP_WINDOW_API_X11;
		*floating = false;
		return true;
	},
	[](const clap_plugin_t* p, const char* api, bool floating) { return self(p)->guiCreate(api, floating); },
	[](const clap_plugin_t* p) { self(p)->guiDestroy(); },
	[](const clap_plugin_t* p, double scale) { return self(p)->guiSetScale(scale); },
	[](const clap_plugin_t* p, uint32_t* width, uint32_t* height) { return self(p)->guiSize(width, height); },
	[](const clap_plugin_t*) { return false; },
	[](const clap_plugin_t*, clap_gui_resize_hints_t*) { return false; },
	[](const clap_plugin_t* p, uint32_t* width, uint32_t* height) { return self(p)->guiSize(width, height); },
	[](const clap_plugin_t* p, uint32_t width, uint32_t height) { return self(p)->guiSetSize(width, height); },
	[](const clap_plugin_t* p, const clap_window_t* window) { return self(p)->guiSetParent(window); },
	[](const clap_plugin_t*, const clap_window_t*) { return false; },
	[](const clap_plugin_t*, const char*) {},
	[](const clap_plugin_t* p) { return self(p)->guiShow(); },
	[](const clap_plugin_t* p) { return self(p)->guiHide(); },
};

const clap_plugin_timer_support_t Plugin::timerSupport = {
	[](const clap_plugin_t* p, clap_id timerId) { self(p)->onTimer(timerId); },
};

} // namespace Clap
} // namespace Vst
} // namespace Steinberg
