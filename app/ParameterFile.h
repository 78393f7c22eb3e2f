#pragma once
// The one-byte file that remembers the chosen serial port (the list index of the
// port selector, 0 for port 1) from one run to the next.

#include <QString>

namespace qav {

class ParameterFile {
  public:
    explicit ParameterFile(QString path) : path_(std::move(path)) {}

    // The stored byte. A missing file is created empty; an empty file, or one
    // that can be neither read nor created, reads 0 (the first port).
    int ReadPortIndex() const;
    // Replaces the file with the one byte; false when it cannot be written.
    bool WritePortIndex(int index) const;

    const QString& Path() const { return path_; }

  private:
    QString path_;
};

}  // namespace qav
