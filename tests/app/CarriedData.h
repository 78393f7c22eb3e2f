#pragma once
// Everything the codec carries between the forms and an image, taken from a
// program run, and the comparison that tells which part differs.

#include <gtest/gtest.h>

#include "app/ImageBinding.h"
#include "app/ProgramRun.h"

namespace qav::test {

struct CarriedData {
    ImageFields fields;
    ChannelTables tables;
    FmValues fm;
    PowerGradeValues grades;

    static CarriedData Of(ProgramRun& run) {
        return {ImageBinding(run).ReadControls(), run.state.channels, run.state.fm, run.state.grades};
    }

    friend bool operator==(const CarriedData&, const CarriedData&) = default;
};

// Part by part, so that a failure tells which part differs.
inline void ExpectSame(const CarriedData& actual, const CarriedData& expected) {
    EXPECT_EQ(actual.fields.mdiForm1, expected.fields.mdiForm1);
    EXPECT_EQ(actual.fields.form2, expected.fields.form2);
    EXPECT_EQ(actual.fields.form3, expected.fields.form3);
    EXPECT_EQ(actual.fields.form5, expected.fields.form5);
    EXPECT_EQ(actual.tables, expected.tables);
    EXPECT_EQ(actual.fm, expected.fm);
    EXPECT_EQ(actual.grades, expected.grades);
}

}  // namespace qav::test
