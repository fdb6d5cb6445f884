// The processor as the editor's view factory, called as VSTGUI calls it while
// it builds a window: the custom views of every row, the pad controllers from
// their names, and views that lack what they need. The tags and colours are
// those of the test description; the pictures are the built bundle's.
#include "CustomViewsTestEffect.h"
#include "EffectFactories.h"
#include "PathsTestHost.h"

#include "CKickButtonJT.h"
#include "CPadControllerJT.h"
#include "CTextEditJT.h"
#include "CTextLabelJT.h"
#include "CVuMeterJT.h"
#include "CXYPadJT.h"
#include "VST3EditorJT.h"
#include "ZuVurazOva.h"

#include "host/ComponentHandler.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/cresourcedescription.h"
#include "vstgui/uidescription/uiattributes.h"
#include "vstgui/uidescription/uidescription.h"

#include <cairo.h>

#include <initializer_list>
#include <map>
#include <utility>

namespace {

using namespace PathsTest;
using namespace Steinberg::Vst::Doru2VST3;
using EditorTest::make;
using VeltraneHost::HandlerCall;
using VSTGUI::CView;
using VSTGUI::SharedPointer;

using Attributes = std::map<std::string, std::string>;

class CustomViewFactory : public ProcessorPaths
{
protected:
	static void SetUpTestSuite() { VSTGUI::setResourceFolder(VELTRANE_BUNDLE "/Contents/Resources"); }

	void SetUp() override
	{
		start(&make<CustomViewsTestEffect>);
		processor->setComponentHandler(&handler);
		description = VSTGUI::makeOwned<VSTGUI::UIDescription>(VSTGUI::CResourceDescription(VELTRANE_CUSTOM_VIEWS));
		ASSERT_TRUE(description->parse());
		description->setController(&editor); // as while the editor builds its views
	}

	CustomViewsTestEffect& testEffect() { return static_cast<CustomViewsTestEffect&>(*processor->effect); }

	// The view the factory answers for a description entry with these attributes.
	SharedPointer<CView> create(const char* name, const Attributes& attributes)
	{
		VSTGUI::UIAttributes entry;
		for (const auto& [key, value] : attributes)
			entry.setAttribute(key, value);
		return VSTGUI::owned(processor->createCustomView(name, entry, description.get(), nullptr));
	}

	template <typename View>
	View* as(const SharedPointer<CView>& view)
	{
		return dynamic_cast<View*>(view.get());
	}

	static Attributes without(Attributes attributes, const char* name)
	{
		attributes.erase(name);
		return attributes;
	}

	std::vector<std::string> requestedNames()
	{
		std::vector<std::string> names;
		for (const auto& request : testEffect().viewRequests)
			names.push_back(request.name);
		return names;
	}

