// The editor built from the description "plinth.uidesc": the stock
// VST3Editor, refreshed as a whole every 50 ms, with the knob mode the effect
// asks for, letting the effect move other controls after each edit, and, in a
// window, showing the value of the control being turned.
#pragma once

#include "IEditorSnapshot.h"

#include "ControlList.h"
#include "PlugIn.h"
#include "ValueReadout.h"

#include "vstgui/plugin-bindings/vst3editor.h"

namespace Steinberg {
namespace Vst {
namespace Doru2VST3 {

class VST3EditorJT : public VSTGUI::VST3Editor
{
public:
	VST3EditorJT(EditController* controller, VSTGUI::UTF8StringPtr templateName, VSTGUI::UTF8StringPtr xmlFile);
	// On a description already read, which the editor keeps a reference to.
	VST3EditorJT(VSTGUI::UIDescription* description, EditController* controller, VSTGUI::UTF8StringPtr templateName);

	//---VSTGUIEditorInterface
	int32_t getKnobMode() const override;
	bool beforeSizeChange(const VSTGUI::CRect& newSize, const VSTGUI::CRect& oldSize) override;

	//---CBaseObject
	VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) override;

	//---VSTGUIEditor
	bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& type) override;
	void PLUGIN_API close() override;

	//---IControlListener
	void valueChanged(VSTGUI::CControl* control) override;
	void controlBeginEdit(VSTGUI::CControl* control) override;
	void controlEndEdit(VSTGUI::CControl* control) override;

	//---IMouseObserver
	void onMouseEntered(VSTGUI::CView* view, VSTGUI::CFrame* frame) override;
	void onMouseExited(VSTGUI::CView* view, VSTGUI::CFrame* frame) override;

	void attachEffect(CPlugIn* effect);
	void applyLinkedUpdates(uint32_t controlId, float plainValue, bool loadingPreset);

	// Hands out the private snapshot face besides the stock ones.
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

	int32 knobMode = 3;
	CPlugIn* effect = nullptr; // owned by the processor, which outlives the editor
	ControlList controls;      // the effect's controls, to turn a controlId back into a position

protected:
	~VST3EditorJT() override; // reference counted: the last release deletes

private:
	// The snapshot face shares the editor's reference count.
	class SnapshotFace : public IEditorSnapshot
	{
	public:
		explicit SnapshotFace(VST3EditorJT& editor) : editor(editor) {}
		tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override { return editor.queryInterface(iid, obj); }
		uint32 PLUGIN_API addRef() override { return editor.addRef(); }
		uint32 PLUGIN_API release() override { return editor.release(); }
		tresult PLUGIN_API writePng(FIDString path) override { return editor.writeSnapshot(path); }
		tresult PLUGIN_API writeDescriptionPng(FIDString path, FIDString descriptionPath,
		                                       FIDString templateName) override
		{
			return editor.writeDescriptionSnapshot(path, descriptionPath, templateName);
		}

	private:
		VST3EditorJT& editor;
	};

	// The parameter's text as the host shows it, and its units.
	std::string parameterText(VSTGUI::CControl& control);

	tresult writeSnapshot(FIDString path);
	tresult writeDescriptionSnapshot(FIDString path, FIDString descriptionPath, FIDString templateName);

	SnapshotFace snapshotFace{*this};
	VSTGUI::SharedPointer<ValueReadout> readout; // only in a window: pictures of the editor show none
};

} // namespace Doru2VST3
} // namespace Vst
} // namespace Steinberg
