#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {

struct Target : CBaseObject
{
	int ticks = 0;
	CMessageResult notify(CBaseObject*, IdStringPtr message) override
	{
		ticks += message == CVSTGUITimer::kMsgTimer;
		return kMessageNotified;
	}
};

} // namespace

TEST(Timer, NotifiesItsObjectOrCallsItsFunctionAndSurvivesBeingReleasedInATick)
{
	Target target;
	auto* timer = new CVSTGUITimer(&target, 50, true);
	EXPECT_TRUE(timer->isRunning());
	timer->fire();
	EXPECT_EQ(target.ticks, 1);
	EXPECT_TRUE(timer->setFireTime(20));
	EXPECT_EQ(timer->getFireTime(), 20u);
	timer->stop();
	EXPECT_FALSE(timer->isRunning());
	timer->forget();

	// The editor drops its timer from inside the tick that closes it.
	CVSTGUITimer* self = nullptr;
	int calls = 0;
	self = new CVSTGUITimer([&](CVSTGUITimer* t) {
		++calls;
		t->stop();
		self->forget();
	});
	self->fire();
	EXPECT_EQ(calls, 1);
}
