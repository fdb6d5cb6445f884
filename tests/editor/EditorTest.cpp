// The editor on the processor, in-process and without a window: what
// createView answers, the knob modes, the refresh tick, linked updates, and a
// drag on the Feedback knob. The description and pictures are the built bundle's.
#include "EditorTestEffect.h"
#include "EffectFactories.h"
#include "PathsTestHost.h"

#include "CPlinthCustomView.h"
#include "VST3EditorJT.h"
#include "ZuVurazOva.h"

#include "host/ComponentHandler.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/ctextedit.h"
#include "vstgui/lib/cresourcedescription.h"
#include "vstgui/lib/cvstguitimer.h"

#include <vector>

namespace {

using namespace PathsTest;
using namespace Steinberg::Vst::Doru2VST3;
using EditorTest::make;
using EditorTest::makeSelfDrawing;
using VeltraneHost::HandlerCall;

class EditorOnProcessor : public ProcessorPaths
{
protected:
	static void SetUpTestSuite() { VSTGUI::setResourceFolder(VELTRANE_BUNDLE "/Contents/Resources"); }

	// The editor of a started processor, its views built without a window.
	VST3EditorJT& openEditor(Processor::EffectFactory factory)
	{
		start(factory);
		processor->setComponentHandler(&handler);
		view = owned(processor->createView(ViewType::kEditor));
		editor = dynamic_cast<VST3EditorJT*>(view.get());
		EXPECT_NE(editor, nullptr);
		EXPECT_TRUE(editor && editor->open(nullptr, VSTGUI::PlatformType::kX11EmbedWindowID));
		return *editor;
	}

	void TearDown() override
	{
		if (editor && editor->getFrame())
			editor->close();
		view = nullptr;
		ProcessorPaths::TearDown();
	}

	EditorTestEffect& testEffect() { return static_cast<EditorTestEffect&>(*processor->effect); }

	// View n of the template "Editor", counted from 1 as the description lists them.
	VSTGUI::CAnimKnob* knob(int n) const
	{
		auto* window = static_cast<VSTGUI::CViewContainer*>(editor->getFrame()->getView(0));
		return dynamic_cast<VSTGUI::CAnimKnob*>(window->getView(static_cast<uint32_t>(n - 1)));
	}

	std::vector<HandlerCall> edits() const
	{
		std::vector<HandlerCall> calls;
		for (const HandlerCall& call : handler.calls())
			if (call.kind != HandlerCall::Kind::restartComponent)
				calls.push_back(call);
		return calls;
	}

