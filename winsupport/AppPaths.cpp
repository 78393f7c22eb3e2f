#include "winsupport/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qav {

QString UserConfigFolder(std::string_view programName) {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.config";
    return base + '/' + QString::fromUtf8(programName.data(), qsizetype(programName.size()));
}

QString SharedRegistryFile() {
    return UserConfigFolder("QAV") + QStringLiteral("/registry.ini");
}

QString AppPath() {
    return QCoreApplication::applicationDirPath();
}

QString ShippedFile(std::string_view programName, const QString& fileName) {
    return ShippedFile(AppPath(), programName, fileName);
}

QString ShippedFile(const QString& programFolder, std::string_view programName, const QString& fileName) {
    const QString besideExe = programFolder + '/' + fileName;
    if (QFileInfo::exists(besideExe)) return besideExe;
    const QString installed = programFolder + "/../share/" +
                              QString::fromUtf8(programName.data(), qsizetype(programName.size())) + '/' +
                              fileName;
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
    return besideExe;
}

}  // namespace qav
