#include "VST3EditorJT.h"

#include "FrameSnapshot.h"
#include "SharedDescription.h"

#include "base/source/fstring.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/ctextedit.h"
#include "vstgui/lib/cvstguitimer.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

namespace {

constexpr int32 kRefreshMs = 50;

bool isTimerMessage(VSTGUI::IdStringPtr message)
{
	return message == VSTGUI::CVSTGUITimer::kMsgTimer ||
	       (message && std::strcmp(message, VSTGUI::CVSTGUITimer::kMsgTimer) == 0);
}

// A copy of what describes a control, taken while the audio thread may be
// processing: the glide state, the smoothing switch (a state restore turns it
// off for a moment) and the attached queue are the audio thread's and are
// left at their defaults; nothing the editor reads lives there.
ControlDescriptor descriptionOf(const ControlDescriptor& live)
{
	ControlDescriptor copy;
	copy.kind = live.kind;
	copy.controlId = live.controlId;
	copy.meterMode = live.meterMode;
	copy.minimum = live.minimum;
	copy.maximum = live.maximum;
	copy.valueType = live.valueType;
	copy.smoothingTimeMs = live.smoothingTimeMs;
	copy.intVar = live.intVar;
	copy.floatVar = live.floatVar;
	copy.doubleVar = live.doubleVar;
	copy.enumVar = live.enumVar;
	copy.meterVar = live.meterVar;
	copy.name = live.name;
	copy.units = live.units;
	copy.variableName = live.variableName;
	copy.enumLabels = live.enumLabels;
	std::copy(std::begin(live.meterFlags), std::end(live.meterFlags), std::begin(copy.meterFlags));
	copy.logTaper = live.logTaper;
	copy.voltOctaveTaper = live.voltOctaveTaper;
	copy.meterAttackMs = live.meterAttackMs;
	copy.meterReleaseMs = live.meterReleaseMs;
	copy.midiEnabled = live.midiEnabled;
	copy.midiStatus = live.midiStatus;
	copy.midiNumber = live.midiNumber;
	copy.midiChannel = live.midiChannel;
	copy.index = live.index;
	std::copy(std::begin(live.layoutHints), std::end(live.layoutHints), std::begin(copy.layoutHints));
	std::copy(std::begin(live.presetValues), std::end(live.presetValues), std::begin(copy.presetValues));
	return copy;
}

} // namespace

VST3EditorJT::VST3EditorJT(EditController* controller, VSTGUI::UTF8StringPtr templateName,
                           VSTGUI::UTF8StringPtr xmlFile)
: VST3Editor(sharedDescription(xmlFile).get(), controller, templateName, xmlFile)
{
	setIdleRate(kRefreshMs);
}

VST3EditorJT::VST3EditorJT(VSTGUI::UIDescription* description, EditController* controller,
                           VSTGUI::UTF8StringPtr templateName)
: VST3Editor(description, controller, templateName)
{
	setIdleRate(kRefreshMs);
}

VST3EditorJT::~VST3EditorJT()
{
	controls.clear();
}

int32_t VST3EditorJT::getKnobMode() const
{
	switch (knobMode)
	{
		case 0: return VSTGUI::kCircularMode;
		case 1: return VSTGUI::kRelativCircularMode;
		case 2: return VSTGUI::kLinearMode;
		case 3:
			switch (EditController::getHostKnobMode())
			{
				case Vst::kCircularMode: return VSTGUI::kCircularMode;
				case Vst::kRelativCircularMode: return VSTGUI::kRelativCircularMode;
				default: return VSTGUI::kLinearMode;
			}
		default: return VSTGUI::kLinearMode;
	}
}

// The window's size is fixed by the description; a change of the frame is
// taken at once rather than negotiated with the host.
bool VST3EditorJT::beforeSizeChange(const VSTGUI::CRect&, const VSTGUI::CRect&)
{
	return true;
}

VSTGUI::CMessageResult VST3EditorJT::notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message)
{
	EditController* editController = getController();
	if (isTimerMessage(message) && editController)
	{
		editController->receiveText("VSTGUITimerPing");
		// Every view redraws on every tick; the meters' ballistics count on it.
		if (frame)
			frame->invalid();
	}
	const bool recreationPending = doCreateView;
	const VSTGUI::CMessageResult result = VST3Editor::notify(sender, message);
	if (recreationPending && editController)
		editController->receiveText("RecreateView");
	if (isTimerMessage(message) && frame && readout)
	{
		if (!readout->isAttached())
		{
			// A rebuilt window starts with the readout on top again.
			readout->remember();
			frame->addView(readout);
		}
		readout->tick(ValueReadout::Clock::now());
	}
	return result;
}

bool PLUGIN_API VST3EditorJT::open(void* parent, const VSTGUI::PlatformType& type)
{
	if (!VST3Editor::open(parent, type))
		return false;
	if (parent)
	{
		readout = VSTGUI::makeOwned<ValueReadout>(frame->getViewSize(),
		                                          [this](VSTGUI::CControl& control) { return parameterText(control); });
		readout->remember();
		frame->addView(readout);
	}
	return true;
}

void PLUGIN_API VST3EditorJT::close()
{
	VST3Editor::close();
	readout = nullptr;
}

