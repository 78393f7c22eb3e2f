#include "app/SerialPortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "winsupport/AppPaths.h"

namespace qav {

namespace {

// "ttyUSB10" sorts after "ttyUSB2": the stem alphabetically, then the number.
bool NaturalLess(const QString& a, const QString& b) {
    static const QRegularExpression kTrailingNumber(QStringLiteral("^(.*?)(\\d+)$"));
    const auto ma = kTrailingNumber.match(a);
    const auto mb = kTrailingNumber.match(b);
    const QString stemA = ma.hasMatch() ? ma.captured(1) : a;
    const QString stemB = mb.hasMatch() ? mb.captured(1) : b;
    if (stemA != stemB) return stemA < stemB;
    if (ma.hasMatch() != mb.hasMatch()) return !ma.hasMatch();
    if (!ma.hasMatch()) return false;
    const qulonglong na = ma.captured(2).toULongLong();
    const qulonglong nb = mb.captured(2).toULongLong();
    return na != nb ? na < nb : a < b;
}

QStringList EntriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

QStringList NamesMatching(const QStringList& names, const QRegularExpression& pattern) {
    QStringList matching;
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch()) matching << name;
    }
    std::sort(matching.begin(), matching.end(), NaturalLess);
    return matching;
}

}  // namespace

SerialPortMap::SerialPortMap(Folders folders) : folders_(std::move(folders)) {}

SerialPortMap SerialPortMap::ForProgram(std::string_view programName) {
    return SerialPortMap(Folders{.links = UserConfigFolder(programName) + QStringLiteral("/ports")});
}

QString SerialPortMap::LinkedDevice(int port, bool* linkExists) const {
    const QString linkPath = folders_.links + QStringLiteral("/com") + QString::number(port);
    const QFileInfo link(linkPath);
    *linkExists = link.isSymLink() || link.exists();
    if (!*linkExists) return {};
    QString target;
    if (link.isSymLink()) {
        target = link.symLinkTarget();
    } else {
        QFile file(linkPath);
        if (!file.open(QIODevice::ReadOnly)) return {};
        target = QString::fromLocal8Bit(file.readLine(4096)).trimmed();
        if (target.isEmpty()) return {};
    }
    // A relative path in a file (or link) is taken from the ports folder, as
    // the link itself would resolve it.
    return QDir::cleanPath(QDir(folders_.links).absoluteFilePath(target));
}

bool SerialPortMap::HasHardware(const QString& ttyName) const {
    const QString sysEntry = folders_.sysTty + '/' + ttyName;
    if (!QFileInfo::exists(sysEntry + QStringLiteral("/device"))) return false;
    // The 8250 driver registers its legacy ports whether or not a UART answers;
    // those report the port type 0 ("unknown") and are no use to anybody.
    QFile type(sysEntry + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly)) return true;
    bool isNumber = false;
    const int portType = QString::fromLatin1(type.readAll()).trimmed().toInt(&isNumber);
    return !isNumber || portType != 0;
}

QStringList SerialPortMap::MachineDevices() const {
    const QStringList devNames = EntriesOf(folders_.dev);
    QStringList names = NamesMatching(devNames, QRegularExpression(QStringLiteral("^ttyUSB\\d+$")));
    names << NamesMatching(devNames, QRegularExpression(QStringLiteral("^ttyACM\\d+$")));

    static const QRegularExpression kUsbName(QStringLiteral("^tty(USB|ACM)\\d+$"));
    QStringList others;
    for (const QString& name : EntriesOf(folders_.sysTty)) {
        if (kUsbName.match(name).hasMatch()) continue;
        if (!devNames.contains(name) || !HasHardware(name)) continue;
        others << name;
    }
    std::sort(others.begin(), others.end(), NaturalLess);
    names << others;

    QStringList paths;
    for (const QString& name : names) paths << folders_.dev + '/' + name;
    return paths;
}

QString SerialPortMap::DevicePath(int port) const {
    if (port < kFirstPort || port > kLastPort) return {};
    bool linkExists = false;
    const QString linked = LinkedDevice(port, &linkExists);
    if (linkExists) return linked;
    const QStringList machine = MachineDevices();
    return port <= machine.size() ? machine.at(port - 1) : QString();
}

QString SerialPortMap::DeviceText(int port) const {
    const QString path = DevicePath(port);
    const QString devPrefix = QDir::cleanPath(folders_.dev) + '/';
    return path.startsWith(devPrefix) ? path.mid(devPrefix.size()) : path;
}

}  // namespace qav
