#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "startup/capture_fatal.h"
#include "startup/latin1_ansi.h"
#include "startup/text_conversions.h"
#include "test_globals.h"

namespace zent {
namespace {

// Each test starts and ends with the "." locale and ASCII upper-casing only.
class TextConversionsTest : public testing::FreshGlobalsTest {
protected:
    static void UseCommaLocale() { CurrentTextLocale().decimalSeparator = ','; }
};

struct NumberCase {
    const char* text;
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.text)) << " is " << c.value;
}

class NumericValueTest : public TextConversionsTest,
                         public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(NumericValue(GetParam().text), GetParam().value);
}

TEST_P(NumericValueTest, IgnoresTheSystemDecimalSeparator) {
    UseCommaLocale();
    EXPECT_DOUBLE_EQ(NumericValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    LeadingNumberRule, NumericValueTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"yes", 0},
                      NumberCase{"112", 112}, NumberCase{"  112  ", 112}, NumberCase{"1 2 3", 123},
                      NumberCase{"\t4\n5", 45}, NumberCase{"1\r2", 1}, NumberCase{"-1", -1},
                      NumberCase{"+7", 7}, NumberCase{"- 5", -5}, NumberCase{"--5", 0},
                      NumberCase{"87.5", 87.5}, NumberCase{"87,5", 87}, NumberCase{"8 7 . 5", 87.5},
                      NumberCase{".5", 0.5}, NumberCase{"-.5", -0.5}, NumberCase{"5.", 5},
                      NumberCase{".", 0}, NumberCase{"1.2.3", 1.2}, NumberCase{"12abc", 12},
                      NumberCase{"0.5", 0.5}, NumberCase{"1E3", 1000}, NumberCase{"1e3", 1000},
                      NumberCase{"1D2", 100}, NumberCase{"1d-2", 0.01}, NumberCase{"2.5E-1", 0.25},
                      NumberCase{"1E+2x", 100}, NumberCase{"1E", 1}, NumberCase{"1E+", 1},
                      NumberCase{"E5", 0}, NumberCase{"&H1F", 31}, NumberCase{"&hff", 255},
                      NumberCase{"&H 1F", 31}, NumberCase{"&O17", 15}, NumberCase{"&o8", 0},
                      NumberCase{"&HFFFF", -1}, NumberCase{"&H10000", 65536}, NumberCase{"&H", 0},
                      NumberCase{"&", 0}, NumberCase{"&X1", 0}));

TEST_F(TextConversionsTest, NumericValueNeverFailsOnHugeExponents) {
    EXPECT_DOUBLE_EQ(NumericValue("1E400"), DBL_MAX);
    EXPECT_DOUBLE_EQ(NumericValue("-1E400"), -DBL_MAX);
    EXPECT_DOUBLE_EQ(NumericValue("1E-400"), 0);
    EXPECT_DOUBLE_EQ(NumericValue(std::string(400, '9')), DBL_MAX);
}

struct IntegerCase {
    const char* text;
    int value;
};

void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.text)) << " is " << c.value;
}

class WholeIntegerTest : public TextConversionsTest,
                         public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(WholeIntegerTest, ConvertsTheWholeText) {
    EXPECT_EQ(WholeInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, WholeIntegerTest,
    ::testing::Values(IntegerCase{"2", 2}, IntegerCase{" 2 ", 2}, IntegerCase{"   -3", -3},
                      IntegerCase{"+5", 5}, IntegerCase{"0", 0}, IntegerCase{"2.5", 2},
                      IntegerCase{"3.5", 4}, IntegerCase{"-2.5", -2}, IntegerCase{"-3.5", -4},
                      IntegerCase{"0.5", 0}, IntegerCase{"1.5", 2}, IntegerCase{"2.51", 3},
                      IntegerCase{"2.49", 2}, IntegerCase{"32767", 32767},
                      IntegerCase{"-32768", -32768}, IntegerCase{"32767.4", 32767},
                      IntegerCase{"-32768.5", -32768}, IntegerCase{"1E2", 100},
                      IntegerCase{"&H10", 16}, IntegerCase{"&HFFFF", -1}));

struct RejectedCase {
    const char* text;
    int error;
};

void PrintTo(const RejectedCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.text)) << " fails with " << c.error;
}

class WholeIntegerRejectsTest : public TextConversionsTest,
                                public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(WholeIntegerRejectsTest, FailsAndQuotesTheText) {
    const auto error = CaptureFatal([] { WholeInteger(GetParam().text); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), GetParam().error);
    EXPECT_NE(error->description().find(Quoted(GetParam().text)), std::string::npos)
        << error->description();
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, WholeIntegerRejectsTest,
    ::testing::Values(RejectedCase{"", kTypeMismatch}, RejectedCase{"   ", kTypeMismatch},
                      RejectedCase{"x", kTypeMismatch}, RejectedCase{"2x", kTypeMismatch},
                      RejectedCase{"1 2", kTypeMismatch}, RejectedCase{"87,5", kTypeMismatch},
                      RejectedCase{"-", kTypeMismatch}, RejectedCase{"&H", kTypeMismatch},
                      RejectedCase{"40000", kOverflow}, RejectedCase{"32768", kOverflow},
                      RejectedCase{"-32769", kOverflow}, RejectedCase{"32767.5", kOverflow},
                      RejectedCase{"1E400", kOverflow}));

