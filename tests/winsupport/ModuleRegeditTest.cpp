#include <gtest/gtest.h>

#include <QSaveFile>
#include <QTemporaryDir>

#include "winsupport/ModuleRegedit.h"

namespace qav {
namespace {

using win::HKEY_CURRENT_USER;

class ModuleRegeditTest : public ::testing::Test {
  protected:
    QString Path() const { return dir.path() + "/registry"; }

    void Store(const QString& name, std::uint32_t type, const QByteArray& bytes) {
        win::Registry registry(Path());
        win::HKEY key = 0;
        ASSERT_EQ(registry.RegCreateKeyA(HKEY_CURRENT_USER, "PX-14G", &key), win::ERROR_SUCCESS);
        ASSERT_EQ(registry.RegSetValueExA(key, name, type, bytes.constData(), std::uint32_t(bytes.size())),
                  win::ERROR_SUCCESS);
        registry.RegCloseKey(key);
    }

    QTemporaryDir dir;
};

TEST_F(ModuleRegeditTest, ReadsValuesAsTextByType) {
    struct Case {
        std::uint32_t type;
        QByteArray bytes;
        const char* text;
    };
    const Case cases[] = {
        {win::REG_BINARY, QByteArray::fromHex("02000000"), "2"},
        {win::REG_BINARY, QByteArray::fromHex("00000000"), "0"},
        {win::REG_BINARY, QByteArray::fromHex("ffff0000"), "-1"},  // signed 16-bit
        {win::REG_BINARY, QByteArray::fromHex("3412"), "4660"},
        {win::REG_SZ, QByteArray("abc\0def", 7), "abc"},
        {win::REG_DWORD, QByteArray::fromHex("01000000"), ""},
    };
    for (const Case& c : cases) {
        Store("BinaryValue", c.type, c.bytes);
        win::Registry fresh(Path());  // read back from the file, as the next run does
        EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString(c.text))
            << c.bytes.toHex().constData();
    }
}

TEST_F(ModuleRegeditTest, MissingValueOrKeyReadsEmpty) {
    win::Registry registry(Path());
    EXPECT_EQ(RegGetValueText(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString());
    Store("Other", win::REG_BINARY, QByteArray::fromHex("01000000"));
    win::Registry fresh(Path());
    EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString());
    EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "Elsewhere", "Other"), QString());
}

TEST_F(ModuleRegeditTest, StoresOneByteAsFourBinaryBytes) {
    win::Registry registry(Path());
    EXPECT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "1"), 0);

    win::Registry fresh(Path());
    win::HKEY key = 0;
    ASSERT_EQ(fresh.RegOpenKeyA(HKEY_CURRENT_USER, "PX-14G", &key), win::ERROR_SUCCESS);
    std::uint32_t type = 0;
    char data[8] = {};
    std::uint32_t size = sizeof data;
    ASSERT_EQ(fresh.RegQueryValueExA(key, "BinaryValue", &type, data, &size), win::ERROR_SUCCESS);
    EXPECT_EQ(type, win::REG_BINARY);
    EXPECT_EQ(QByteArray(data, int(size)), QByteArray::fromHex("01000000"));
}

TEST_F(ModuleRegeditTest, RefusesTextThatIsNoByteBeforeWriting) {
    win::Registry registry(Path());
    ASSERT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "2"), 0);
    EXPECT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "256"), kErrOverflow);
    EXPECT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "-1"), kErrOverflow);
    EXPECT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "two"),
              kErrTypeMismatch);
    EXPECT_EQ(RegSetBinaryByte(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", ""), kErrTypeMismatch);
    win::Registry fresh(Path());
    EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString("2"));
}

// The other program writes the store while this one has it open: every read
// sees the file as it is now, and a write keeps what the other one stored.
TEST_F(ModuleRegeditTest, SeesWhatAnotherProgramStored) {
    win::Registry open(Path());
    ASSERT_EQ(RegSetBinaryByte(open, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "1"), 0);
    EXPECT_EQ(RegGetValueText(open, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString("1"));

    QSaveFile other(Path());  // another process, written as it writes the file
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[HKEY_CURRENT_USER]\nPX-14G\\BinaryValue=3:02000000\nPX-14G\\Other=1:616263\n");
    ASSERT_TRUE(other.commit());
    EXPECT_EQ(RegGetValueText(open, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString("2"));

    ASSERT_EQ(RegSetBinaryByte(open, HKEY_CURRENT_USER, "PX-14G", "BinaryValue", "0"), 0);
    win::Registry fresh(Path());
    EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString("0"));
    EXPECT_EQ(RegGetValueText(fresh, HKEY_CURRENT_USER, "PX-14G", "Other"), QString("abc"));
}

TEST_F(ModuleRegeditTest, UnreadableStoreCountsAsEmpty) {
    QFile junk(Path());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x01\x02 not a store [\n=\n[PX-14G]\nBinaryValue=zz\n");
    junk.close();
    win::Registry registry(Path());
    EXPECT_EQ(RegGetValueText(registry, HKEY_CURRENT_USER, "PX-14G", "BinaryValue"), QString());
}

}  // namespace
}  // namespace qav
