#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "winsupport/AppPaths.h"

namespace qav {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(AppPathsTest, ShippedFileIsFoundBesideTheProgramThenInItsDataFolder) {
    struct Case {
        bool beside;
        bool installed;
        const char* expected;  // relative to the prefix
    };
    const Case cases[] = {
        {true, true, "bin/QAV750.dat"},
        {true, false, "bin/QAV750.dat"},
        {false, true, "share/QAV-750/QAV750.dat"},
        {false, false, "bin/QAV750.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "beside " << c.beside << " installed " << c.installed);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin");
        QDir().mkpath(bin);
        if (c.beside) Touch(prefix.filePath("bin/QAV750.dat"));
        if (c.installed) Touch(prefix.filePath("share/QAV-750/QAV750.dat"));
        EXPECT_EQ(ShippedFile(bin, "QAV-750", "QAV750.dat"), prefix.filePath(c.expected));
    }
}

}  // namespace
}  // namespace qav
