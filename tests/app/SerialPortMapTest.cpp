// Port numbers to devices: the per-user links first, then the machine's
// serial devices in a stable order, in a fake /dev and /sys tree.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/SerialPortMap.h"

namespace qav {
namespace {

class SerialPortMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder : {"ports", "dev", "sys"}) ASSERT_TRUE(QDir(root.path()).mkdir(folder));
    }

    QString Path(const QString& relative) const { return root.path() + '/' + relative; }

    void MakeFile(const QString& relative, const QByteArray& content = {}) const {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // A tty as the kernel shows it: a node in dev/, and in sys/ a device
    // link and, for UART drivers, the port type.
    void MakeTty(const QString& name, bool hasDevice, const char* type = nullptr) const {
        MakeFile("dev/" + name);
        QDir().mkpath(Path("sys/" + name));
        if (hasDevice) QDir().mkpath(Path("sys/" + name + "/device"));
        if (type) MakeFile("sys/" + name + "/type", type);
    }

    SerialPortMap Map() const {
        return SerialPortMap({.links = Path("ports"), .dev = Path("dev"), .sysTty = Path("sys")});
    }

    QTemporaryDir root;
};

TEST_F(SerialPortMapTest, OrdersUsbAdaptersFirstThenPortsWithHardware) {
    MakeTty("ttyUSB10", true);
    MakeTty("ttyUSB2", true);
    MakeTty("ttyACM1", true);
    MakeTty("ttyACM0", true);
    MakeTty("ttyS10", true, "4\n");
    MakeTty("ttyS2", true, "4\n");
    MakeTty("ttyS1", true, "0\n");            // a legacy 8250 slot without a UART
    MakeTty("ttyS3", false);                  // no driver behind it
    MakeTty("ttyAMA0", true);                 // a UART that reports no type
    MakeTty("tty0", false);                   // a virtual console
    QDir().mkpath(Path("sys/ttyS4/device"));  // hardware without a device node
    MakeFile("dev/ttyUSBx");                  // not a numbered adapter

    const QStringList expected = {Path("dev/ttyUSB2"), Path("dev/ttyUSB10"), Path("dev/ttyACM0"),
                                  Path("dev/ttyACM1"), Path("dev/ttyAMA0"),  Path("dev/ttyS2"),
                                  Path("dev/ttyS10")};
    const SerialPortMap map = Map();
    EXPECT_EQ(map.MachineDevices(), expected);
    for (int port = 1; port <= expected.size(); ++port) {
        EXPECT_EQ(map.DevicePath(port), expected.at(port - 1)) << "port " << port;
    }
    EXPECT_EQ(map.DevicePath(8), QString()) << "fewer devices than the port number";
    EXPECT_EQ(map.DeviceText(1), "ttyUSB2");
    EXPECT_EQ(map.DeviceText(8), QString());
}

TEST_F(SerialPortMapTest, LinkInThePortsFolderWins) {
    MakeTty("ttyUSB0", true);
    MakeTty("ttyUSB1", true);
    MakeFile("elsewhere/radio-cable");
    ASSERT_TRUE(QFile::link(Path("dev/ttyUSB1"), Path("ports/com1")));
    ASSERT_TRUE(QFile::link("../elsewhere/radio-cable", Path("ports/com3")));  // relative
    MakeFile("ports/com4", "  " + Path("dev/ttyUSB0").toLocal8Bit() + "\n");   // a file with a path
    MakeFile("ports/com5", "../dev/ttyUSB1\n");
    MakeFile("ports/com6", "\n");  // names nothing

    const SerialPortMap map = Map();
    EXPECT_EQ(map.DevicePath(1), Path("dev/ttyUSB1"));
    EXPECT_EQ(map.DevicePath(2), Path("dev/ttyUSB1")) << "no link: the second machine device";
    EXPECT_EQ(map.DevicePath(3), Path("elsewhere/radio-cable"));
    EXPECT_EQ(map.DevicePath(4), Path("dev/ttyUSB0"));
    EXPECT_EQ(map.DevicePath(5), Path("dev/ttyUSB1"));
    EXPECT_EQ(map.DevicePath(6), QString()) << "an empty link file does not fall back";
    EXPECT_EQ(map.DeviceText(1), "ttyUSB1");
    EXPECT_EQ(map.DeviceText(3), Path("elsewhere/radio-cable"));
}

TEST_F(SerialPortMapTest, DanglingLinkStillNamesItsTarget) {
    MakeTty("ttyUSB0", true);
    ASSERT_TRUE(QFile::link(Path("dev/ttyUSB7"), Path("ports/com1")));
    // Falling back to ttyUSB0 would talk to a device the user did not name.
    EXPECT_EQ(Map().DevicePath(1), Path("dev/ttyUSB7"));
}

TEST_F(SerialPortMapTest, OnlyPortsOneToSixteen) {
    for (int port = 1; port <= 17; ++port) {
        ASSERT_TRUE(QFile::link(Path("dev/x"), Path("ports/com%1").arg(port)));
    }
    const SerialPortMap map = Map();
    EXPECT_EQ(map.DevicePath(0), QString());
    EXPECT_EQ(map.DevicePath(16), Path("dev/x"));
    EXPECT_EQ(map.DevicePath(17), QString());
}

TEST_F(SerialPortMapTest, ProgramMapLooksInItsPerUserFolder) {
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", root.path().toLocal8Bit());
    QDir().mkpath(Path("QAV-750/ports"));
    ASSERT_TRUE(QFile::link(Path("dev/ttyUSB3"), Path("QAV-750/ports/com2")));
    const SerialPortMap map = SerialPortMap::ForProgram("QAV-750");
    EXPECT_EQ(map.folders().links, Path("QAV-750/ports"));
    EXPECT_EQ(map.DevicePath(2), Path("dev/ttyUSB3"));
    EXPECT_EQ(map.folders().dev, "/dev");
    if (wasSet) {
        qputenv("XDG_CONFIG_HOME", saved);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace qav