void VST3EditorJT::controlBeginEdit(VSTGUI::CControl* control)
{
	VST3Editor::controlBeginEdit(control);
	if (readout)
		readout->editBegan(control, ValueReadout::Clock::now());
}

void VST3EditorJT::controlEndEdit(VSTGUI::CControl* control)
{
	VST3Editor::controlEndEdit(control);
	if (readout)
		readout->editEnded(control, ValueReadout::Clock::now());
}

void VST3EditorJT::onMouseEntered(VSTGUI::CView* view, VSTGUI::CFrame* frame)
{
	VST3Editor::onMouseEntered(view, frame);
	if (readout)
		readout->pointerEntered(view, ValueReadout::Clock::now());
}

void VST3EditorJT::onMouseExited(VSTGUI::CView* view, VSTGUI::CFrame* frame)
{
	VST3Editor::onMouseExited(view, frame);
	if (readout)
		readout->pointerLeft(view, ValueReadout::Clock::now());
}

std::string VST3EditorJT::parameterText(VSTGUI::CControl& control)
{
	EditController* editController = getController();
	VSTGUI::ParameterChangeListener* listener = getParameterChangeListener(control.getTag());
	Parameter* parameter = listener ? listener->getParameter() : nullptr;
	if (!editController || !parameter)
		return {};
	const ParamID id = parameter->getInfo().id;
	String128 value{};
	if (editController->getParamStringByValue(id, editController->getParamNormalized(id), value) != kResultTrue)
		return {};
	String text(value);
	const String units(parameter->getInfo().units);
	if (!units.isEmpty())
		text.append(STR(" ")).append(units);
	text.toMultiByte(kCP_Utf8);
	return text.text8() ? std::string(text.text8()) : std::string();
}

void VST3EditorJT::valueChanged(VSTGUI::CControl* control)
{
	EditController* editController = getController();
	if (!control || !editController)
		return;
	const int32 tag = control->getTag();
	if (VSTGUI::ParameterChangeListener* listener = getParameterChangeListener(tag))
	{
		ParamValue value = control->getValueNormalized();
		Parameter* parameter = listener->getParameter();
		if (auto* edit = dynamic_cast<VSTGUI::CTextEdit*>(control); edit && parameter)
		{
			String text(VSTGUI::UTF8StringPtr(edit->getText()));
			text.toWideString(kCP_Utf8);
			if (editController->getParamValueByString(parameter->getInfo().id, const_cast<TChar*>(text.text16()),
			                                          value) != kResultTrue)
			{
				listener->update(nullptr, kChanged); // the edit shows the parameter's value again
				return;
			}
		}
		if (parameter)
		{
			const ParamID id = parameter->getInfo().id;
			if (editController->setParamNormalized(id, value) == kResultTrue)
				editController->performEdit(id, editController->getParamNormalized(id));
		}
		else
			listener->updateControlValue(value);
	}
	if (effect)
	{
		const ParamValue plain = editController->normalizedParamToPlain(static_cast<ParamID>(tag),
		                                                                control->getValueNormalized());
		if (const ControlDescriptor* descriptor = effect->m_controls.at(tag))
			applyLinkedUpdates(descriptor->controlId, static_cast<float>(plain), false);
	}
}

void VST3EditorJT::attachEffect(CPlugIn* newEffect)
{
	effect = newEffect;
	if (!effect)
		return;
	for (int32_t position = 0; const ControlDescriptor* control = effect->m_controls.at(position); ++position)
		controls.append(descriptionOf(*control));
}

void VST3EditorJT::applyLinkedUpdates(uint32_t controlId, float plainValue, bool loadingPreset)
{
	EditController* editController = getController();
	if (!effect || !editController)
		return;
	LinkedUpdate* updates = nullptr;
	if (effect->linkedUpdates(controlId, plainValue, updates, loadingPreset))
	{
		for (const LinkedUpdate* node = updates; node; node = node->next)
		{
			int32_t position = 0;
			const ControlDescriptor* control = controls.at(0);
			while (control && control->controlId != static_cast<uint32_t>(node->controlId))
				control = controls.at(++position);
			if (!control)
				continue; // the effect named a control it does not have
			const ParamID id = static_cast<ParamID>(position);
			const ParamValue normalized = editController->plainParamToNormalized(id, node->value);
			editController->setParamNormalized(id, normalized);
			editController->performEdit(id, normalized);
		}
		effect->releaseLinkedUpdates(updates);
	}
	while (updates)
		delete std::exchange(updates, updates->next);
}

tresult PLUGIN_API VST3EditorJT::queryInterface(const TUID iid, void** obj)
{
	if (FUnknownPrivate::iidEqual(iid, IEditorSnapshot::iid))
	{
		snapshotFace.addRef();
		*obj = static_cast<IEditorSnapshot*>(&snapshotFace);
		return kResultOk;
	}
	return VST3Editor::queryInterface(iid, obj);
}

tresult VST3EditorJT::writeSnapshot(FIDString path)
{
	if (!path)
		return kInvalidArgument;
	const bool openedHere = !frame;
	if (openedHere && !open(nullptr, VSTGUI::PlatformType::kX11EmbedWindowID))
	{
		if (frame)
			close();
		return kResultFalse;
	}
	const bool written = frame && writeFramePng(*frame, path);
	if (openedHere)
		close();
	return written ? kResultOk : kResultFalse;
}

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
