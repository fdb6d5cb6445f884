// The editor opcodes. The controller's "editor" view is created for
// effEditGetRect or effEditOpen and kept until effEditClose; while open it
// is attached to the host's X11 window (kPlatformTypeX11EmbedWindowID) with
// an IPlugFrame whose run loop effEditIdle pumps, since a VST 2 host has no
// run loop to offer.
#include "vst2wrapper.h"

#include <algorithm>
#include <limits>

namespace Steinberg {
namespace Vst {
namespace {

short clampToShort(int32 v)
{
	return static_cast<short>(std::clamp<int32>(v, std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

} // namespace

VstIntPtr Vst2Wrapper::dispatchEditor(VstInt32 opcode, VstInt32 /*index*/, VstIntPtr /*value*/, void* ptr,
	float /*opt*/)
{
	switch (opcode)
	{
		case effEditGetRect:
			return editorRect(static_cast<ERect**>(ptr)) ? 1 : 0;
		case effEditOpen:
			return openEditor(ptr) ? 1 : 0;
		case effEditClose:
			closeEditor();
			return 1;
		case effEditIdle:
			// Held here: the host may close the editor from inside a callback.
			if (IPtr<Vst2::EditorFrame> frame = editorFrame)
				frame->pump();
			return 1;
		default:
			return 0;
	}
}

bool Vst2Wrapper::createEditorView()
{
	if (!editorView && hasEditor)
		editorView = owned(controller->createView(ViewType::kEditor));
	return editorView != nullptr;
}

bool Vst2Wrapper::editorRect(ERect** rect)
{
	if (!rect)
		return false;
	*rect = nullptr;
	ViewRect size;
	if (!createEditorView() || editorView->getSize(&size) != kResultTrue)
		return false;
	editorBounds.top = clampToShort(size.top);
	editorBounds.left = clampToShort(size.left);
	editorBounds.bottom = clampToShort(size.bottom);
	editorBounds.right = clampToShort(size.right);
	*rect = &editorBounds;
	return true;
}

bool Vst2Wrapper::openEditor(void* parentWindow)
{
	if (editorFrame)
		closeEditor(); // a second open without a close: start over
	if (!parentWindow || !createEditorView() ||
		editorView->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
		return false;

	editorFrame = owned(new Vst2::EditorFrame([this](int32 width, int32 height) {
		return callHost(audioMasterSizeWindow, width, height) != 0;
	}));
	editorView->setFrame(editorFrame);
	if (editorView->attached(parentWindow, kPlatformTypeX11EmbedWindowID) != kResultTrue)
	{
		editorView->setFrame(nullptr);
		editorFrame = nullptr;
		editorView = nullptr;
		return false;
	}
	return true;
}

void Vst2Wrapper::closeEditor()
{
	if (editorView && editorFrame)
	{
		editorView->removed();
		editorView->setFrame(nullptr);
	}
	editorFrame = nullptr;
	editorView = nullptr;
}

} // namespace Vst
} // namespace Steinberg
