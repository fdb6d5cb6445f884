// The custom views for real: the description that names them all, opened in
// an X11 window on a processor running the custom-views test effect, as a
// Linux host shows an editor; and the bare editor of an effect that draws its
// own window into the host's. Runs under Xvfb.
#include "CustomViewsTestEffect.h"
#include "EffectFactories.h"
#include "HostDesktop.h"
#include "KnobPicture.h"

#include "CKickButtonJT.h"
#include "CPadControllerJT.h"
#include "CPlinthCustomView.h"
#include "CTextEditJT.h"
#include "CTextLabelJT.h"
#include "CVuMeterJT.h"
#include "CXYPadJT.h"
#include "Processor.h"
#include "VST3EditorJT.h"

#include "host/ComponentHandler.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/cresourcedescription.h"
#include "vstgui/uidescription/icontroller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Last: Xlib's macros (None, Bool) would clash with the names above.
#include <X11/Xlib.h>

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Doru2VST3;
using namespace EditorTest;
using namespace VeltraneHost;
using Effect = CustomViewsTestEffect;

constexpr int kWidth = 560;
constexpr int kHeight = 330;

// The host window of the custom views' description.
struct CustomDesktop : Desktop
{
	CustomDesktop() : Desktop(kWidth, kHeight, "Custom views test")
	{
		VSTGUI::setResourceFolder(VELTRANE_BUNDLE "/Contents/Resources");
	}
};

// A processor as a host sets it up for its editor.
struct PlugIn
{
	explicit PlugIn(Processor::EffectFactory factory) : processor(Steinberg::owned(new Processor(factory)))
	{
		EXPECT_EQ(processor->initialize(&context), kResultOk);
		processor->setComponentHandler(&handler);
	}
	~PlugIn() { processor->terminate(); }

	Effect& effect() const { return static_cast<Effect&>(*processor->effect); }

	std::vector<HandlerCall> callsFor(ParamID id) const
	{
		std::vector<HandlerCall> calls;
		for (const HandlerCall& call : handler.calls())
			if (call.id == id && call.kind != HandlerCall::Kind::restartComponent)
				calls.push_back(call);
		return calls;
	}

	HostApplication context;
	ComponentHandler handler;
	IPtr<Processor> processor;
};

template <typename View>
void collect(VSTGUI::CView* view, std::vector<View*>& found)
{
	if (auto* match = dynamic_cast<View*>(view))
		found.push_back(match);
	if (auto* container = view->asViewContainer())
		container->forEachChild([&](VSTGUI::CView* child) { collect(child, found); });
}

template <typename View>
std::vector<View*> viewsOf(VSTGUI::CFrame& frame)
{
	std::vector<View*> found;
	collect(&frame, found);
	return found;
}

