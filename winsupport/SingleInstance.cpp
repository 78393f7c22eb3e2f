#include "winsupport/SingleInstance.h"

#include <QDir>
#include <QLockFile>

namespace qav {

SingleInstance::SingleInstance(const QString& folder) {
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/running.lock"));
    // Held for the whole run, so its age says nothing; only a lock whose
    // process is gone counts as stale.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Take() {
    // Without waiting: a copy that is running stays running.
    return lock_->isLocked() || lock_->tryLock(0);
}

QString SingleInstance::LockFilePath() const {
    return lock_->fileName();
}

}  // namespace qav
