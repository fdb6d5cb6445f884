// An IPlugView whose content is a VSTGUI frame. Subclasses (VST3Editor)
// create the frame in open and drop it in close; this class ties the view to
// the host: on Linux it embeds into the host's X11 window and lives on the
// host's run loop (the IRunLoop its IPlugFrame offers), where it registers
// the window's connection and its refresh timer. Nothing runs on a thread or
// loop of its own.
#pragma once

#include "public.sdk/source/vst/vsteditcontroller.h"

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/platform/platform_x11.h"

namespace Steinberg {
namespace Vst {

class X11RunLoopAdapter;

class VSTGUIEditor : public EditorView, public VSTGUI::VSTGUIEditorInterface, public VSTGUI::CBaseObject
{
public:
	// controller: the EditController the view belongs to (may be null).
	VSTGUIEditor(void* controller, ViewRect* size = nullptr);
	~VSTGUIEditor() override;

	// Create the frame in parent. platformConfig carries what the platform
	// layer needs to embed it (on Linux the host's run loop); pass it on to
	// CFrame::open.
	virtual bool PLUGIN_API open(void* parent,
		const VSTGUI::PlatformType& type = VSTGUI::PlatformType::kDefaultNative) = 0;
	virtual void PLUGIN_API close() = 0;

	// The refresh timer's period, also while attached.
	void setIdleRate(int32 millisec);
	int32 getIdleRate() const { return idleRate; }

	//---IPlugView
	tresult PLUGIN_API isPlatformTypeSupported(FIDString type) SMTG_OVERRIDE;
	tresult PLUGIN_API attached(void* parent, FIDString type) SMTG_OVERRIDE;
	tresult PLUGIN_API removed() SMTG_OVERRIDE;
	tresult PLUGIN_API onSize(ViewRect* newSize) SMTG_OVERRIDE;
	tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) SMTG_OVERRIDE;
	tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) SMTG_OVERRIDE;

	//---VSTGUIEditorInterface
	void beginEdit(int32_t index) override;
	void endEdit(int32_t index) override;

	//---CBaseObject: the refresh timer's tick arrives here.
	VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) override;

	// One reference count for the host and VSTGUI's SharedPointers alike.
	void remember() override { addRef(); }
	void forget() override { release(); }

	OBJ_METHODS(VSTGUIEditor, EditorView)
	REFCOUNT_METHODS(EditorView)

protected:
	// What open hands to CFrame::open; valid from attached until removed.
	VSTGUI::IPlatformFrameConfig* platformConfig = nullptr;
	// Ticks every idle rate while attached; its target is this object.
	VSTGUI::CVSTGUITimer* timer = nullptr;

private:
	bool takeRunLoop();
	void dropRunLoop();

	int32 idleRate = 100;
	VSTGUI::X11::FrameConfig x11Config;
	VSTGUI::SharedPointer<X11RunLoopAdapter> runLoop;
};

} // namespace Vst
} // namespace Steinberg
