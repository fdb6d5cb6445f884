#include "LogParameter.h"
#include "PeakParameter.h"
#include "VoltOctaveParameter.h"

#include <gtest/gtest.h>

#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Doru2VST3;

namespace {

std::u16string shown(Parameter& parameter, ParamValue normalized, int32 precision = 4)
{
	parameter.setPrecision(precision);
	String128 out = {u'?', 0};
	parameter.toString(normalized, out);
	return out;
}

LogParameter logCutoff()
{
	return LogParameter(u"Cutoff", 7, u"Hz", 20.0, 20000.0, 20.0, 0, ParameterInfo::kCanAutomate, 3);
}

VoltOctaveParameter voltOctaveCutoff()
{
	return VoltOctaveParameter(u"Cutoff", 8, nullptr, 20.0, 20000.0, 632.455532, 0, 0, 0);
}

const double kUntouched = -123.0;

} // namespace

TEST(PeakParameter, DescribesAReadOnlyMeter)
{
	const std::u16string longTitle(300, u'x');
	PeakParameter peak(ParameterInfo::kIsReadOnly, 42, longTitle.c_str());
	EXPECT_EQ(std::u16string(peak.getInfo().title), longTitle.substr(0, 127));
	EXPECT_EQ(peak.getInfo().defaultNormalizedValue, 0.5);
	EXPECT_EQ(peak.getNormalized(), 1.0);
	EXPECT_STREQ(peak.isA(), "Parameter");
}

TEST(PeakParameter, ShowsDecibelsAndReadsNoText)
{
	PeakParameter peak(0, 1, u"Peak");
	EXPECT_EQ(shown(peak, 1.0), u"0.000");
	EXPECT_EQ(shown(peak, 0.5), u"-6.021");
	EXPECT_EQ(shown(peak, 0.1), u"-20.000");
	EXPECT_EQ(shown(peak, 0.00011), u"-79.172");
	EXPECT_EQ(shown(peak, 0.0001), u"-\u221E");
	EXPECT_EQ(shown(peak, 0.0), u"-\u221E");

	double value = kUntouched;
	EXPECT_FALSE(peak.fromString(u"-6.021", value));
	EXPECT_EQ(value, kUntouched);
	EXPECT_EQ(peak.toPlain(0.25), 0.25);
}

TEST(LogParameter, DescriptionAndUnclampedDefault)
{
	LogParameter cutoff = logCutoff();
	EXPECT_EQ(std::u16string(cutoff.getInfo().units), u"Hz");
	EXPECT_STREQ(cutoff.isA(), "Parameter");
	EXPECT_EQ(cutoff.getInfo().defaultNormalizedValue, 0.003981071524322033);
	EXPECT_EQ(cutoff.getNormalized(), 0.003981071524322033);

	LogParameter loud(u"Level", 1, nullptr, 20.0, 20000.0, 30000.0, 0, 0, 0);
	EXPECT_GT(loud.getNormalized(), 1.0);
	EXPECT_EQ(loud.getInfo().defaultNormalizedValue, loud.getNormalized());
}

TEST(LogParameter, ConvertsWithAFortyEightDecibelTaper)
{
	LogParameter cutoff = logCutoff();
	EXPECT_EQ(cutoff.toNormalized(20.0), 0.003981071524322033);
	EXPECT_EQ(cutoff.toNormalized(20000.0), 1.0);
	EXPECT_EQ(cutoff.toNormalized(10010.0), 0.06309573352336884);
	EXPECT_EQ(cutoff.toPlain(0.0), 20.0);
	EXPECT_EQ(cutoff.toPlain(-0.5), 20.0);
	EXPECT_EQ(cutoff.toPlain(1.0), 20000.0);
	EXPECT_NEAR(cutoff.toPlain(0.5), 17493.9255, 1e-3);

	// The conversions read the range through the virtual accessors.
	cutoff.setMin(10.0);
	cutoff.setMax(10010.0);
	EXPECT_EQ(cutoff.toPlain(0.0), 10.0);
	EXPECT_EQ(cutoff.toNormalized(10010.0), 1.0);
}

TEST(LogParameter, TextIsThePlainNumber)
{
	LogParameter cutoff = logCutoff();
	EXPECT_EQ(shown(cutoff, 0.0), u"20.0000");
	EXPECT_EQ(shown(cutoff, 1.0, 2), u"20000.00");
	EXPECT_EQ(shown(cutoff, 0.5, 0), u"17494");

	double value = kUntouched;
	ASSERT_TRUE(cutoff.fromString(u"10010", value));
	EXPECT_EQ(value, 0.06309573352336884);
	ASSERT_TRUE(cutoff.fromString(u" 30000 Hz", value));
	EXPECT_GT(value, 1.0);

	const char16 unpairedSurrogate[] = {0xD800, u'1', 0};
	value = kUntouched;
	EXPECT_FALSE(cutoff.fromString(u"", value));
	EXPECT_FALSE(cutoff.fromString(u"loud", value));
	EXPECT_FALSE(cutoff.fromString(unpairedSurrogate, value));
	EXPECT_FALSE(cutoff.fromString(nullptr, value));
	EXPECT_EQ(value, kUntouched);
}

TEST(VoltOctaveParameter, ConvertsWithAnExponentialTaper)
{
	VoltOctaveParameter cutoff = voltOctaveCutoff();
	EXPECT_EQ(cutoff.toPlain(0.0), 20.0);
	EXPECT_NEAR(cutoff.toPlain(0.5), 632.4414, 1e-4);
	EXPECT_NEAR(cutoff.toPlain(1.0), 19998.9068, 1e-4);
	EXPECT_EQ(cutoff.toNormalized(20000.0), 1.0);
	EXPECT_NEAR(cutoff.toNormalized(20.0), -2.39e-7, 1e-9);
	EXPECT_NEAR(cutoff.toNormalized(632.455532), 0.4999997, 1e-7);
	EXPECT_EQ(cutoff.getNormalized(), cutoff.toNormalized(632.455532));
	EXPECT_EQ(cutoff.getInfo().defaultNormalizedValue, cutoff.getNormalized());
}

TEST(VoltOctaveParameter, TextIsThePlainNumber)
{
	VoltOctaveParameter cutoff = voltOctaveCutoff();
	EXPECT_EQ(shown(cutoff, 0.5, 1), u"632.4");
	double value = kUntouched;
	ASSERT_TRUE(cutoff.fromString(u"440", value));
	EXPECT_EQ(value, cutoff.toNormalized(440.0));
	ASSERT_TRUE(cutoff.fromString(u"30000", value));
	EXPECT_GT(value, 1.0);
}
