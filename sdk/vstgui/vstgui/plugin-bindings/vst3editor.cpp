// VST3Editor: building, opening, rebuilding and closing the window.
#include "vst3editor.h"

#include "../lib/controls/ccontrol.h"
#include "../lib/cvstguitimer.h"
#include "../lib/platform/platformfactory.h"
#include "../uidescription/uiattributes.h"
#include "../uidescription/uidescription.h"

#include "base/source/updatehandler.h"

#include <cstring>

namespace VSTGUI {
namespace {

bool isTimerMessage(IdStringPtr message)
{
	return message == CVSTGUITimer::kMsgTimer ||
	       (message && std::strcmp(message, CVSTGUITimer::kMsgTimer) == 0);
}

} // namespace

VST3Editor::VST3Editor(Steinberg::Vst::EditController* controller, UTF8StringPtr templateName,
	UTF8StringPtr xmlFileName)
: VSTGUIEditor(controller)
, delegate(dynamic_cast<VST3EditorDelegate*>(controller))
, viewName(templateName ? templateName : "")
, xmlFile(xmlFileName ? xmlFileName : "")
{
	description = new UIDescription(CResourceDescription(xmlFile.c_str()));
	// A missing or unreadable file leaves an empty description: no window.
	description->parse();
	init();
}

VST3Editor::VST3Editor(UIDescription* desc, Steinberg::Vst::EditController* controller, UTF8StringPtr templateName,
	UTF8StringPtr xmlFileName)
: VSTGUIEditor(controller)
, delegate(dynamic_cast<VST3EditorDelegate*>(controller))
, viewName(templateName ? templateName : "")
, xmlFile(xmlFileName ? xmlFileName : "")
{
	description = desc;
	if (description)
		description->remember();
	init();
}

VST3Editor::~VST3Editor()
{
	// A host that releases the view without removing it.
	if (frame)
		VST3Editor::close();
	if (description)
		description->forget();
}

void VST3Editor::init()
{
	setIdleRate(300);
	// Until the host says otherwise, the desktop's scale.
	contentScaleFactor = getDesktopScaleFactor();
	// Parameters tell their listeners through the SDK's update handler; an
	// edit controller that is not an EditControllerEx1 does not create it.
	Steinberg::UpdateHandler::instance();
	auto* attributes = description ? description->getViewAttributes(viewName.c_str()) : nullptr;
	if (!attributes)
		return;
	CPoint size;
	if (attributes->getPointAttribute("size", size))
	{
		viewSize = minSize = maxSize = size;
		rect = scaledRect(size);
	}
	attributes->getPointAttribute("minSize", minSize);
	attributes->getPointAttribute("maxSize", maxSize);
}

bool VST3Editor::exchangeView(UTF8StringPtr templateName)
{
	if (!templateName || !description || !description->getViewAttributes(templateName))
		return false;
	viewName = templateName;
	doCreateView = true;
	return true;
}

void VST3Editor::enableTooltips(bool state)
{
	tooltipsEnabled = state;
	if (frame)
		frame->enableTooltips(state);
}

bool PLUGIN_API VST3Editor::open(void* parent, const PlatformType& type)
{
	if (frame || !description)
		return false;
	frame = new CFrame(CRect(0, 0, viewSize.x, viewSize.y), this);
	frame->setTransparency(true);
	frame->enableTooltips(tooltipsEnabled);
	frame->registerViewAddedRemovedObserver(this);
	frame->registerMouseObserver(this);
	// Scaled (and the pictures decoded) before the window exists: it is made
	// at its final size and its first frame is drawn without waiting.
	const bool built = buildView();
	if (built)
		applyScale();
	if (!built || !frame->open(parent, type, platformConfig))
	{
		releaseViews();
		frame->unregisterMouseObserver(this);
		frame->unregisterViewAddedRemovedObserver(this);
		std::exchange(frame, nullptr)->forget();
		return false;
	}
	if (delegate)
		delegate->didOpen(this);
	return true;
}

void PLUGIN_API VST3Editor::close()
{
	if (!frame)
		return;
	if (delegate)
		delegate->willClose(this);
	releaseViews();
	frame->unregisterMouseObserver(this);
	frame->unregisterViewAddedRemovedObserver(this);
	CFrame* closing = std::exchange(frame, nullptr);
	if (closing->getNbReference() == 1)
		closing->close();
	else
		closing->forget();
}

// Listeners first (they hold the controls), then the sub-controllers the
// views carry, then the views.
void VST3Editor::releaseViews()
{
	releaseParameterChangeListeners();
	if (!frame)
		return;
	releaseSubControllers(frame, releaseSubControllerOfAnyKind);
	frame->removeAll();
}

bool VST3Editor::buildView()
{
	releaseViews();
	CView* view = description->createView(viewName.c_str(), this);
	if (!view)
		return false;
	viewSize = view->getViewSize().getSize();
	resizingFromInside = true;
	frame->setSize(viewSize.x, viewSize.y);
	resizingFromInside = false;
	frame->addView(view);
	bindControls(view);
	return true;
}

void VST3Editor::recreateView()
{
	doCreateView = false;
	if (frame && buildView())
		applyScale();
}

CMessageResult VST3Editor::notify(CBaseObject* sender, IdStringPtr message)
{
	if (isTimerMessage(message))
	{
		if (auto* updateHandler = Steinberg::UpdateHandler::instance(false))
			updateHandler->triggerDeferedUpdates();
		if (doCreateView)
			recreateView();
	}
	return VSTGUIEditor::notify(sender, message);
}

// Sub-controllers may be SDK objects (PadController is an FObject).
void VST3Editor::releaseSubControllerOfAnyKind(IController* subController)
{
	if (auto* object = dynamic_cast<Steinberg::FObject*>(subController))
		object->release();
	else
		releaseSubController(subController);
}

ParameterChangeListener* VST3Editor::getParameterChangeListener(int32_t tag) const
{
	if (tag == -1)
		return nullptr;
	auto it = paramChangeListeners.find(tag);
	return it == paramChangeListeners.end() ? nullptr : it->second;
}

// Controls whose listener is this editor are bound by tag; those under a
// sub-controller belong to it.
void VST3Editor::bindControl(CControl* control)
{
	if (!control || control->getTag() == -1 || control->getListener() != this)
		return;
	if (auto* listener = getParameterChangeListener(control->getTag()))
	{
		listener->addControl(control);
		return;
	}
	auto* editController = getController();
	if (!editController)
		return;
	auto* parameter = editController->getParameterObject(static_cast<Steinberg::Vst::ParamID>(control->getTag()));
	paramChangeListeners.emplace(control->getTag(), new ParameterChangeListener(editController, parameter, control));
}

void VST3Editor::bindControls(CView* view)
{
	bindControl(dynamic_cast<CControl*>(view));
	if (auto* container = view->asViewContainer())
		container->forEachChild([this](CView* child) { bindControls(child); });
}

void VST3Editor::releaseParameterChangeListeners()
{
	auto listeners = std::move(paramChangeListeners);
	paramChangeListeners.clear();
	for (auto& entry : listeners)
		entry.second->release();
}

} // namespace VSTGUI
