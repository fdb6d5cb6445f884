#include "CPadControllerJT.h"
#include "CXYPadJT.h"

#include "VstguiTestSupport.h"

#include "vstgui/uidescription/uiattributes.h"

#include "base/source/updatehandler.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace VSTGUI;
using namespace VSTGUI::Test;

namespace {

struct Point
{
	float x, y;
};

Point shown(const CControl& pad)
{
	Point p;
	CXYPad::calculateXY(pad.getValue(), p.x, p.y);
	return p;
}

} // namespace

TEST(Pad, RegionTestAndValuePacking)
{
	auto pad = makeOwned<CXYPadJT>(CRect(0, 0, 100, 100));
	EXPECT_TRUE(pad->insideRegion(0.5f, 0.5f));
	EXPECT_TRUE(pad->insideRegion(0.25f, 0.5f));
	EXPECT_FALSE(pad->insideRegion(0.1f, 0.1f));
	EXPECT_FALSE(pad->insideRegion(0.9f, 0.9f));

	EXPECT_NEAR(CXYPad::calculateValue(0.25f, 0.75f), 0.250075f, 1e-7);
	float x, y;
	CXYPad::calculateXY(0.250075f, x, y);
	EXPECT_FLOAT_EQ(x, 0.25f);
	EXPECT_FLOAT_EQ(y, 0.75f);
}

TEST(Joystick, HoldsItsLastPointInsideTheDiamondAndKeepsOutsideValues)
{
	RecordingListener listener;
	OffscreenFrame frame(CRect(0, 0, 100, 100));
	auto* pad = new CXYPadJT(CRect(0, 0, 100, 100));
	pad->joystick = true;
	pad->setRoundRectRadius(0);
	pad->setListener(&listener);
	frame->addView(pad);

	mouseDown(frame.frame, {50, 50});
	EXPECT_TRUE(pad->tracking);
	EXPECT_EQ(listener.log.front(), "changed") << "the press point is sent before the edit opens";
	mouseMoved(frame.frame, {30, 30});
	mouseMoved(frame.frame, {10, 10}); // outside the diamond
	EXPECT_NEAR(shown(*pad).x, 0.3f, 1e-3);
	EXPECT_NEAR(shown(*pad).y, 0.3f, 1e-3);
	mouseMoved(frame.frame, {40, 20}); // back inside
	EXPECT_NEAR(shown(*pad).x, 0.4f, 1e-3);
	EXPECT_NEAR(shown(*pad).y, 0.2f, 1e-3);
	mouseUp(frame.frame, {40, 20});
	EXPECT_FALSE(pad->tracking);
	EXPECT_EQ(listener.log.back(), "end");

	// Outside a drag a value comes upside down, and one outside the diamond is refused.
	const float before = pad->getValue();
	pad->setValue(CXYPad::calculateValue(0.1f, 0.9f));
	EXPECT_EQ(pad->getValue(), before);
	pad->setValue(CXYPad::calculateValue(0.5f, 0.25f));
	EXPECT_NEAR(shown(*pad).y, 0.75f, 1e-3);
}

TEST(Joystick, DrawsTheDiamondCrossHairAndPuck)
{
	auto pad = makeOwned<CXYPadJT>(CRect(0, 0, 100, 100));
	pad->joystick = true;
	pad->setRoundRectRadius(10);
	pad->setBackColor(CColor(0, 0, 255));
	pad->setFrameColor(CColor(255, 0, 0));
	pad->setFontColor(CColor(0, 255, 0));
	pad->setValue(CXYPad::calculateValue(0.3f, 0.7f)); // shown at (0.3, 0.3)
	Canvas canvas(100, 100);
	pad->draw(canvas.context);
	EXPECT_EQ(canvas.pixel(5, 5), 0u) << "outside the diamond";
	EXPECT_EQ(canvas.pixel(70, 30), 0xFF0000FFu) << "inside the diamond";
	EXPECT_EQ(canvas.pixel(50, 80) & 0xFFFF0000u, 0xFFFF0000u) << "the cross-hair";
	EXPECT_EQ(canvas.pixel(32, 32), 0xFF00FF00u) << "the puck at 5 + 0.3 × 90";
	EXPECT_FALSE(pad->isDirty());
}

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

// An edit controller that writes down the pad controller's calls.
class RecordingController : public EditController
{
public:
	RecordingController()
	{
		parameters.addParameter(STR16("X"), nullptr, 0, 0.2, ParameterInfo::kCanAutomate, kX);
		parameters.addParameter(STR16("Y"), nullptr, 0, 0.3, ParameterInfo::kCanAutomate, kY);
	}
	tresult performEdit(ParamID id, ParamValue value) override { return note("edit", id, value); }
	tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override
	{
		note("set", id, value);
		return EditController::setParamNormalized(id, value);
	}
	tresult beginEdit(ParamID id) override { return note("begin", id, 0); }
	tresult endEdit(ParamID id) override { return note("end", id, 0); }

	tresult note(const char* call, ParamID id, ParamValue value)
	{
		std::ostringstream line;
		line << call << " " << id;
		if (value != 0)
			line << " " << value;
		calls.push_back(line.str());
		return kResultTrue;
	}

	static constexpr ParamID kX = 32773;
	static constexpr ParamID kY = 32774;
	std::vector<std::string> calls;
};

} // namespace

TEST(PadController, ShowsParametersUpsideDownAndSendsEachAxisEditThenSet)
{
	UpdateHandler::instance(); // parameters reach their dependents through it
	auto* controller = new RecordingController;
	auto* padController = new CPadControllerJT(nullptr, controller, controller->getParameterObject(RecordingController::kX),
	                                           controller->getParameterObject(RecordingController::kY));
	{
		OffscreenFrame frame(CRect(0, 0, 110, 110));
		auto* pad = new CXYPadJT(CRect(0, 0, 110, 110));
		pad->setRoundRectRadius(10);
		frame->addView(pad);
		padController->verifyView(pad, UIAttributes(), nullptr);
		EXPECT_NEAR(shown(*pad).x, 0.2f, 1e-3);
		EXPECT_NEAR(shown(*pad).y, 0.7f, 1e-3) << "a track pad shows the parameters' y upside down";

		mouseDown(frame.frame, {55, 30}); // travel 5 ... 105: (0.5, 0.25)
		const std::vector<std::string> first(controller->calls.begin(), controller->calls.begin() + 4);
		EXPECT_EQ(first, (std::vector<std::string>{"edit 32773 0.5", "set 32773 0.5", "edit 32774 0.25",
		                                           "set 32774 0.25"}));
		EXPECT_NEAR(shown(*pad).y, 0.25f, 1e-3) << "during a drag the echo is not turned over";
		EXPECT_EQ(controller->calls[4], "begin 32773") << "the edit opens after the first move";
		mouseUp(frame.frame, {55, 30});
		EXPECT_EQ(controller->calls.back(), "end 32774");
	}
	padController->release();
	controller->release();
}
