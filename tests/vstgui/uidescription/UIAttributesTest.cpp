#include "vstgui/uidescription/uiattributes.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

TEST(UIAttributes, ReadsPointsNumbersAndFlagsAsTheDescriptionWritesThem)
{
	UIAttributes a;
	a.setAttribute("spaced", "96 ,48");
	a.setAttribute("two commas", "84,,84");
	a.setAttribute("one number", "84");
	a.setAttribute("words", "left, top");
	a.setAttribute("rect", "1, 2, 3, 4");
	a.setAttribute("half", "0.5");
	a.setAttribute("flag", "true");
	a.setAttribute("not a flag", "yes");

	CPoint p(-1, -1);
	EXPECT_TRUE(a.getPointAttribute("spaced", p));
	EXPECT_EQ(p, CPoint(96, 48));
	for (auto* bad : {"two commas", "one number", "words", "absent"})
	{
		EXPECT_FALSE(a.getPointAttribute(bad, p)) << bad;
		EXPECT_EQ(p, CPoint(96, 48)) << "a failed read leaves the output alone";
	}
	CRect r;
	EXPECT_TRUE(a.getRectAttribute("rect", r));
	EXPECT_EQ(r, CRect(1, 2, 3, 4));
	double d = 0;
	EXPECT_TRUE(a.getDoubleAttribute("half", d));
	EXPECT_EQ(d, 0.5);
	int32_t i = 7;
	EXPECT_FALSE(a.getIntegerAttribute("half", i));
	bool flag = false;
	EXPECT_TRUE(a.getBooleanAttribute("flag", flag));
	EXPECT_TRUE(flag);
	EXPECT_FALSE(a.getBooleanAttribute("not a flag", flag));

	a.setPointAttribute("written", CPoint(2.5, -3));
	EXPECT_TRUE(a.getPointAttribute("written", p));
	EXPECT_EQ(p, CPoint(2.5, -3));
}