TEST_F(TextConversionsTest, WholeIntegerUsesTheSystemDecimalSeparator) {
    UseCommaLocale();
    EXPECT_EQ(WholeInteger(" 2,5 "), 2);
    EXPECT_EQ(WholeInteger("3,5"), 4);
    EXPECT_EQ(WholeInteger("-2,5"), -2);
    EXPECT_EQ(WholeInteger("7"), 7);
}

TEST_F(TextConversionsTest, WholeLongAndWholeByteHaveTheirOwnRanges) {
    EXPECT_EQ(WholeLong("40000"), 40000);
    EXPECT_EQ(WholeLong("-2147483648"), INT32_MIN);
    EXPECT_EQ(CaptureFatal([] { WholeLong("2147483648"); })->number(), kOverflow);
    EXPECT_EQ(WholeByte("255"), 255);
    EXPECT_EQ(CaptureFatal([] { WholeByte("256"); })->number(), kOverflow);
    EXPECT_EQ(CaptureFatal([] { WholeByte("-1"); })->number(), kOverflow);
}

TEST_F(TextConversionsTest, WholeBooleanTakesTrueFalseOrNumbers) {
    EXPECT_TRUE(WholeBoolean("True"));
    EXPECT_TRUE(WholeBoolean(" tRUE "));
    EXPECT_FALSE(WholeBoolean("False"));
    EXPECT_TRUE(WholeBoolean("-1"));
    EXPECT_TRUE(WholeBoolean("2"));
    EXPECT_FALSE(WholeBoolean("0"));
    EXPECT_EQ(CaptureFatal([] { WholeBoolean("yes"); })->number(), kTypeMismatch);
    EXPECT_EQ(CaptureFatal([] { WholeBoolean(""); })->number(), kTypeMismatch);
}

TEST_F(TextConversionsTest, UpperCaseMapsAsciiLettersOnlyWithoutASystemMapping) {
    EXPECT_EQ(UpperCase("space race 2|x-y_z"), "SPACE RACE 2|X-Y_Z");
    EXPECT_EQ(UpperCase("\xE9t\xE9"), "\xE9T\xE9");
    EXPECT_EQ(UpperCase(""), "");
}

TEST_F(TextConversionsTest, UpperCaseLeavesOtherLettersToTheSystemMapping) {
    CurrentTextLocale().upperCaseExtended = &UpperCaseLatin1EAcute;
    EXPECT_EQ(UpperCase("caf\xE9"), "CAF\xC9");
}

TEST_F(TextConversionsTest, SplitKeepsEveryFieldButGivesNoneForTheEmptyText) {
    using Fields = std::vector<std::string>;
    EXPECT_EQ(Split("", '|'), Fields{});
    EXPECT_EQ(Split("a", '|'), Fields{"a"});
    EXPECT_EQ(Split("|", '|'), Fields({"", ""}));
    EXPECT_EQ(Split("a||b|", '|'), Fields({"a", "", "b", ""}));
    EXPECT_EQ(Split(" a | b ", '|'), Fields({" a ", " b "}));
    EXPECT_EQ(Split("||||", '|'), Fields(5, ""));
}

TEST_F(TextConversionsTest, TrimSpacesRemovesSpacesOnlyAtBothEnds) {
    EXPECT_EQ(TrimSpaces("  a  b  "), "a  b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces(" \t a \n "), "\t a \n");
    EXPECT_EQ(TrimSpaces("     "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

struct FileNumberCase {
    double value;
    const char* text;
};

void PrintTo(const FileNumberCase& c, std::ostream* out) {
    *out << c.value << " is written " << ::testing::PrintToString(std::string(c.text));
}

class FileNumberTest : public TextConversionsTest,
                       public ::testing::WithParamInterface<FileNumberCase> {};

TEST_P(FileNumberTest, WritesBlankOrMinusGeneralFormBlank) {
    EXPECT_EQ(FileNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralForm, FileNumberTest,
    ::testing::Values(FileNumberCase{100, " 100 "}, FileNumberCase{0, " 0 "},
                      FileNumberCase{-0.0, " 0 "}, FileNumberCase{2, " 2 "},
                      FileNumberCase{-3, "-3 "}, FileNumberCase{87.5, " 87.5 "},
                      FileNumberCase{-87.5, "-87.5 "}, FileNumberCase{2.50, " 2.5 "},
                      FileNumberCase{0.1 + 0.2, " 0.3 "},
                      FileNumberCase{1.0 / 3, " 0.333333333333333 "},
                      FileNumberCase{123456789012345.0, " 123456789012345 "},
                      FileNumberCase{1234567890123456.0, " 1.23456789012346E+15 "},
                      FileNumberCase{0.25, " 0.25 "}));

TEST_F(TextConversionsTest, FileNumberUsesTheSystemDecimalSeparator) {
    UseCommaLocale();
    EXPECT_EQ(FileNumber(87.5), " 87,5 ");
    EXPECT_EQ(FileNumber(-0.5), "-0,5 ");
    EXPECT_EQ(FileNumber(100), " 100 ");
}

}  // namespace
}  // namespace zent
