#include <gtest/gtest.h>

#include <set>

#include "image/ToneTable.h"

namespace qav {
namespace {

TEST(ToneTable, IsEmptyUntilFilled) {
    ToneTable table;
    EXPECT_EQ(table.Text(1), "");
    EXPECT_EQ(table.Index("67.0"), 0);
    FillToneTable(table);
    EXPECT_EQ(table.Text(1), "67.0");
}

TEST(ToneTable, HoldsThe260TextsInOrder) {
    const ToneTable& t = StandardToneTable();
    EXPECT_EQ(t.Text(0), "");
    EXPECT_EQ(t.Text(1), "67.0");
    EXPECT_EQ(t.Text(9), "88.5");
    EXPECT_EQ(t.Text(13), "100.0");
    EXPECT_EQ(t.Text(40), "199.9");
    EXPECT_EQ(t.Text(50), "254.1");
    EXPECT_EQ(t.Text(51), "D023N");
    EXPECT_EQ(t.Text(148), "D703N");
    EXPECT_EQ(t.Text(155), "D754N");
    EXPECT_EQ(t.Text(156), "D023I");
    EXPECT_EQ(t.Text(260), "D754I");
    EXPECT_EQ(t.Text(261), "");
    EXPECT_EQ(t.Text(-1), "");
    std::set<std::string> distinct;
    for (int i = 1; i <= ToneTable::kEntries; ++i) {
        EXPECT_FALSE(t.Text(i).empty()) << i;
        distinct.insert(t.Text(i));
    }
    EXPECT_EQ(distinct.size(), 260u);
}

TEST(ToneIndex, FindsEveryEntryAtItsIndex) {
    const ToneTable& t = StandardToneTable();
    for (int i = 1; i <= ToneTable::kEntries; ++i) {
        EXPECT_EQ(ToneIndex(t.Text(i)), i) << t.Text(i);
    }
}

TEST(ToneIndex, RangeIgnoresCaseComparisonDoesNot) {
    EXPECT_EQ(ToneIndex("d023n"), 0);
    EXPECT_EQ(ToneIndex("D023n"), 0);
    EXPECT_EQ(ToneIndex(""), 0);
    EXPECT_EQ(ToneIndex("Off"), 0);
    EXPECT_EQ(ToneIndex("05.0"), 0);
    EXPECT_EQ(ToneIndex("67"), 0);
}

TEST(OffToneText, ByLanguage) {
    EXPECT_EQ(OffToneText(LangSimplified), "关闭");
    EXPECT_EQ(OffToneText(LangEnglish), "Off");
    EXPECT_EQ(OffToneText(LangTraditional), "關閉");
    EXPECT_EQ(OffToneText(static_cast<Language>(7)), "Off");
}

TEST(ToneListItems, ListIndexEqualsTableIndex) {
    const auto items = ToneListItems(LangSimplified);
    ASSERT_EQ(items.size(), 261u);
    EXPECT_EQ(items[0], "关闭");
    for (int i = 1; i <= ToneTable::kEntries; ++i) {
        EXPECT_EQ(items[static_cast<std::size_t>(i)], StandardToneTable().Text(i));
    }
}

TEST(Language, ValuesAreFixed) {
    EXPECT_EQ(LangSimplified, 0);
    EXPECT_EQ(LangEnglish, 1);
    EXPECT_EQ(LangTraditional, 2);
}

}  // namespace
}  // namespace qav
