#include "winsupport/ModuleCloseProgram.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>
#include <cerrno>
#include <string>

namespace qav {
namespace {

// The file name of a process's executable, or empty when it cannot be read.
QString ExecutableName(const std::string& pidDir) {
    char target[4096];
    const ssize_t n = ::readlink((pidDir + "/exe").c_str(), target, sizeof target - 1);
    if (n <= 0) return {};
    QString path = QString::fromLocal8Bit(target, n);
    // A program file replaced while it runs reads as "... (deleted)".
    if (path.endsWith(QLatin1String(" (deleted)"))) path.chop(10);
    return QFileInfo(path).fileName();
}

}  // namespace

int CloseProgram(const QString& executableName, const std::function<void()>& endThisProcess) {
    const QString wanted = executableName.toLower();
    const pid_t self = ::getpid();
    const uid_t user = ::getuid();
    bool selfMatches = false;
    int asked = 0;

    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) return 0;
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || pid <= 0) continue;
        const std::string dir = std::string("/proc/") + entry->d_name;
        struct stat info {};
        if (::stat(dir.c_str(), &info) != 0 || info.st_uid != user) continue;
        if (ExecutableName(dir).toLower() != wanted) continue;
        if (pid == self) {
            selfMatches = true;
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), SIGTERM) == 0) ++asked;
    }
    ::closedir(proc);

    if (selfMatches && endThisProcess) endThisProcess();
    return asked;
}

}  // namespace qav
