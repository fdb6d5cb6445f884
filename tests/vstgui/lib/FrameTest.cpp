#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::Test;

namespace {

// A view that logs what reaches it.
struct ProbeView : CView
{
	using CView::CView;
	std::vector<std::string> log;
	std::vector<CPoint> points;
	void draw(CDrawContext*) override { log.push_back("draw"); }
	CMouseEventResult onMouseDown(CPoint& where, const CButtonState&) override { return note("down", where); }
	CMouseEventResult onMouseMoved(CPoint& where, const CButtonState&) override { return note("moved", where); }
	CMouseEventResult onMouseUp(CPoint& where, const CButtonState&) override { return note("up", where); }
	CMouseEventResult note(const char* what, const CPoint& where)
	{
		log.push_back(what);
		points.push_back(where);
		return kMouseEventHandled;
	}
};

struct ViewObserver : IViewAddedRemovedObserver
{
	std::vector<std::string> log;
	void onViewAdded(CFrame*, CView*) override { log.push_back("added"); }
	void onViewRemoved(CFrame*, CView*) override { log.push_back("removed"); }
};

} // namespace

TEST(Frame, AViewOfEmptySizeIsNeitherDrawnNorHit)
{
	OffscreenFrame frame(CRect(0, 0, 200, 200));
	auto* empty = new ProbeView(CRect(160, 190, 160, 190));
	frame->addView(empty);

	Canvas canvas(200, 200);
	frame->drawRect(canvas.context, CRect(0, 0, 200, 200));
	for (CPoint p : {CPoint(160, 190), CPoint(159, 189)})
		EXPECT_EQ(mouseDown(frame.frame, p), kMouseEventNotHandled);
	EXPECT_TRUE(empty->log.empty());
	EXPECT_EQ(frame->getViewAt({160, 190}, GetViewOptions().deep()), nullptr);
}

TEST(Frame, MouseGoesToTheViewUnderThePointerWhichKeepsItUntilRelease)
{
	OffscreenFrame frame(CRect(0, 0, 200, 200));
	auto* container = new CViewContainer(CRect(100, 100, 200, 200));
	auto* inner = new ProbeView(CRect(10, 10, 30, 30));
	auto* other = new ProbeView(CRect(0, 0, 50, 50));
	container->addView(inner);
	frame->addView(container);
	frame->addView(other);

	mouseDown(frame.frame, {115, 115});
	mouseMoved(frame.frame, {10, 10}); // over the other view: still the inner one's
	mouseUp(frame.frame, {10, 10});
	mouseMoved(frame.frame, {120, 120}, 0); // after release, moves are nobody's
	EXPECT_EQ(inner->log, (std::vector<std::string>{"down", "moved", "up"}));
	EXPECT_EQ(inner->points.front(), CPoint(15, 15)); // in the container's coordinates
	EXPECT_EQ(inner->points.back(), CPoint(-90, -90));
	EXPECT_TRUE(other->log.empty());

	// Content scaling: window pixels are halved on the way in.
	frame->setZoom(2.);
	CPoint windowPoint(230, 230);
	frame->platformOnMouseDown(windowPoint, kLButton);
	EXPECT_EQ(inner->points.back(), CPoint(15, 15));
	// The captured view leaves mid-drag: later events go nowhere and nothing breaks.
	container->removeView(inner);
	mouseMoved(frame.frame, {120, 120});
	mouseUp(frame.frame, {120, 120});
}

TEST(Frame, OffscreenInvalidationIsHarmlessAndObserversSeeViewsComeAndGo)
{
	ViewObserver observer;
	auto* frame = new CFrame(CRect(0, 0, 100, 100), nullptr);
	frame->registerViewAddedRemovedObserver(&observer);
	auto* knob = new CAnimKnob(CRect(0, 0, 10, 10), nullptr, 0, nullptr);
	knob->invalid(); // not in any frame yet
	frame->addView(knob);
	frame->open(nullptr);
	EXPECT_EQ(frame->getPlatformFrame(), nullptr);
	knob->setValue(1.f);
	knob->invalid();
	frame->invalid();
	frame->invalidRect(CRect(-50, -50, 500, 500));
	frame->idle();
	frame->removeView(knob);
	EXPECT_EQ(observer.log, (std::vector<std::string>{"added", "removed"}));
	frame->close();
}
