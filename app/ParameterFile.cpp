#include "app/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qav {

int ParameterFile::ReadPortIndex() const {
    QFile file(path_);
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.close();
        return 0;
    }
    if (!file.open(QIODevice::ReadOnly)) return 0;
    char byte = 0;
    if (file.read(&byte, 1) != 1) return 0;
    return static_cast<unsigned char>(byte);
}

bool ParameterFile::WritePortIndex(int index) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const char byte = static_cast<char>(static_cast<unsigned char>(index));
    if (file.write(&byte, 1) != 1) return false;
    return file.commit();
}

}  // namespace qav
