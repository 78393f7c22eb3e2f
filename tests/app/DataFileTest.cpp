#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "app/DataFile.h"
#include "image/ModelProfile.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"

namespace qav {
namespace {

using test::FileSizeLimit;
using test::ReadAll;
using test::WriteAll;

MemoryImage Pattern(std::uint8_t seed) {
    return test::PatternImage(kQav750, seed);
}

class DataFileTest : public ::testing::Test {
  protected:
    QString Path(const char* name) const { return folder.filePath(name); }
    QStringList Entries() const {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir folder;
    DataFile dataFile{kQav750};
};

TEST_F(DataFileTest, HeaderHoldsIdentFillersAndVersion) {
    const QByteArray expected = QByteArray::fromHex(
                                    "524C2D373031"
                                    "FFFFFFFF"
                                    "5630313030") +
                                QByteArray(33, char(0xFF));
    EXPECT_EQ(dataFile.Header(), expected);
    ASSERT_EQ(dataFile.Header().size(), 48);
}

TEST_F(DataFileTest, SaveWritesHeaderAndWholeImageAndReplacesALongerFile) {
    const MemoryImage image = Pattern(3);
    WriteAll(Path("a.dat"), QByteArray(5000, 'x'));
    ASSERT_TRUE(dataFile.Save(Path("a.dat"), image));
    const QByteArray saved = ReadAll(Path("a.dat"));
    ASSERT_EQ(saved.size(), 3120) << "nothing of the older, longer file stays";
    EXPECT_EQ(saved.left(48), dataFile.Header());
    for (int i = 0; i < 3072; ++i) ASSERT_EQ(std::uint8_t(saved[48 + i]), image.at(i)) << "image byte " << i;
    EXPECT_EQ(Entries(), QStringList{"a.dat"}) << "no temporary file left";
}

TEST_F(DataFileTest, FailedSaveLeavesNoFileAndKeepsAnOldOne) {
    WriteAll(Path("old.dat"), "old contents");
    QDir(folder.path()).mkdir("folder.dat");
    WriteAll(Path("plain"), "a file, not a folder");
    struct Case {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        {"a folder chosen", Path("folder.dat")},
        {"a path under a regular file", Path("plain") + "/x.dat"},
        {"a folder no file can be created in", "/proc/qav-data-file-test.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(dataFile.Save(c.path, Pattern(1)));
    }
    {
        SCOPED_TRACE("the disk full half-way");
        FileSizeLimit limit(1000);
        EXPECT_FALSE(dataFile.Save(Path("old.dat"), Pattern(1)));
    }
    EXPECT_EQ(ReadAll(Path("old.dat")), QByteArray("old contents"));
    EXPECT_TRUE(QFileInfo(Path("folder.dat")).isDir());
    QStringList entries = Entries();
    entries.sort();
    EXPECT_EQ(entries, (QStringList{"folder.dat", "old.dat", "plain"})) << "no temporary file left";
}

TEST_F(DataFileTest, LoadTakesOnlyAWholeFileOfTheModel) {
    const MemoryImage saved = Pattern(9);
    const QByteArray whole = dataFile.Compose(saved);
    ASSERT_EQ(whole.size(), 3120);
    QDir(folder.path()).mkdir("folder.dat");
    QByteArray otherModel = whole;
    otherModel.replace(0, 6, "RL-730");

    using R = DataFile::LoadResult;
    struct Case {
        const char* name;
        std::optional<QByteArray> contents;  // nullopt: do not create
        R expected;
    };
    const Case cases[] = {
        {"whole.dat", whole, R::Loaded},
        {"longer.dat", whole + QByteArray(100, 'z'), R::Loaded},
        {"other-model.dat", otherModel, R::WrongType},
        {"empty.dat", QByteArray(), R::WrongType},
        {"three-bytes.dat", QByteArray("RL-"), R::WrongType},
        {"header-only.dat", whole.left(48), R::Incomplete},
        {"one-short.dat", whole.left(3119), R::Incomplete},
        {"missing.dat", std::nullopt, R::Missing},
        {"folder.dat", std::nullopt, R::NotReadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.contents) WriteAll(Path(c.name), *c.contents);
        MemoryImage image(kQav750);
        image.Fill(0x5A);
        EXPECT_EQ(dataFile.Load(Path(c.name), image), c.expected);
        if (c.expected == R::Loaded) {
            EXPECT_TRUE(image == saved);
        } else {
            MemoryImage untouched(kQav750);
            untouched.Fill(0x5A);
            EXPECT_TRUE(image == untouched) << "a refused file changes nothing";
        }
    }
    EXPECT_FALSE(QFileInfo::exists(Path("missing.dat"))) << "loading never creates a file";
}

TEST_F(DataFileTest, FirstModelFileHoldsItsHeaderAndImageBytesUpTo1903) {
    const DataFile first{kQav730};
    const MemoryImage image = test::PatternImage(kQav730, 4);
    ASSERT_TRUE(first.Save(Path("first.dat"), image));
    const QByteArray saved = ReadAll(Path("first.dat"));
    ASSERT_EQ(saved.size(), 1952);
    EXPECT_EQ(saved.left(6), QByteArray("RL-730"));
    EXPECT_EQ(saved.mid(6, 42), dataFile.Header().mid(6)) << "fillers and version as in the other model";
    for (int i = 0; i < 1904; ++i) ASSERT_EQ(std::uint8_t(saved[48 + i]), image.at(i)) << "image byte " << i;

    // Loading fills bytes 0..1903; the switch and tuning blocks keep theirs.
    MemoryImage loaded(kQav730);
    loaded.Fill(0x5A);
    EXPECT_EQ(first.Load(Path("first.dat"), loaded), DataFile::LoadResult::Loaded);
    for (int i = 0; i < loaded.size(); ++i)
        ASSERT_EQ(loaded.at(i), i < 1904 ? image.at(i) : 0x5A) << "image byte " << i;

    // Neither model takes the other's file.
    ASSERT_TRUE(dataFile.Save(Path("second.dat"), Pattern(5)));
    EXPECT_EQ(first.Load(Path("second.dat"), loaded), DataFile::LoadResult::WrongType);
    MemoryImage second(kQav750);
    EXPECT_EQ(dataFile.Load(Path("first.dat"), second), DataFile::LoadResult::WrongType);
}

}  // namespace
}  // namespace qav
