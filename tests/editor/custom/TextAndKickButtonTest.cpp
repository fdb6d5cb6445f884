#include "CKickButtonJT.h"
#include "CTextEditJT.h"
#include "CTextLabelJT.h"

#include "VstguiTestSupport.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace VSTGUI::Test;

TEST(UnitsText, AppendsUnitsOnlyWhenThereAreSomeAndCopiesOnlyTheLabelsUnits)
{
	auto label = makeOwned<CTextLabelJT>(CRect(0, 0, 60, 20), "label");
	label->setTextWithUnits("440");
	EXPECT_EQ(label->getText(), "440");
	label->units = "Hz";
	label->setTextWithUnits("440");
	EXPECT_EQ(label->getText(), "440 Hz");

	auto edit = makeOwned<CTextEditJT>(CRect(0, 0, 60, 20), nullptr, 3, "edit");
	edit->units = "mSec";
	edit->setTextWithUnits("250");
	EXPECT_EQ(edit->getText(), "250 mSec");

	auto labelCopy = owned(dynamic_cast<CTextLabelJT*>(label->newCopy()));
	auto editCopy = owned(dynamic_cast<CTextEditJT*>(edit->newCopy()));
	ASSERT_TRUE(labelCopy && editCopy);
	EXPECT_EQ(labelCopy->units, "Hz");
	EXPECT_EQ(labelCopy->getText(), "440 Hz");
	EXPECT_EQ(editCopy->units, "");
	EXPECT_EQ(editCopy->getTag(), 3);
}

namespace {

struct KickRun
{
	std::vector<std::string> log;
	std::vector<float> values;
	float valueAfter;
};

// One left click on a kick button in the given mode, maximum 2.
KickRun click(int32_t sendMode)
{
	RecordingListener listener;
	OffscreenFrame frame(CRect(0, 0, 40, 40));
	auto* button = new CKickButtonJT(CRect(0, 0, 20, 20), &listener, 7, nullptr);
	button->setMax(2.f);
	button->sendMode = sendMode;
	frame->addView(button);
	mouseDown(frame.frame, {10, 10});
	mouseUp(frame.frame, {10, 10});
	return {listener.log, listener.values, button->getValue()};
}

} // namespace

TEST(KickButton, SendsOnPressReleaseOrBothInsideOneEdit)
{
	using Log = std::vector<std::string>;
	const KickRun pressOnly = click(CKickButtonJT::kSendOnPress);
	EXPECT_EQ(pressOnly.log, (Log{"begin", "changed", "end"}));
	EXPECT_EQ(pressOnly.values, std::vector<float>{1.f}) << "a press sends 1, not the maximum";

	const KickRun releaseOnly = click(CKickButtonJT::kSendOnRelease);
	EXPECT_EQ(releaseOnly.log, (Log{"begin", "changed", "end"}));
	EXPECT_EQ(releaseOnly.values, std::vector<float>{0.f});

	const KickRun both = click(CKickButtonJT::kSendOnPressAndRelease);
	EXPECT_EQ(both.log, (Log{"begin", "changed", "changed", "end"}));
	EXPECT_EQ(both.values, (std::vector<float>{1.f, 0.f}));
	EXPECT_EQ(both.valueAfter, 0.f);

	RecordingListener listener;
	auto button = makeOwned<CKickButtonJT>(CRect(0, 0, 20, 20), &listener, 7, nullptr);
	button->sendMode = CKickButtonJT::kSendOnPressAndRelease;
	CPoint where(10, 10);
	EXPECT_EQ(button->onMouseDown(where, CButtonState(kRButton)), kMouseEventNotHandled);
	EXPECT_TRUE(listener.log.empty());
	EXPECT_EQ(button->getValue(), 0.f);
}
