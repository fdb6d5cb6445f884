#include "vstguieditor.h"

#include "vstguix11runloop.h"

#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {

VSTGUIEditor::VSTGUIEditor(void* controller, ViewRect* size)
: EditorView(static_cast<EditController*>(controller), size)
{
}

VSTGUIEditor::~VSTGUIEditor()
{
	// A host that releases the view without removing it first.
	if (timer)
		timer->forget();
	if (runLoop)
		runLoop->detach();
}

void VSTGUIEditor::setIdleRate(int32 millisec)
{
	if (millisec <= 0)
		return;
	idleRate = millisec;
	if (timer)
		timer->setFireTime(static_cast<uint32_t>(millisec));
}

tresult PLUGIN_API VSTGUIEditor::isPlatformTypeSupported(FIDString type)
{
	return type && std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::attached(void* parent, FIDString type)
{
	if (isPlatformTypeSupported(type) != kResultTrue || !parent || isAttached() || !takeRunLoop())
		return kResultFalse;
	if (!open(parent, VSTGUI::PlatformType::kX11EmbedWindowID))
	{
		close(); // whatever open got done
		dropRunLoop();
		return kResultFalse;
	}

	// Tell the host when the window came out at another size than announced
	// (the window's, in pixels: the frame's own size leaves out its zoom).
	VSTGUI::CRect windowSize;
	auto* window = frame ? frame->getPlatformFrame() : nullptr;
	if (window && window->getSize(windowSize))
	{
		// Rounded half up, as the window's own pixels are (727.5 makes 728).
		ViewRect size(0, 0, static_cast<int32>(std::lround(windowSize.getWidth())),
			static_cast<int32>(std::lround(windowSize.getHeight())));
		if (size.getWidth() != rect.getWidth() || size.getHeight() != rect.getHeight())
		{
			setRect(size);
			if (plugFrame)
				plugFrame->resizeView(this, &size);
		}
	}
	// Each tick goes to notify, as with the timer's object form, but holds a
	// reference first: whatever notify calls may remove and release the view.
	timer = new VSTGUI::CVSTGUITimer(
		[this](VSTGUI::CVSTGUITimer* sender) {
			IPtr<VSTGUIEditor> guard(this);
			notify(sender, VSTGUI::CVSTGUITimer::kMsgTimer);
		},
		static_cast<uint32_t>(idleRate), true);
	return EditorView::attached(parent, type);
}

tresult PLUGIN_API VSTGUIEditor::removed()
{
	if (!isAttached())
		return kResultFalse;
	// Removal may come from inside a tick of the timer; the timer keeps
	// itself alive until its tick returns.
	if (auto* stopping = std::exchange(timer, nullptr))
	{
		stopping->stop();
		stopping->forget();
	}
	close();
	dropRunLoop();
	return EditorView::removed();
}

tresult PLUGIN_API VSTGUIEditor::onSize(ViewRect* newSize)
{
	if (!newSize)
		return kInvalidArgument;
	if (frame) // the host speaks in pixels, the frame in its own units
		frame->setSize(newSize->getWidth() / frame->getZoom(), newSize->getHeight() / frame->getZoom());
	return EditorView::onSize(newSize);
}

namespace {

// The SDK's virtual key codes and key modifiers have the values of VSTGUI's
// (both follow the VST 2 list) up to KEY_HELP.
bool toKeyCode(char16 key, int16 keyCode, int16 modifiers, VSTGUI::VstKeyCode& code)
{
	code.character = key;
	code.virt = keyCode > 0 && keyCode <= VSTGUI::VKEY_HELP ? static_cast<unsigned char>(keyCode) : 0;
	code.modifier = static_cast<unsigned char>(modifiers & 0x0F);
	return code.character != 0 || code.virt != 0;
}

} // namespace

tresult PLUGIN_API VSTGUIEditor::onKeyDown(char16 key, int16 keyCode, int16 modifiers)
{
	VSTGUI::VstKeyCode code;
	if (!frame || !toKeyCode(key, keyCode, modifiers, code))
		return kResultFalse;
	return static_cast<VSTGUI::IPlatformFrameCallback*>(frame)->platformOnKeyDown(code) ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::onKeyUp(char16 key, int16 keyCode, int16 modifiers)
{
	VSTGUI::VstKeyCode code;
	if (!frame || !toKeyCode(key, keyCode, modifiers, code))
		return kResultFalse;
	return static_cast<VSTGUI::IPlatformFrameCallback*>(frame)->platformOnKeyUp(code) ? kResultTrue : kResultFalse;
}

void VSTGUIEditor::beginEdit(int32_t index)
{
	if (controller)
		controller->beginEdit(static_cast<ParamID>(index));
}

void VSTGUIEditor::endEdit(int32_t index)
{
	if (controller)
		controller->endEdit(static_cast<ParamID>(index));
}

VSTGUI::CMessageResult VSTGUIEditor::notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message)
{
	const bool isTick = message == VSTGUI::CVSTGUITimer::kMsgTimer ||
	                    (message && std::strcmp(message, VSTGUI::CVSTGUITimer::kMsgTimer) == 0);
	if (!isTick)
		return VSTGUI::CBaseObject::notify(sender, message);
	doIdleStuff();
	if (frame)
		frame->idle();
	return VSTGUI::kMessageNotified;
}

bool VSTGUIEditor::takeRunLoop()
{
	FUnknownPtr<Linux::IRunLoop> hostRunLoop(plugFrame);
	if (!hostRunLoop)
		return false;
	runLoop = VSTGUI::owned(new X11RunLoopAdapter(IPtr<Linux::IRunLoop>(hostRunLoop.get())));
	x11Config.runLoop = runLoop.get();
	platformConfig = &x11Config;
	return true;
}

void VSTGUIEditor::dropRunLoop()
{
	platformConfig = nullptr;
	x11Config.runLoop = nullptr;
	if (runLoop)
		runLoop->detach(); // unregisters what is left and releases the host's loop
	runLoop = nullptr;
}

} // namespace Vst
} // namespace Steinberg
