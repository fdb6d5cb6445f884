// VST3Editor: window size, size constraints, zoom and the host's content scale.
#include "vst3editor.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

// One rounding everywhere, half up (485 at 1.5 is 728), as the window's own pixels.
Steinberg::ViewRect VST3Editor::scaledRect(const CPoint& size) const
{
	double scale = getAbsScaleFactor();
	return Steinberg::ViewRect(0, 0, static_cast<Steinberg::int32>(std::lround(size.x * scale)),
		static_cast<Steinberg::int32>(std::lround(size.y * scale)));
}

void VST3Editor::applyScale()
{
	// The pictures this scale draws, decoded together before anything redraws.
	if (frame && description)
		description->decodeBitmaps(getAbsScaleFactor());
	resizingFromInside = true;
	if (frame)
		frame->setZoom(getAbsScaleFactor());
	resizingFromInside = false;
	Steinberg::ViewRect newRect = scaledRect(viewSize);
	if (newRect.getWidth() == rect.getWidth() && newRect.getHeight() == rect.getHeight())
		return;
	rect = newRect;
	if (plugFrame && isAttached())
		plugFrame->resizeView(this, &newRect);
}

void VST3Editor::setZoomFactor(double factor)
{
	if (!(factor > 0) || factor == zoomFactor)
		return;
	zoomFactor = factor;
	applyScale();
}

Steinberg::tresult PLUGIN_API VST3Editor::setContentScaleFactor(ScaleFactor factor)
{
	if (!(factor > 0))
		return Steinberg::kResultFalse;
	contentScaleFactor = factor;
	applyScale();
	return Steinberg::kResultTrue;
}

bool VST3Editor::setEditorSizeConstrains(const CPoint& newMinimumSize, const CPoint& newMaximumSize)
{
	if (newMinimumSize.x > newMaximumSize.x || newMinimumSize.y > newMaximumSize.y)
		return false;
	minSize = newMinimumSize;
	maxSize = newMaximumSize;
	CPoint bounded(std::clamp(viewSize.x, minSize.x, maxSize.x), std::clamp(viewSize.y, minSize.y, maxSize.y));
	if (frame && bounded != viewSize)
		requestResize(bounded);
	return true;
}

void VST3Editor::getEditorSizeConstrains(CPoint& minimumSize, CPoint& maximumSize) const
{
	minimumSize = minSize;
	maximumSize = maxSize;
}

bool VST3Editor::requestResize(const CPoint& newSize)
{
	if (newSize.x < minSize.x || newSize.x > maxSize.x || newSize.y < minSize.y || newSize.y > maxSize.y)
		return false;
	if (!plugFrame)
		return false;
	Steinberg::ViewRect newRect = scaledRect(newSize);
	return plugFrame->resizeView(this, &newRect) == Steinberg::kResultTrue;
}

// The frame's own size changes are the host's to allow; changes this
// editor makes (building, scaling, the host's onSize) are already agreed.
bool VST3Editor::beforeSizeChange(const CRect& newSize, const CRect& oldSize)
{
	(void)oldSize;
	if (resizingFromInside || !plugFrame || !isAttached())
		return true;
	return requestResize(newSize.getSize());
}

Steinberg::tresult PLUGIN_API VST3Editor::onSize(Steinberg::ViewRect* newSize)
{
	if (!newSize)
		return Steinberg::kInvalidArgument;
	if (frame)
	{
		double scale = getAbsScaleFactor();
		CPoint size(newSize->getWidth() / scale, newSize->getHeight() / scale);
		// The host may offer any size; the template's constraints hold.
		if (maxSize.x > 0 && maxSize.y > 0)
			size = CPoint(std::clamp(size.x, minSize.x, maxSize.x), std::clamp(size.y, minSize.y, maxSize.y));
		viewSize = size;
		resizingFromInside = true;
		frame->setSize(viewSize.x, viewSize.y);
		resizingFromInside = false;
	}
	// Not VSTGUIEditor::onSize: the frame is sized in its own (unscaled) units.
	return EditorView::onSize(newSize);
}

Steinberg::tresult PLUGIN_API VST3Editor::canResize()
{
	return minSize != maxSize ? Steinberg::kResultTrue : Steinberg::kResultFalse;
}

Steinberg::tresult PLUGIN_API VST3Editor::checkSizeConstraint(Steinberg::ViewRect* newRect)
{
	if (!newRect)
		return Steinberg::kInvalidArgument;
	Steinberg::ViewRect smallest = scaledRect(minSize);
	Steinberg::ViewRect largest = scaledRect(maxSize);
	newRect->right = newRect->left + std::clamp(newRect->getWidth(), smallest.getWidth(), largest.getWidth());
	newRect->bottom = newRect->top + std::clamp(newRect->getHeight(), smallest.getHeight(), largest.getHeight());
	return Steinberg::kResultTrue;
}

} // namespace VSTGUI