	VeltraneHost::ComponentHandler handler;
	IPtr<IPlugView> view;
	VST3EditorJT* editor = nullptr;
};

TEST_F(EditorOnProcessor, CreateViewAnswersOnlyForTheEditorOfAnEffectThatHasOne)
{
	EXPECT_EQ(Steinberg::owned(new Processor(&make<CZuVurazOva>))->createView(ViewType::kEditor), nullptr); // not initialized

	start(&make<CZuVurazOva>);
	EXPECT_EQ(processor->createView("Editor"), nullptr);
	EXPECT_EQ(processor->createView(nullptr), nullptr);
	view = owned(processor->createView(ViewType::kEditor));
	auto* stock = dynamic_cast<VST3EditorJT*>(view.get());
	ASSERT_NE(stock, nullptr);
	EXPECT_EQ(stock->knobMode, 2);
	EXPECT_EQ(stock->effect, processor->effect.get());
	EXPECT_EQ(stock->controls.count(), 10);
	ViewRect size{};
	ASSERT_EQ(view->getSize(&size), kResultTrue);
	EXPECT_EQ(size.getWidth(), 485);
	EXPECT_EQ(size.getHeight(), 270);

	IPtr<Processor> withoutDescription = Steinberg::owned(new Processor(&makePlain));
	ASSERT_EQ(withoutDescription->initialize(&hostContext), kResultOk);
	EXPECT_EQ(withoutDescription->createView(ViewType::kEditor), nullptr);
	withoutDescription->terminate();
}

TEST_F(EditorOnProcessor, AnEffectThatDrawsItselfGetsTheBareEditorAndEditsThroughItsConnector)
{
	start(&makeSelfDrawing<EditorTestEffect>);
	processor->setComponentHandler(&handler);
	view = owned(processor->createView(ViewType::kEditor));
	auto* bare = dynamic_cast<CPlinthCustomView*>(view.get());
	ASSERT_NE(bare, nullptr);
	EXPECT_EQ(bare->effect, processor->effect.get());
	EditorTestEffect& effect = testEffect();
	EXPECT_EQ(effect.editorCodes, std::vector<int32_t>{kEditorDrawsItself});

	int parent = 0; // the effect only passes the host's window on
	ASSERT_TRUE(bare->open(&parent, VSTGUI::PlatformType::kX11EmbedWindowID));
	EXPECT_EQ(effect.parentWindow, &parent);
	const int32 count = processor->getParameterCount();
	ASSERT_EQ(effect.parameterValues.size(), static_cast<size_t>(count)); // one value per parameter index
	EXPECT_EQ(effect.parameterValues.front(), (std::pair<int32_t, double>{0, processor->getParamNormalized(0)}));
	EXPECT_EQ(bare->getFrame()->getViewSize(), VSTGUI::CRect(0, 0, 300, 200));

	auto* connector = static_cast<CVSTParameterConnector*>(effect.connector);
	connector->beginParameterEdit(PathsTestEffect::kMix);
	connector->setParameter(PathsTestEffect::kMix, 0.5f);
	connector->endParameterEdit(PathsTestEffect::kMix);
	EXPECT_EQ(edits(), (std::vector<HandlerCall>{{HandlerCall::Kind::beginEdit, PathsTestEffect::kMix, 0, 0},
	                                              {HandlerCall::Kind::performEdit, PathsTestEffect::kMix, 0.5, 0},
	                                              {HandlerCall::Kind::endEdit, PathsTestEffect::kMix, 0, 0}}));
	EXPECT_DOUBLE_EQ(processor->getParamNormalized(PathsTestEffect::kMix), 0.5);

	effect.editorCodes.clear();
	bare->close();
	EXPECT_EQ(effect.editorCodes, std::vector<int32_t>{kEditorCloseOwn});
	EXPECT_EQ(bare->getFrame(), nullptr);
}

TEST_F(EditorOnProcessor, KnobModeFollowsTheHostOnlyInModeThree)
{
	start(&make<CZuVurazOva>);
	view = owned(processor->createView(ViewType::kEditor));
	auto& jt = dynamic_cast<VST3EditorJT&>(*view);
	const KnobMode hostBefore = EditController::getHostKnobMode();
	struct Case
	{
		int32 knobMode;
		KnobMode host;
		int32_t expected;
	};
	for (const Case& c : {Case{0, kLinearMode, VSTGUI::kCircularMode}, Case{1, kLinearMode, VSTGUI::kRelativCircularMode},
	                      Case{2, kCircularMode, VSTGUI::kLinearMode}, Case{3, kCircularMode, VSTGUI::kCircularMode},
	                      Case{3, kRelativCircularMode, VSTGUI::kRelativCircularMode},
	                      Case{3, kLinearMode, VSTGUI::kLinearMode}, Case{3, 5, VSTGUI::kLinearMode},
	                      Case{7, kCircularMode, VSTGUI::kLinearMode}})
	{
		jt.knobMode = c.knobMode;
		ASSERT_EQ(processor->setKnobMode(c.host), kResultTrue);
		EXPECT_EQ(jt.getKnobMode(), c.expected) << "knobMode " << c.knobMode << ", host " << c.host;
	}
	processor->setKnobMode(hostBefore);
}

TEST_F(EditorOnProcessor, TheEffectHearsOpeningEveryTickARebuildAndClosing)
{
	VST3EditorJT& jt = openEditor(&make<EditorTestEffect>);
	std::vector<int32_t>& codes = testEffect().editorCodes;
	EXPECT_EQ(codes, (std::vector<int32_t>{kEditorDrawsItself, kEditorOpened}));

	codes.clear();
	jt.notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer);
	EXPECT_EQ(codes, std::vector<int32_t>{kEditorTimerPing});

	codes.clear();
	ASSERT_TRUE(jt.exchangeView("Editor"));
	jt.notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer);
	EXPECT_EQ(codes, (std::vector<int32_t>{kEditorTimerPing, kEditorOpened})); // the rebuild, announced after it
	ASSERT_NE(knob(9), nullptr);

	codes.clear();
	jt.notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer);
	EXPECT_EQ(codes, std::vector<int32_t>{kEditorTimerPing});

	codes.clear();
	jt.close();
	EXPECT_EQ(codes, std::vector<int32_t>{kEditorClosing});
}

