#pragma once
// Which device a port number means. The user picks ports 1 to 16 as the
// program has always offered them; on this system a number names a device as
// follows:
//   1. the link (or a small file holding a path) "comN" in the program's
//      per-user folder "ports/", e.g. ~/.config/QAV-750/ports/com1 -> /dev/ttyUSB0;
//   2. otherwise the n-th serial device of the machine, USB serial adapters
//      first (ttyUSB*, then ttyACM*, each in numeric order), then the other
//      serial ports that have hardware behind them.
// A link that exists always wins, even when its target is missing: the user
// named that device, and quietly talking to another one would be worse than
// the "invalid port" message the failed open then gives.

#include <QString>
#include <QStringList>
#include <string_view>

namespace qav {

class SerialPortMap {
  public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 16;

    // Where the map looks. Tests point these at a temporary tree.
    struct Folders {
        QString links;                      // holds com1 .. com16
        QString dev = "/dev";               // device nodes
        QString sysTty = "/sys/class/tty";  // the kernel's view of the ttys
    };

    explicit SerialPortMap(Folders folders);

    // The map of a program: links in UserConfigFolder(program)/ports.
    static SerialPortMap ForProgram(std::string_view programName);

    // The device port n opens; empty when n is outside 1..16, the link file
    // names nothing, or the machine has fewer serial devices than n.
    QString DevicePath(int port) const;

    // What the user is shown for port n: the device name below the device
    // folder ("ttyUSB0") or the full path for anything else; empty for none.
    QString DeviceText(int port) const;

    // The machine's serial devices in port order, links not considered.
    QStringList MachineDevices() const;

    const Folders& folders() const { return folders_; }

  private:
    QString LinkedDevice(int port, bool* linkExists) const;
    bool HasHardware(const QString& ttyName) const;

    Folders folders_;
};

}  // namespace qav
