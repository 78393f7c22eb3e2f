#include <gtest/gtest.h>

#include <string>

#include "TestNames.h"
#include "image/FrequencySnap.h"
#include "image/NumberText.h"

namespace qav {
namespace {

struct SnapCase {
    const char* text;
    const char* expected;  // formatted "0.00000"
};

class SnapFrequencyTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapFrequencyTest, MovesDownOntoTheNearerRaster) {
    EXPECT_EQ(FormatFixed(SnapFrequency(GetParam().text), 5), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rasters, SnapFrequencyTest,
    ::testing::Values(SnapCase{"435.12600", "435.12500"}, SnapCase{"435.13200", "435.13125"},
                      SnapCase{"435.11900", "435.11875"}, SnapCase{"435.12999", "435.12500"},
                      SnapCase{"435.10000", "435.10000"}, SnapCase{"435.13125", "435.13125"},
                      SnapCase{"435.13000", "435.13000"}, SnapCase{"435.13124", "435.13000"},
                      SnapCase{"010.00000", "10.00000"}, SnapCase{"99.99500", "99.99500"}),
    [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(SnapFrequency, OutsideTheContractGivesThePlainValue) {
    EXPECT_DOUBLE_EQ(SnapFrequency(""), 0);
    EXPECT_DOUBLE_EQ(SnapFrequency("12"), 12);
    EXPECT_DOUBLE_EQ(SnapFrequency("1e99999"), Val("1e99999"));
    EXPECT_DOUBLE_EQ(SnapFrequency("1-999"), 1);  // last four "-999": not 0..9999
    EXPECT_DOUBLE_EQ(SnapFrequency("abcd"), 0);
}

class SnapToStepListTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapToStepListTest, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(SnapToStepList(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rasters, SnapToStepListTest,
    ::testing::Values(SnapCase{"435.12999", "435.12500"}, SnapCase{"435.13100", "435.13125"},
                      SnapCase{"435.10600", "435.10625"}, SnapCase{"435.13799", "435.13750"},
                      SnapCase{"435.18300", "435.18125"}, SnapCase{"435.19800", "435.19500"},
                      SnapCase{"10.00000", "10.00000"}, SnapCase{"435.13750", "435.13750"},
                      SnapCase{"435.18125", "435.18125"}, SnapCase{"FFF.FFFFF", "FFF.F0000"}),
    [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

TEST(SnapToStepList, EveryEntryIsKeptAndEveryKhzLandsOnItsEntry) {
    for (const std::string_view entry : kStepList) {
        const std::string text = "435.1" + std::string(entry);
        EXPECT_EQ(SnapToStepList(text), text);
    }
    for (int khz = 95; khz <= 99; ++khz) {
        EXPECT_EQ(SnapToStepList("435.1" + std::to_string(khz) + "00"), "435.19500") << khz;
    }
}

TEST(SnapToStepList, ShortTextsStayAsTheyAre) {
    EXPECT_EQ(SnapToStepList(""), "");
    EXPECT_EQ(SnapToStepList("123"), "123");
    EXPECT_EQ(SnapToStepList("-100"), "0000");
}

class FormatHalfStepTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(FormatHalfStepTest, GivesTwoDecimalsEndingIn0Or5) {
    EXPECT_EQ(FormatHalfStep(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Rasters, FormatHalfStepTest,
                         ::testing::Values(SnapCase{"88", "88.00"}, SnapCase{"88.5", "88.50"},
                                           SnapCase{"88.57", "88.55"}, SnapCase{"88.54", "88.50"},
                                           SnapCase{"87.549", "87.50"}, SnapCase{"101.65", "101.65"},
                                           SnapCase{"76", "76.00"}, SnapCase{"76.", "76.00"},
                                           SnapCase{"", ".00"}),
                         [](const auto& tc) { return qav::test::CaseName(tc.param.text, tc.index); });

}  // namespace
}  // namespace qav
