// The creators of the stock view classes, grouped by kind.
#pragma once

namespace VSTGUI {

class UIViewFactory;

namespace UIViewCreator {

void registerStockViewCreators(UIViewFactory& factory);

void registerViewCreators(UIViewFactory& factory);    // CView, CViewContainer
void registerControlCreators(UIViewFactory& factory); // CControl, knobs, buttons
void registerTextCreators(UIViewFactory& factory);    // CParamDisplay, CTextLabel, CTextEdit
void registerPadAndMeterCreators(UIViewFactory& factory); // CXYPad, CVuMeter

} // namespace UIViewCreator
} // namespace VSTGUI