TEST_F(EditorOnProcessor, LinkedUpdatesSkipUnknownControlsAndReleaseTheListOnce)
{
	openEditor(&make<EditorTestEffect>);
	// View 7 is bound to parameter 0, the test effect's Gain.
	VSTGUI::CAnimKnob* gain = knob(7);
	ASSERT_NE(gain, nullptr);
	gain->setValueNormalized(0.25f);
	editor->valueChanged(gain);

	const ParamID mix = PathsTestEffect::kMix;
	EXPECT_EQ(edits(), (std::vector<HandlerCall>{{HandlerCall::Kind::performEdit, 0, 0.25, 0},
	                                              {HandlerCall::Kind::performEdit, mix, 0.75, 0}}));
	EXPECT_DOUBLE_EQ(processor->getParamNormalized(mix), 0.75);
	EXPECT_EQ(testEffect().releases, 1);
}

TEST_F(EditorOnProcessor, TypedTextThatIsNoValueRestoresTheEditAndConsultsNoOne)
{
	openEditor(&make<EditorTestEffect>);
	// A text edit on Gain, bound like any control the description names.
	auto* window = static_cast<VSTGUI::CViewContainer*>(editor->getFrame()->getView(0));
	auto* edit = new VSTGUI::CTextEdit(VSTGUI::CRect(0, 0, 60, 20), editor, PathsTestEffect::kGain);
	window->addView(edit);
	const std::string shown = edit->getText();

	edit->setText("loud");
	editor->valueChanged(edit);
	EXPECT_EQ(std::string(edit->getText()), shown);
	EXPECT_TRUE(edits().empty());
	EXPECT_EQ(testEffect().linkedCalls, 0);

	edit->setText("0.5");
	editor->valueChanged(edit);
	ASSERT_FALSE(edits().empty());
	EXPECT_EQ(edits().front(), (HandlerCall{HandlerCall::Kind::performEdit, 0, 0.5, 0}));
	EXPECT_EQ(testEffect().linkedCalls, 1);
}

TEST_F(EditorOnProcessor, DraggingTheVisibleFeedbackKnobEditsParameterOneAndMovesItsTwin)
{
	openEditor(&make<CZuVurazOva>);
	VSTGUI::CAnimKnob* visible = knob(9);
	VSTGUI::CAnimKnob* twin = knob(8);
	ASSERT_TRUE(visible && twin);
	EXPECT_TRUE(twin->getViewSize().isEmpty()); // "84,,84" is not a size
	const ParamValue before = processor->getParamNormalized(1);

	// Linear mode: 40 px up over a 200 px range adds a fifth.
	VSTGUI::CFrame& frame = *editor->getFrame();
	VSTGUI::CPoint press(139 + 42, 173 + 42), moved(139 + 42, 173 + 2), release(moved);
	frame.onMouseDown(press, VSTGUI::kLButton);
	frame.onMouseMoved(moved, VSTGUI::kLButton);
	frame.onMouseUp(release, VSTGUI::kLButton);

	const std::vector<HandlerCall> calls = edits();
	ASSERT_GE(calls.size(), 3u);
	EXPECT_EQ(calls.front(), (HandlerCall{HandlerCall::Kind::beginEdit, 1, 0, 0}));
	EXPECT_EQ(calls.back(), (HandlerCall{HandlerCall::Kind::endEdit, 1, 0, 0}));
	for (size_t i = 1; i + 1 < calls.size(); ++i)
		EXPECT_EQ(calls[i].kind, HandlerCall::Kind::performEdit);
	const ParamValue after = processor->getParamNormalized(1);
	EXPECT_NEAR(after, before + 0.2, 1e-6);
	EXPECT_DOUBLE_EQ(calls[calls.size() - 2].value, after);
	EXPECT_FLOAT_EQ(twin->getValueNormalized(), visible->getValueNormalized());
	EXPECT_FLOAT_EQ(visible->getValueNormalized(), static_cast<float>(after));

	// A host change moves both, on the next tick at the latest.
	processor->setParamNormalized(1, 1.0);
	editor->notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer);
	EXPECT_EQ(visible->getFrameIndex(), 134);
	EXPECT_EQ(twin->getFrameIndex(), 134);
}

} // namespace
