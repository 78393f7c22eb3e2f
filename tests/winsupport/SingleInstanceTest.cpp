#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "winsupport/SingleInstance.h"

namespace qav {
namespace {

TEST(SingleInstanceTest, OnlyOneHolderAtATimeAndTheNextAfterIt) {
    QTemporaryDir home;
    const QString folder = home.filePath("QAV-730");  // not there yet
    std::optional<SingleInstance> first(std::in_place, folder);
    ASSERT_TRUE(first->Take());
    EXPECT_TRUE(first->Take()) << "taking again keeps it";
    EXPECT_TRUE(QFileInfo::exists(first->LockFilePath()));

    SingleInstance second(folder);
    EXPECT_FALSE(second.Take());
    SingleInstance elsewhere(home.filePath("other"));
    EXPECT_TRUE(elsewhere.Take()) << "another folder is another user";

    first.reset();  // the first copy ends
    EXPECT_FALSE(QFileInfo::exists(folder + "/running.lock"));
    EXPECT_TRUE(second.Take());
}

}  // namespace
}  // namespace qav
