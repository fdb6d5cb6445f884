#include "host/ComponentHandler.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using VeltraneHost::ComponentHandler;
using Kind = VeltraneHost::HandlerCall::Kind;

TEST(ComponentHandler, RecordsEditsAndRestartsInOrder)
{
	ComponentHandler handler;
	Vst::IComponentHandler& asSeenByPlugIn = handler;
	asSeenByPlugIn.beginEdit(4);
	asSeenByPlugIn.performEdit(4, 0.75);
	asSeenByPlugIn.endEdit(4);
	asSeenByPlugIn.restartComponent(Vst::kLatencyChanged);
	asSeenByPlugIn.restartComponent(Vst::kParamValuesChanged);

	const std::vector<VeltraneHost::HandlerCall> expected{
		{Kind::beginEdit, 4, 0.0, 0},
		{Kind::performEdit, 4, 0.75, 0},
		{Kind::endEdit, 4, 0.0, 0},
		{Kind::restartComponent, 0, 0.0, Vst::kLatencyChanged},
		{Kind::restartComponent, 0, 0.0, Vst::kParamValuesChanged},
	};
	EXPECT_EQ(handler.calls(), expected);
	EXPECT_EQ(handler.restartFlags(), Vst::kLatencyChanged | Vst::kParamValuesChanged);
	handler.clear();
	EXPECT_TRUE(handler.calls().empty());
	EXPECT_EQ(handler.restartFlags(), 0);
}