	// Stands in for the editor, which the controls take as their listener.
	struct Editor : VSTGUI::IController
	{
		void valueChanged(VSTGUI::CControl*) override {}
	} editor;
	VeltraneHost::ComponentHandler handler;
	SharedPointer<VSTGUI::UIDescription> description;
};

VSTGUI::CColor colourNamed(const VSTGUI::IUIDescription& description, const char* name)
{
	VSTGUI::CColor colour;
	EXPECT_TRUE(description.getColor(name, colour)) << name;
	return colour;
}

TEST_F(CustomViewFactory, PadControllersComeFromTheirNamesAndDriveTheNamedParameters)
{
	const auto release = [](VSTGUI::IController* controller) { dynamic_cast<Steinberg::FObject*>(controller)->release(); };
	for (const char* name : {"Joystick_X32773_Y32774", "TrackPad_X32773_Y32774", "TrackPad_X1_Y0"})
	{
		SCOPED_TRACE(name);
		VSTGUI::IController* controller = processor->createSubController(name, description.get(), nullptr);
		ASSERT_NE(dynamic_cast<VSTGUI::CPadControllerJT*>(controller), nullptr);
		// The pad it takes on reaches the parameters the name carries.
		auto pad = VSTGUI::makeOwned<VSTGUI::CXYPad>(VSTGUI::CRect(0, 0, 100, 100));
		controller->verifyView(pad.get(), VSTGUI::UIAttributes(), description.get());
		pad->setValue(VSTGUI::CXYPad::calculateValue(0.25f, 0.75f));
		handler.clear();
		controller->valueChanged(pad.get());
		const bool joystickIds = std::string(name).find("32773") != std::string::npos;
		const ParamID x = joystickIds ? ParamID{JOYSTICK_X} : 1, y = joystickIds ? ParamID{JOYSTICK_Y} : 0;
		float sentX = 0, sentY = 0; // 0.25 and 0.75 to three decimals
		VSTGUI::CXYPad::calculateXY(pad->getValue(), sentX, sentY);
		EXPECT_EQ(handler.calls(), (std::vector<HandlerCall>{{HandlerCall::Kind::performEdit, x, sentX, 0},
		                                                      {HandlerCall::Kind::performEdit, y, sentY, 0}}));
		EXPECT_NEAR(sentY, 0.75, 1e-6);
		release(controller);
	}

	VSTGUI::IController* stock = processor->createSubController("VectorJoystick", description.get(), nullptr);
	EXPECT_NE(dynamic_cast<VSTGUI::PadController*>(stock), nullptr);
	EXPECT_EQ(dynamic_cast<VSTGUI::CPadControllerJT*>(stock), nullptr);
	release(stock);

	// Wrong order, a missing id, ids that name no parameter, no known prefix.
	for (const char* name : {"TrackPad_Y1_X2", "Joystick_Y1_X2", "Joystick_X32773", "TrackPad_Y32774",
	                         "Joystick_X999_Y32774", "TrackPad_X32773_Y-1", "Pad_X1_Y2", ""})
		EXPECT_EQ(processor->createSubController(name, description.get(), nullptr), nullptr) << name;
	EXPECT_EQ(processor->createSubController(nullptr, description.get(), nullptr), nullptr);
	EXPECT_EQ(Steinberg::owned(new Processor(&make<CustomViewsTestEffect>))->createSubController("VectorJoystick", nullptr, nullptr),
	          nullptr); // no effect before initialize
}

TEST_F(CustomViewFactory, KickButtonsPadsAndUnitsViewsNeedEveryAttributeTheyRead)
{
	const Attributes kick{{"origin", "10, 20"}, {"size", "32, 32"}, {"bitmap", "pushred"},
	                      {"control-tag", "Kick"}, {"background-offset", "0, 0"}};
	for (const auto& [name, mode] : {std::pair{"PlinthKickButtonDU", 0}, std::pair{"PlinthKickButtonD", 2},
	                                 std::pair{"PlinthKickButtonU", 1}, std::pair{"PlinthKickButton", 1}})
	{
		const auto view = create(name, kick);
		auto* button = as<VSTGUI::CKickButtonJT>(view);
		ASSERT_NE(button, nullptr) << name;
		EXPECT_EQ(button->sendMode, mode) << name;
		EXPECT_EQ(button->getTag(), CustomViewsTestEffect::kKick);
		EXPECT_EQ(button->getListener(), &editor);
		EXPECT_EQ(button->getViewSize(), VSTGUI::CRect(10, 20, 42, 52));
		EXPECT_EQ(button->getBackground()->getWidth(), 32); // the stock picture, by file name
	}
	for (const char* missing : {"origin", "size", "bitmap", "control-tag", "background-offset"})
		EXPECT_FALSE(create("PlinthKickButton", without(kick, missing))) << missing;

	const Attributes pad{{"origin", "0, 0"}, {"size", "100, 80"}, {"back-color", "pad"}, {"frame-color", "rim"},
	                     {"font-color", "no such colour"}, {"frame-width", "2"}, {"round-rect-radius", "12"},
	                     {"style-round-rect", "true"}, {"style-no-frame", "yes"}};
	const auto joystickView = create("Joystick", pad);
	auto* joystick = as<VSTGUI::CXYPadJT>(joystickView);
	ASSERT_NE(joystick, nullptr);
	EXPECT_TRUE(joystick->joystick);
	EXPECT_EQ(joystick->getBackColor(), colourNamed(*description, "pad"));
	EXPECT_EQ(joystick->getFrameColor(), colourNamed(*description, "rim"));
	EXPECT_EQ(joystick->getFontColor(), VSTGUI::kWhiteCColor); // unresolved: stays white
	EXPECT_EQ(joystick->getFrameWidth(), 2);
	EXPECT_EQ(joystick->getRoundRectRadius(), 12);
	EXPECT_EQ(joystick->getStyle() & (VSTGUI::kRoundRectStyle | VSTGUI::kNoFrame), VSTGUI::kRoundRectStyle);
	const auto trackPadView = create("TrackPad", pad);
	ASSERT_NE(as<VSTGUI::CXYPadJT>(trackPadView), nullptr);
	EXPECT_FALSE(as<VSTGUI::CXYPadJT>(trackPadView)->joystick);
	for (const auto& [missing, value] : pad)
		EXPECT_FALSE(create("TrackPad", without(pad, missing.c_str()))) << missing;

	const Attributes units{{"origin", "0, 0"}, {"size", "90, 20"}, {"title", "Cutoff"}, {"control-tag", "Cutoff"}};
	const auto labelView = create("UnitsLabel", units);
	auto* label = as<VSTGUI::CTextLabelJT>(labelView);
	ASSERT_NE(label, nullptr);
	EXPECT_EQ(label->units, "Hz"); // " Hz  " without its blanks
	EXPECT_EQ(std::string(label->getText()), "Cutoff");
	EXPECT_EQ(label->getBackground(), nullptr);
	Attributes delay = units;
	delay["control-tag"] = "Delay";
	delay["bitmap"] = "pushgrey";
	const auto editView = create("UnitsEdit", delay);
	auto* edit = as<CTextEditJT>(editView);
	ASSERT_NE(edit, nullptr);
	EXPECT_EQ(edit->units, "mSec");
	EXPECT_EQ(edit->getTag(), CustomViewsTestEffect::kDelay);
	EXPECT_NE(edit->getBackground(), nullptr);
	delay["control-tag"] = "JOYSTICK_X"; // a tag, but no control of the effect
	EXPECT_FALSE(create("UnitsEdit", delay));
	for (const char* missing : {"origin", "size", "title", "control-tag"})
		EXPECT_FALSE(create("UnitsLabel", without(units, missing))) << missing;
	EXPECT_TRUE(testEffect().viewRequests.empty());

	processor->unitsViewsEnabled = false; // the names are then the effect's
	create("UnitsLabel", units);
	EXPECT_EQ(requestedNames(), std::vector<std::string>{"UnitsLabel"});
}

TEST_F(CustomViewFactory, MetersTakeTheirFaceGeometryAndBallisticsOrGoToTheEffect)
{
	const Attributes analog{{"origin", "0, 0"}, {"size", "122, 65"}, {"bitmap", "medanalogvumeter"},
	                        {"off-bitmap", "medanalogvumeter"}, {"num-led", "80"}, {"control-tag", "Level"}};
	struct Case
	{
		const char* name;
		bool inverted;
		double frameHeight, zeroFrame;
	};
	for (const Case& c : {Case{"AnalogMeterView_H65_Z52", false, 65, 52}, Case{"AnalogMeterView", false, 0, 0},
	                      Case{"InvertedAnalogMeterView_H65_Z52", true, 65, 52}, Case{"MyAnalogMeterView_Z3", false, 0, 3}})
	{
		SCOPED_TRACE(c.name);
		const auto view = create(c.name, analog);
		auto* meter = as<VSTGUI::CVuMeterJT>(view);
		ASSERT_NE(meter, nullptr);
		EXPECT_TRUE(meter->analog);
		EXPECT_EQ(meter->inverted, c.inverted);
		EXPECT_EQ(meter->frameHeight, c.frameHeight);
		EXPECT_EQ(meter->zeroFrame, c.zeroFrame);
		EXPECT_EQ(meter->frameCount, 80);
		EXPECT_EQ(meter->getNbLed(), 80);
		// Level's ballistics, at the editor's 20 refreshes a second.
		EXPECT_EQ(meter->follower.updateRate, 20.f);
		EXPECT_EQ(meter->follower.attackMs, 10.f);
		EXPECT_EQ(meter->follower.releaseMs, 500.f);
		EXPECT_TRUE(meter->follower.analogTimeConstant);
	}
	Attributes peak = analog;
	peak["control-tag"] = "Peak";
	const auto peakView = create("InvertedAnalogMeterView", peak);
	ASSERT_NE(as<VSTGUI::CVuMeterJT>(peakView), nullptr);
	EXPECT_EQ(as<VSTGUI::CVuMeterJT>(peakView)->follower.mode, 2);
	EXPECT_TRUE(as<VSTGUI::CVuMeterJT>(peakView)->follower.logOutput);
	peak["control-tag"] = "Cutoff"; // no meter: the follower keeps its defaults
	const auto plainView = create("AnalogMeterView", peak);
	EXPECT_EQ(as<VSTGUI::CVuMeterJT>(plainView)->follower.updateRate, 44100.f);
	EXPECT_FALSE(create("AnalogMeterView", without(analog, "control-tag")));

	Attributes led{{"origin", "0, 0"}, {"size", "17, 85"}, {"bitmap", "vuledon"}, {"off-bitmap", "vuledoff"},
	               {"num-led", "10"}, {"control-tag", "Level"}};
	for (const char* name : {"MeterView", "InvertedMeterView"})
	{
		const auto view = create(name, led);
		auto* meter = as<VSTGUI::CVuMeterJT>(view);
		ASSERT_NE(meter, nullptr) << name;
		EXPECT_FALSE(meter->analog);
		EXPECT_EQ(meter->inverted, std::string(name) == "InvertedMeterView");
		EXPECT_EQ(meter->getNbLed(), 10);
		EXPECT_EQ(meter->frameHeight, 65); // an LED meter keeps the needle defaults
		EXPECT_EQ(meter->follower.attackMs, 10.f);
	}
	EXPECT_TRUE(testEffect().viewRequests.empty());

	// A meter without all it needs is the effect's to build.
	create("MeterView", without(led, "num-led"));
	create("InvertedMeterView", without(led, "control-tag"));
	create("AnalogMeterView_H65_Z52", without(analog, "off-bitmap"));
	EXPECT_EQ(requestedNames(),
	          (std::vector<std::string>{"MeterView", "InvertedMeterView", "AnalogMeterView_H65_Z52"}));
}

TEST_F(CustomViewFactory, OtherNamesAreTheEffectsToBuildFromTheRecordOfTheirAttributes)
{
	const Attributes swatch{{"origin", "5, 6"}, {"size", "70, 8"}, {"background-offset", "1,2"},
	                        {"control-tag", "Delay"}, {"back-color", "~ RedCColor"}, {"frame-color", "#30c050ff"},
	                        {"font-color", "rim"}, {"bitmap", "amberknob44"}, {"handle-bitmap", "hsliderhand"},
	                        {"off-bitmap", "vuledoff"}, {"orientation", "horizontal"}, {"frame-width", "3"},
	                        {"round-rect-radius", "4x"}, {"height-of-one-image", " 44"}, {"sub-pixmaps", ""},
	                        {"style-no-frame", "true"}, {"style-round-rect", "True"}};
	const auto view = create("Swatch", swatch);
	auto* built = as<ColourSwatch>(view);
	ASSERT_NE(built, nullptr); // the effect's own view
	ASSERT_EQ(testEffect().viewRequests.size(), 1u);
	const CustomViewsTestEffect::ViewRequest& r = testEffect().viewRequests[0];
	EXPECT_EQ(r.name, "Swatch");
	EXPECT_EQ(r.tag, CustomViewsTestEffect::kDelay);
	EXPECT_EQ(r.listener, static_cast<VSTGUI::IControlListener*>(&editor));
	EXPECT_EQ((std::vector<int32_t>{r.left, r.top, r.right, r.bottom, r.offsetX, r.offsetY}),
	          (std::vector<int32_t>{5, 6, 75, 14, 1, 2}));
	EXPECT_EQ(r.bitmap, "amberknob44.png");
	EXPECT_EQ(r.handleBitmap, "hsliderhand.png");
	EXPECT_EQ(r.offBitmap, ""); // a handle picture leaves out the off picture
	EXPECT_EQ(r.orientation, "horizontal");
	EXPECT_EQ(r.backColor, VSTGUI::kRedCColor);
	EXPECT_EQ(r.frameColor, VSTGUI::CColor(0x30, 0xc0, 0x50, 0xff));
	EXPECT_EQ(r.fontColor, colourNamed(*description, "rim"));
	EXPECT_EQ((std::vector<int32_t>{r.frameWidth, r.roundRectRadius, r.heightOfOneImage, r.subPixmaps}),
	          (std::vector<int32_t>{3, 4, 44, 0}));
	EXPECT_TRUE(r.noFrame);
	EXPECT_FALSE(r.roundRect);
	EXPECT_EQ(built->colours[0], VSTGUI::kRedCColor);

	// Nothing but the name: no colours, no pictures, a zero rectangle, the tag as it was.
	testEffect().refuseViews = true;
	EXPECT_FALSE(create("Scope", {{"off-bitmap", "vuledoff"}}));
	const CustomViewsTestEffect::ViewRequest& bare = testEffect().viewRequests.back();
	EXPECT_EQ(bare.name, "Scope");
	EXPECT_EQ(bare.tag, CustomViewsTestEffect::kDelay);
	EXPECT_EQ(bare.listener, nullptr);
	EXPECT_EQ(bare.offBitmap, "vuledoff.png");
	EXPECT_EQ(bare.bitmap, "");
	EXPECT_FALSE(bare.backColor || bare.frameColor || bare.fontColor);
	EXPECT_EQ((std::vector<int32_t>{bare.left, bare.top, bare.right, bare.bottom}), (std::vector<int32_t>{0, 0, 0, 0}));

	// The empty name, and no effect: nothing is built and the effect hears nothing.
	EXPECT_FALSE(create("", swatch));
	EXPECT_EQ(testEffect().viewRequests.size(), 2u);
	VSTGUI::UIAttributes entry;
	EXPECT_EQ(Steinberg::owned(new Processor(&make<CustomViewsTestEffect>))->createCustomView("Swatch", entry, nullptr, nullptr),
	          nullptr);
}

// The product's own editor: every view carries an empty custom view name.
class CountingProcessor : public Processor
{
public:
	using Processor::Processor;
	CView* createCustomView(VSTGUI::UTF8StringPtr name, const VSTGUI::UIAttributes& attributes,
	                        const VSTGUI::IUIDescription* description, VSTGUI::VST3Editor* editor) override
	{
		CView* view = Processor::createCustomView(name, attributes, description, editor);
		answers.push_back(view);
		return view;
	}
	std::vector<CView*> answers;
};

TEST(ProductDescription, NamesNoCustomViewAndTheFactoryAnswersNullEachTime)
{
	VSTGUI::setResourceFolder(VELTRANE_BUNDLE "/Contents/Resources");
	HostApplication hostContext;
	IPtr<CountingProcessor> processor = Steinberg::owned(new CountingProcessor(&make<CZuVurazOva>));
	ASSERT_EQ(processor->initialize(&hostContext), kResultOk);
	{
		IPtr<IPlugView> view = owned(processor->createView(ViewType::kEditor));
		auto* editor = dynamic_cast<VST3EditorJT*>(view.get());
		ASSERT_TRUE(editor && editor->open(nullptr, VSTGUI::PlatformType::kX11EmbedWindowID));
		editor->close();
	}
	EXPECT_EQ(processor->answers, std::vector<CView*>(11, nullptr)); // one for each of its views
	processor->terminate();
}

TEST_F(CustomViewFactory, NoAttributeValueCrashesAViewOrItsDrawing)
{
	const char* names[] = {"PlinthKickButtonDU", "Joystick", "TrackPad", "UnitsEdit", "UnitsLabel",
	                       "AnalogMeterView_Hinf_Znan", "InvertedAnalogMeterView_H-5_Z1e300", "MeterView",
	                       "InvertedMeterView", "Scope"};
	const char* values[] = {"", ",", "-7, -9", "99999999999, -99999999999", "nan, inf", "abc", "3"};
	const char* keys[] = {"origin", "size", "bitmap", "off-bitmap", "control-tag", "background-offset", "num-led",
	                      "back-color", "frame-color", "font-color", "frame-width", "round-rect-radius",
	                      "style-round-rect", "style-no-frame", "title", "height-of-one-image", "sub-pixmaps"};
	cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
	int built = 0;
	for (const char* name : names)
		for (const char* value : values)
		{
			Attributes attributes;
			for (const char* key : keys)
				attributes[key] = value;
			const auto view = create(name, attributes);
			if (!view)
				continue;
			++built;
			if (auto* control = dynamic_cast<VSTGUI::CControl*>(view.get()))
				control->setValue(0.7f);
			cairo_t* cr = cairo_create(surface);
			{
				VSTGUI::CDrawContext context(cr, VSTGUI::CRect(0, 0, 64, 64));
				for (int tick = 0; tick < 3; ++tick)
					view->draw(&context);
			}
			cairo_destroy(cr);
		}
	cairo_surface_destroy(surface);
	EXPECT_GT(built, 0);
}

} // namespace
