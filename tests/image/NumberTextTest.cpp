#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "TestNames.h"
#include "image/NumberText.h"

namespace qav {
namespace {

struct ValCase {
    const char* text;
    double value;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, GivesTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Basic, ValTest,
                         ::testing::Values(ValCase{"", 0}, ValCase{"abc", 0}, ValCase{"435.12500", 435.125},
                                           ValCase{"010.00000", 10}, ValCase{"  12.5abc", 12.5},
                                           ValCase{"1 2", 12}, ValCase{"-3.5", -3.5}, ValCase{"+7", 7},
                                           ValCase{".5", 0.5}, ValCase{"5.", 5}, ValCase{"1e3", 1000},
                                           ValCase{"1E-2", 0.01}, ValCase{"2d2", 200}, ValCase{"1e", 1},
                                           ValCase{"1e+", 1}, ValCase{"1.2.3", 1.2}, ValCase{"4A5.125", 4},
                                           ValCase{"FFF.FFFFF", 0}, ValCase{".", 0}, ValCase{"-", 0},
                                           ValCase{"0e999999999999", 0}, ValCase{"\t\n 88", 88},
                                           ValCase{"12-3", 12}),
                         [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(Val, HugeAndTinyNumbersStayFinite) {
    EXPECT_EQ(Val("1" + std::string(400, '0')), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-1e999999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val("1e-999999"), 0.0);
}

TEST(Val, IgnoresTheLocale) {
    // Whatever locale the process runs in, the point stays the separator.
    const char* const previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            EXPECT_DOUBLE_EQ(Val("435.125"), 435.125) << name;
            EXPECT_EQ(FormatFixed(435.125, 5), "435.12500") << name;
        }
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(IsNumeric, AcceptsPlainNumbersOnly) {
    for (const char* yes : {"0", "128", " 12 ", "-1", "+1.5", ".5", "5.", "1e3", "007"}) {
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    }
    for (const char* no : {"", " ", ".", "-", "1e", "12a", "a12", "1.2.3", "1 2", "0x10"}) {
        EXPECT_FALSE(IsNumeric(no)) << no;
    }
}

TEST(FormatFixed, WritesAFixedPoint) {
    EXPECT_EQ(FormatFixed(435.125, 5), "435.12500");
    EXPECT_EQ(FormatFixed(10, 5), "10.00000");
    EXPECT_EQ(FormatFixed(10, 5, 3), "010.00000");
    EXPECT_EQ(FormatFixed(0.5, 5, 3), "000.50000");
    EXPECT_EQ(FormatFixed(435.13125, 5), "435.13125");
    EXPECT_EQ(FormatFixed(99.995, 5), "99.99500");
    EXPECT_EQ(FormatFixed(0, 5), "0.00000");
    EXPECT_EQ(FormatFixed(-0.000001, 5), "0.00000");
    EXPECT_EQ(FormatFixed(-2.5, 2), "-2.50");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 5), "0.00000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "0.00");
    EXPECT_EQ(FormatFixed(1234.5, 0), "1234");  // the binary value's tie goes to even
}

TEST(FormatFixed, HandlesTheLargestDouble) {
    const std::string text = FormatFixed(std::numeric_limits<double>::max(), 5);
    EXPECT_EQ(text.size(), 309u + 6u);
}

TEST(FormatPlain, WritesLikeBasic) {
    EXPECT_EQ(FormatPlain(87.5), "87.5");
    EXPECT_EQ(FormatPlain(88.8), "88.8");
    EXPECT_EQ(FormatPlain(76), "76");
    EXPECT_EQ(FormatPlain(0.05 * 256 + 76), "88.8");  // 15 significant digits hide the error
    EXPECT_EQ(FormatPlain(-0.0), "0");
}

TEST(RoundToWhole, TiesGoToEven) {
    EXPECT_EQ(RoundToWhole(2.5), 2);
    EXPECT_EQ(RoundToWhole(3.5), 4);
    EXPECT_EQ(RoundToWhole(2.4999), 2);
    EXPECT_EQ(RoundToWhole(2.5001), 3);
    EXPECT_EQ(RoundToWhole(-2.5), -2);
    EXPECT_EQ(RoundToWhole(-3.5), -4);
    EXPECT_EQ(RoundToWhole(255), 255);
    EXPECT_FALSE(RoundToWhole(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(RoundToWhole(1e300));
}

TEST(ParseScaledDecimal, IsExact) {
    EXPECT_EQ(ParseScaledDecimal("101.6", 2, 100000), 10160);
    EXPECT_EQ(ParseScaledDecimal("101.60", 2, 100000), 10160);
    EXPECT_EQ(ParseScaledDecimal("101.600", 2, 100000), 10160);
    EXPECT_EQ(ParseScaledDecimal("76", 2, 100000), 7600);
    EXPECT_EQ(ParseScaledDecimal("435.125", 5, 99999999), 43512500);
    EXPECT_EQ(ParseScaledDecimal(".5", 2, 100), 50);
    EXPECT_EQ(ParseScaledDecimal("5.", 2, 1000), 500);
    EXPECT_FALSE(ParseScaledDecimal("101.605", 2, 100000));  // significant third decimal
    EXPECT_FALSE(ParseScaledDecimal("", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal(".", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal("-1", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal(" 1", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal("1.2.3", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal("1e3", 2, 100000));
    EXPECT_FALSE(ParseScaledDecimal("1000.00000", 5, 99999999));
    EXPECT_FALSE(ParseScaledDecimal(std::string(40, '9'), 2, 100000));
}

}  // namespace
}  // namespace qav
