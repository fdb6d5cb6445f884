// The editor of a VST 3 edit controller, built from a template of a
// user-interface description. Every control whose tag is a parameter id is
// bound to that parameter through one ParameterChangeListener per tag: the
// control follows the parameter (also when the host changes it) and its edits
// become beginEdit/performEdit/endEdit. The controller takes part through
// VST3EditorDelegate when it derives from it.
#pragma once

#include "../lib/cframe.h"
#include "../uidescription/icontroller.h"
#include "../uidescription/uidescription.h"
#include "parameterchangelistener.h"
#include "vst3editordelegate.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivstplugview.h"
#include "public.sdk/source/vst/vstguieditor.h"

#include <map>
#include <string>

namespace VSTGUI {

class CControl;

class VST3Editor : public Steinberg::Vst::VSTGUIEditor,
                   public Steinberg::Vst::IParameterFinder,
                   public IController,
                   public IViewAddedRemovedObserver,
                   public IMouseObserver,
                   public Steinberg::IPlugViewContentScaleSupport
{
public:
	// Reads xmlFile (by name, from the resource folder) at once, so the
	// editor's size is known before the host attaches it.
	VST3Editor(Steinberg::Vst::EditController* controller, UTF8StringPtr templateName, UTF8StringPtr xmlFile);
	// With a description already read; the editor keeps a reference to it.
	VST3Editor(UIDescription* description, Steinberg::Vst::EditController* controller, UTF8StringPtr templateName,
		UTF8StringPtr xmlFile = nullptr);

	// Shows another template from the next tick of the refresh timer on.
	bool exchangeView(UTF8StringPtr templateName);
	// Rebuilds the window from its template on the next tick.
	void requestRecreateView() { doCreateView = true; }
	void enableTooltips(bool state);
	bool setEditorSizeConstrains(const CPoint& newMinimumSize, const CPoint& newMaximumSize);
	void getEditorSizeConstrains(CPoint& minimumSize, CPoint& maximumSize) const;
	// Asks the host for a new size (frame units); false when it is outside
	// the constraints or the host refuses.
	bool requestResize(const CPoint& newSize);
	// The editor's own zoom; the host's content scale multiplies it.
	void setZoomFactor(double factor);
	double getZoomFactor() const { return zoomFactor; }
	double getContentScaleFactor() const { return contentScaleFactor; }
	UIDescription* getUIDescription() const { return description; }

	//---VSTGUIEditor: the window is built when the host attaches the view
	// (or offscreen with a null parent) and taken down when it is removed.
	bool PLUGIN_API open(void* parent, const PlatformType& type = PlatformType::kDefaultNative) override;
	void PLUGIN_API close() override;

	//---VSTGUIEditorInterface
	// Edits reach the controller through the parameter listeners, not by tag.
	void beginEdit(int32_t index) override;
	void endEdit(int32_t index) override;
	// Follows the host's knob mode (IEditController2::setKnobMode).
	int32_t getKnobMode() const override;
	// A size change from the frame is asked of the host first.
	bool beforeSizeChange(const CRect& newSize, const CRect& oldSize) override;

	//---CBaseObject: the refresh timer's tick delivers deferred parameter
	// updates and performs a pending rebuild of the window.
	CMessageResult notify(CBaseObject* sender, IdStringPtr message) override;

	//---IController
	CView* createView(const UIAttributes& attributes, const IUIDescription* description) override;
	CView* verifyView(CView* view, const UIAttributes& attributes, const IUIDescription* description) override;
	IController* createSubController(UTF8StringPtr name, const IUIDescription* description) override;

	//---IControlListener
	void valueChanged(CControl* control) override;
	void controlBeginEdit(CControl* control) override;
	void controlEndEdit(CControl* control) override;
	void controlTagWillChange(CControl* control) override;
	void controlTagDidChange(CControl* control) override;

	//---IViewAddedRemovedObserver
	void onViewAdded(CFrame* frame, CView* view) override;
	void onViewRemoved(CFrame* frame, CView* view) override;

	//---IMouseObserver
	void onMouseEntered(CView*, CFrame*) override {}
	void onMouseExited(CView*, CFrame*) override {}

	//---IParameterFinder: the parameter of the control at a window position.
	Steinberg::tresult PLUGIN_API findParameter(Steinberg::int32 xPos, Steinberg::int32 yPos,
		Steinberg::Vst::ParamID& resultTag) override;

	//---IPlugViewContentScaleSupport
	Steinberg::tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) override;

	//---IPlugView
	Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) override;
	Steinberg::tresult PLUGIN_API canResize() override;
	Steinberg::tresult PLUGIN_API checkSizeConstraint(Steinberg::ViewRect* rect) override;

	//---FUnknown
	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
	DELEGATE_REFCOUNT(VSTGUIEditor)

protected:
	~VST3Editor() override;

	ParameterChangeListener* getParameterChangeListener(int32_t tag) const;
	// Builds the window anew from the current template.
	void recreateView();
	double getAbsScaleFactor() const { return zoomFactor * contentScaleFactor; }

	UIDescription* description = nullptr;
	VST3EditorDelegate* delegate = nullptr;
	std::map<int32_t, ParameterChangeListener*> paramChangeListeners;
	std::string viewName;
	std::string xmlFile;
	CPoint minSize;
	CPoint maxSize;
	double contentScaleFactor = 1.;
	double zoomFactor = 1.;
	bool tooltipsEnabled = true;
	// A rebuild of the window waits for the next timer tick.
	bool doCreateView = false;

private:
	void init();
	bool buildView();
	void bindControl(CControl* control);
	void bindControls(CView* view);
	void releaseParameterChangeListeners();
	void releaseViews();
	static void releaseSubControllerOfAnyKind(IController* subController);
	// Scales the frame and tells the host the window's new size.
	void applyScale();
	Steinberg::ViewRect scaledRect(const CPoint& size) const;

	CPoint viewSize; // of the template shown, in frame units
	bool resizingFromInside = false;
};

} // namespace VSTGUI