TEST(CustomViewsWindow, EveryCustomViewIsBuiltDrawnAndDriven)
{
	CustomDesktop desktop;
	PlugIn plugIn(&make<Effect>);
	const int xErrors = X11Connection::errorCount();
	{
		IPtr<VST3EditorJT> editor = Steinberg::owned(new VST3EditorJT(plugIn.processor, "CustomViews", VELTRANE_CUSTOM_VIEWS));
		editor->attachEffect(plugIn.processor->effect.get());
		ASSERT_EQ(editor->setFrame(&desktop.frame), kResultTrue);
		ASSERT_EQ(editor->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
		ASSERT_TRUE(desktop.waitForEditorWindow());
		VSTGUI::CFrame& frame = *editor->getFrame();

		// Built: every row of the factory, and the pad controllers.
		std::vector<int32_t> sendModes;
		for (auto* button : viewsOf<VSTGUI::CKickButtonJT>(frame))
			sendModes.push_back(button->sendMode);
		EXPECT_EQ(sendModes, (std::vector<int32_t>{0, 2, 1, 1}));
		std::vector<bool> joysticks;
		for (auto* pad : viewsOf<VSTGUI::CXYPadJT>(frame))
			joysticks.push_back(pad->joystick);
		EXPECT_EQ(joysticks, (std::vector<bool>{true, true, false}));
		ASSERT_EQ(viewsOf<VSTGUI::CTextLabelJT>(frame).size(), 1u);
		EXPECT_EQ(viewsOf<VSTGUI::CTextLabelJT>(frame)[0]->units, "Hz");
		ASSERT_EQ(viewsOf<CTextEditJT>(frame).size(), 1u);
		EXPECT_EQ(viewsOf<CTextEditJT>(frame)[0]->units, "mSec");
		std::vector<bool> analog;
		for (auto* meter : viewsOf<VSTGUI::CVuMeterJT>(frame))
			analog.push_back(meter->analog);
		EXPECT_EQ(analog, (std::vector<bool>{false, false, true, true}));
		std::vector<std::string> asked;
		for (const Effect::ViewRequest& request : plugIn.effect().viewRequests)
			asked.push_back(request.name);
		EXPECT_EQ(asked, (std::vector<std::string>{"SpinKnob", "Swatch", "MeterView"}));
		EXPECT_EQ(viewsOf<ColourSwatch>(frame).size(), 2u);
		int stockPads = 0, ownPads = 0;
		for (auto* container : viewsOf<VSTGUI::CViewContainer>(frame))
		{
			VSTGUI::IController* controller = VSTGUI::getViewController(container);
			ownPads += dynamic_cast<VSTGUI::CPadControllerJT*>(controller) != nullptr;
			stockPads += dynamic_cast<VSTGUI::PadController*>(controller) != nullptr;
		}
		EXPECT_EQ(ownPads, 2);
		EXPECT_EQ(stockPads, 3);

		// Drawn: the effect's swatch shows its three colours; the LED meter is dark.
		EXPECT_TRUE(desktop.runLoop.pumpUntil([&] { return desktop.shown(445, 20, 1, 1).rgb == std::vector<uint32_t>{0xff0000}; }, kWaitMs));
		const Pixels swatch = desktop.shown(440, 10, 110, 32);
		EXPECT_EQ(swatch.at(55, 16), 0x30c050u);
		EXPECT_EQ(swatch.at(100, 16), 0x7fb8d6u);
		const std::string resources = VELTRANE_BUNDLE "/Contents/Resources/";
		EXPECT_TRUE(desktop.waitUntilShown(10, 60, readPng(resources + "vuledoff.png")));
		const Pixels needleAtRest = desktop.shown(95, 70, 122, 65);

		// The meter parameter moves the meters: every LED lit, the needle gone over.
		plugIn.processor->setParamNormalized(Effect::kLevel, 1.0);
		EXPECT_TRUE(desktop.waitUntilShown(10, 60, readPng(resources + "vuledon.png")));
		EXPECT_GT(largestDifference(desktop.shown(95, 70, 122, 65), needleAtRest), 64);

		// A drag on the joystick of Joystick_X32773_Y32774 edits both axes.
		desktop.drag(270, 240, 250, 210); // from the centre of the pad at 200, 170, 140 wide
		for (const auto& [id, expected] : {std::pair{ParamID{JOYSTICK_X}, 42 / 124.}, std::pair{ParamID{JOYSTICK_Y}, 32 / 124.}})
		{
			const std::vector<HandlerCall> calls = plugIn.callsFor(id);
			ASSERT_GE(calls.size(), 3u) << id;
			EXPECT_EQ(calls.back().kind, HandlerCall::Kind::endEdit);
			const HandlerCall& last = calls[calls.size() - 2];
			EXPECT_EQ(last.kind, HandlerCall::Kind::performEdit);
			EXPECT_NEAR(last.value, expected, 1e-3);
			EXPECT_NEAR(plugIn.processor->getParamNormalized(id), expected, 1e-3);
		}

		// The press-only kick button sends 1 on the press, inside one edit.
		Pointer(desktop.connection).click(desktop.editorWindow(), 66, 26);
		desktop.runLoop.runFor(30);
		EXPECT_EQ(plugIn.callsFor(Effect::kKick), (std::vector<HandlerCall>{
			{HandlerCall::Kind::beginEdit, Effect::kKick, 0, 0},
			{HandlerCall::Kind::performEdit, Effect::kKick, 1.0, 0},
			{HandlerCall::Kind::endEdit, Effect::kKick, 0, 0}}));

		EXPECT_EQ(editor->removed(), kResultOk);
		editor->setFrame(nullptr);
	}
	desktop.expectEverythingGivenBack();
	EXPECT_EQ(X11Connection::errorCount(), xErrors);
}

TEST(CustomViewsWindow, AnEffectThatDrawsItselfGetsTheHostsWindow)
{
	CustomDesktop desktop;
	PlugIn plugIn(&makeSelfDrawing<Effect>);
	Effect& effect = plugIn.effect();
	// The effect's own window on its own connection, as a self-drawing effect makes it.
	X11Connection effectConnection;
	Display* display = effectConnection.display();
	Window own = 0;
	effect.openOwnWindow = [&](void* parent) {
		own = XCreateSimpleWindow(display, reinterpret_cast<Window>(parent), 0, 0, 320, 200, 0, 0, 0x3366cc);
		XMapWindow(display, own);
		XFlush(display);
	};
	effect.closeOwnWindow = [&] {
		XDestroyWindow(display, own);
		XFlush(display);
	};
	{
		IPtr<IPlugView> view = Steinberg::owned(plugIn.processor->createView(ViewType::kEditor));
		auto* bare = dynamic_cast<CPlinthCustomView*>(view.get());
		ASSERT_NE(bare, nullptr);
		ASSERT_EQ(view->setFrame(&desktop.frame), kResultTrue);
		ASSERT_EQ(view->attached(desktop.window.parentHandle(), kPlatformTypeX11EmbedWindowID), kResultTrue);
		EXPECT_EQ(effect.parentWindow, desktop.window.parentHandle());
		ASSERT_TRUE(desktop.waitForEditorWindow());
		EXPECT_TRUE(desktop.runLoop.pumpUntil([&] { return desktop.shown(160, 100, 1, 1).rgb == std::vector<uint32_t>{0x3366cc}; }, kWaitMs));
		EXPECT_EQ(bare->getFrame()->getViewSize(), VSTGUI::CRect(0, 0, 320, 200));

		// Opening: one value per parameter, in parameter order.
		const int32 count = plugIn.processor->getParameterCount();
		ASSERT_EQ(effect.parameterValues.size(), static_cast<size_t>(count));
		for (int32 i = 0; i < count; ++i)
			EXPECT_EQ(effect.parameterValues[i].first, i);
		std::vector<int32_t> expected{kEditorDrawsItself, kEditorOpenOwn};
		expected.insert(expected.end(), count, kEditorParamValue);
		EXPECT_EQ(effect.codes, expected);

		EXPECT_EQ(view->removed(), kResultOk);
		EXPECT_EQ(effect.codes.back(), kEditorCloseOwn);
		view->setFrame(nullptr);
	}
	effectConnection.sync();
	desktop.expectEverythingGivenBack();
}

} // namespace
