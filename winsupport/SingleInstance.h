#pragma once
// One running copy of a program per user. The copy that starts first holds a
// lock file in its per-user folder for as long as it runs; a later copy of the
// same user finds it held and ends. The lock belongs to a live process only: a
// copy that crashed leaves a lock that the next start takes over. Another
// user's copy has its own folder and does not count.

#include <QString>
#include <memory>

class QLockFile;

namespace qav {

class SingleInstance {
  public:
    // folder: the program's per-user folder (created when missing).
    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running copy: the lock is now held until this
    // object goes. False when another live copy holds it (PrevInstance).
    bool Take();

    QString LockFilePath() const;

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace qav
